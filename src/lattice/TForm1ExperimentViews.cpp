// Views of the 70 x 70 experiments on the main window: stored patterns and
// class tables drawn as pixel blocks, snapshots of the square, the two
// adjustments of cellStatMap, the signs of its extremes and two stored
// pictures.
#include "app/TForm1.h"

#include "base/NumericHelpers.h"
#include "base/ViewTransform.h"
#include "engine/StringPaint.h"
#include "engine/StringState.h"
#include "lattice/ExperimentViews.h"
#include "lattice/SquarePatternFile.h"
#include "lattice/TForm1CanvasBlocks.h"
#include "widgets/Bitmap.h"
#include "widgets/Dialogs.h"

#include <algorithm>

namespace {

// A transformed coordinate truncated toward zero, kept far inside the int range.
int ToPixel(double v)
{
    return static_cast<int>(std::clamp(v, -1.0e6, 1.0e6));
}

} // namespace

// Reads the pattern into the square (side and lists stay) and draws a block
// for every cell 1 of its first 70 x 70, pitch 6.
void TForm1::DrawPatternBlocks(const char* path, int origin, int size, TColor color)
{
    stepCount = 0;
    LoadSquarePattern(path);
    Canvas& c = canvas();
    for (int r = 0; r < kStatSide; ++r)
        for (int col = 0; col < kStatSide; ++col)
            if (squareCells[SquareIndex(r, col)] == 1) {
                c.pen.color = color;
                FillBlock(c, 6 * col + origin, 6 * r + origin, size, size, color);
            }
}

void TForm1::N1abeg1Click() { DrawPatternBlocks("CA/ca70.dat", 7, 5, ColorBlack); }
void TForm1::N5dbeg1Click() { DrawPatternBlocks("CA/ca70.dat", 7, 5, ColorRed); }
void TForm1::N5d121Click() { DrawPatternBlocks("CA/ca_REG5.dat", 8, 3, ColorRed); }

void TForm1::Bstav1Click()
{
    Canvas& c = canvas();
    c.brush.style = BrushStyle::Solid;
    c.brush.color = ColorMaroon;
    for (int r = 0; r < kStatSide; ++r)
        for (int col = 0; col < kStatSide; ++col)
            if (squareSnapshots[2][SquareIndex(r, col)] == 1)
                FillBlock(c, 6 * col + 359, 6 * r + 7, 3, 3, ColorRed);
}

void TForm1::Finstab1Click()
{
    Canvas& c = canvas();
    c.brush.style = BrushStyle::Solid;
    c.brush.color = ColorMaroon;
    for (int r = 0; r < kStatSide; ++r)
        for (int col = 0; col < kStatSide; ++col) {
            TColor colour;
            switch (stabilityClassTable[r][col]) {
            case 'd': colour = ColorOlive; break;
            case 'e': colour = ColorRed; break;
            case 'g': colour = ColorBlue; break;
            case 'h': colour = ColorGreen; break;
            case 'i': colour = ColorPurple; break;
            case 'j': colour = ColorMaroon; break;
            default: continue;
            }
            c.brush.color = colour;
            FillBlock(c, 6 * col + 359, 6 * r + 7, 3, 3, colour);
        }
}

void TForm1::N01Click() { TakeSquareSnapshot(0); }
void TForm1::N110Click() { TakeSquareSnapshot(1); }
void TForm1::N211Click() { TakeSquareSnapshot(2); }
void TForm1::N35Click() { TakeSquareSnapshot(3); }
void TForm1::N43Click() { TakeSquareSnapshot(4); }

void TForm1::TEMP21Click()
{
    HalveCellStatNegated();
    Button3Click();
}

void TForm1::aTEMP21Click()
{
    AdjustCellStatByMarkers();
    Button3Click();
}

// A minus sign before the large digits of the smallest (digit top 250) and
// then the largest (top 195) value of cellStatMap, where they are negative.
void TForm1::Button80Click()
{
    const int32_t largest = MatrixMaximum(&cellStatMap[0][0], kStatSide);
    const int32_t smallest = MatrixMinimum(&cellStatMap[0][0], kStatSide);
    Canvas& c = canvas();
    c.pen.mode = PenMode::Copy;
    c.pen.style = PenStyle::Solid;
    c.pen.width = 4;
    c.pen.color = ColorBlack;
    const struct {
        int32_t value;
        int top;
    } extremes[] = {{smallest, 250}, {largest, 195}};
    for (const auto& e : extremes) {
        digitDisplayValue = AbsInt(e.value);
        if (e.value >= 0)
            continue;
        const int y = ToPixel(WorldToScreenY(e.top + 40));
        c.moveTo(ToPixel(WorldToScreenX(20)), y);
        c.lineTo(ToPixel(WorldToScreenX(40)), y);
    }
}

void TForm1::Viewv2m3m3m1Click()
{
    const struct {
        const char* file;
        int x, y;
    } pictures[] = {{"gragra.bmp", 100, 360}, {"v4.bmp", 600, 10}};
    for (const auto& p : pictures) {
        QImage picture;
        if (!LoadBitmap(p.file, picture)) {
            ShowMessage(QString("Cannot load \"%1\"").arg(p.file));
            return;
        }
        canvas().draw(p.x, p.y, picture);
    }
}
