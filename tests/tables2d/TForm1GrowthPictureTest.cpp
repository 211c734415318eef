// The picture of layer 1 on the main window. The layer is copied in from
// pictures of single cells; it must equal the cells drawn one by one in place
// (i along x, j along y, below fieldDrawTop) with the figures it is made of.
#include "Tables2dTestSupport.h"

#include "base/RunControls.h"
#include "tables2d/TwoDimState.h"
#include "widgets/Colors.h"

using namespace table2dtest;

namespace {

class TForm1GrowthPictureTest : public Window2dTest {};

TEST_F(TForm1GrowthPictureTest, TheCopiedCellsEqualTheFiguresDrawnInPlace)
{
    growthSetup.side = 9;
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j) growthLayer1Cells[i][j] = uint8_t((i * 7 + j * 3) % 4);   // 3: not drawn
    for (const auto& [w, h, top] : {std::tuple{25, 25, 49}, std::tuple{7, 13, 0}, std::tuple{1, 2, 72}, std::tuple{100, 130, 72}}) {
        cellWidth = w;
        cellHeight = h;
        fieldDrawTop = top;
        Canvas& cv = Form1->canvas();
        cv.clear(ColorYellow);
        Form1->DrawGrowthLayer1();

        Canvas reference(cv.width(), cv.height(), ColorYellow);   // placed and clipped as the window's
        reference.setOrigin(cv.origin());
        reference.setClip(cv.clip().translated(cv.origin()));
        reference.pen.style = PenStyle::Clear;
        for (int i = 0; i < 9; ++i)
            for (int j = 0; j < 9; ++j) {
                const int v = growthLayer1Cells[i][j];
                if (v > 2) continue;
                const int x1 = i * w, y1 = j * h + top, x2 = x1 + w, y2 = y1 + h;
                reference.brush.color = ColorButtonFace;
                reference.fillRect(x1, y1, x2, y2);
                reference.brush.color = v == 2 ? ColorBlack : v == 1 ? RGBColor(0, 0, 255) : RGBColor(255, 0, 0);
                if (v == 2)
                    reference.rectangle(int(x1 + 0.3 * w), int(y1 + 0.3 * h), int(x2 - 0.3 * w), int(y2 - 0.3 * h));
                else
                    reference.ellipse(x1, y1, x2, y2);
            }
        EXPECT_TRUE(cv.image() == reference.image()) << w << " x " << h;
    }
    cellWidth = 1 << 30;   // beyond the picture: nothing is drawn
    Form1->canvas().clear(ColorYellow);
    Form1->DrawGrowthLayer1();
    EXPECT_EQ(Form1->canvas().pixel(0, fieldDrawTop), ColorYellow);
}

} // namespace
