// Tab "ANY I": the picture of mask pairs, drawn here, and its mouse. A click
// picks the pair (m, k) of the cell, sets the mask boxes from it, empties the
// learned tables and names the table file the generator will write.
#include "app/TForm1.h"

#include "base/ProgramDir.h"
#include "engine/Mask1d.h"
#include "engine/StringStart.h"
#include "tables1d/AnyIPicker.h"
#include "tables1d/TableFile.h"
#include "widgets/Colors.h"

namespace {

// Colour of a studied cell by its number of neighbours.
TColor NeighbourColour(int neighbours)
{
    switch (neighbours) {
    case 4: return ColorYellow;
    case 5: return RGBColor(238, 130, 238);   // violet
    case 6: return RGBColor(255, 192, 203);   // pink
    case 7: return ColorSilver;               // grey
    case 8: return ColorAqua;                 // cyan
    case 9: return ColorOlive;
    default: return ColorWhite;
    }
}

void Text(Canvas& canvas, int x, int y, const QString& text, TColor colour, int size = 8, bool bold = false)
{
    canvas.brush.style = BrushStyle::Clear;
    canvas.font.color = colour;
    canvas.font.size = size;
    canvas.font.bold = bold;
    canvas.textOut(x, y, text);
    canvas.brush.style = BrushStyle::Solid;
}

// Row label of the staircase: k and a small drawing of the right half of the
// mask (the centre in black, right distances 1 to 5 filled when in the mask).
void DrawRowLabel(Canvas& canvas, int x, int y, int32_t k)
{
    Text(canvas, x + 4, y + 3, QString::number(k), ColorWhite, 9, true);
    canvas.pen.color = ColorWhite;
    canvas.brush.color = ColorBlack;
    canvas.rectangle(x + 4, y + 25, x + 9, y + 30);
    for (int d = 1; d <= 5; ++d) {
        canvas.brush.color = (k >> (d - 1)) & 1 ? ColorWhite : ColorBlue;
        canvas.rectangle(x + 4 + 6 * d, y + 25, x + 9 + 6 * d, y + 30);
    }
}

} // namespace

void TForm1::DrawAnyIPicture()
{
    Canvas& canvas = Image15->canvas();
    canvas.clear(ColorWhite);
    canvas.pen = Pen{};
    canvas.brush = Brush{};
    for (int row = 0; row < kAnyIRows; ++row) {
        for (int column = 0; column < kAnyIColumns; ++column) {
            const MaskPair pair = AnyIPairOfCell(column, row);
            const int x = column * kAnyICellSize;
            const int y = row * kAnyICellSize;
            const bool studied = AnyIIsStudied(pair);
            const int neighbours = AnyINeighbourCount(pair);
            canvas.brush.color = studied ? NeighbourColour(neighbours) : ColorBlue;
            canvas.fillRect(x, y, x + kAnyICellSize, y + kAnyICellSize);
            if (studied) {
                // The number of neighbours in the upper right, the window's width below it.
                Text(canvas, x + 26, y + 3, QString::number(neighbours), ColorBlack, 9, true);
                if (neighbours == 9) Text(canvas, x + 17, y + 3, "?", ColorBlack, 9, true);
                Text(canvas, x + 26, y + 20, QString::number(AnyIWindowWidth(pair)), ColorBlack);
            } else if (row == 0) {
                Text(canvas, x + 4, y + 3, QString::number(pair.leftBits), ColorWhite, 9, true);
            } else if (column == row - 4) {
                DrawRowLabel(canvas, x, y, pair.rightBits);
            }
        }
    }
    // Cell borders, on the last pixel row and column of every cell.
    canvas.pen.color = ColorGray;
    for (int i = 1; i <= kAnyIColumns; ++i) {
        canvas.moveTo(i * kAnyICellSize - 1, 0);
        canvas.lineTo(i * kAnyICellSize - 1, kAnyIRows * kAnyICellSize);
    }
    for (int i = 1; i <= kAnyIRows; ++i) {
        canvas.moveTo(0, i * kAnyICellSize - 1);
        canvas.lineTo(kAnyIColumns * kAnyICellSize, i * kAnyICellSize - 1);
    }
    canvas.pen = Pen{};
    canvas.font = FontSpec{};
}

void TForm1::Image15MouseMove(Qt::KeyboardModifiers, int x, int y)
{
    image15MouseX = x;
    image15MouseY = y;
}

// Whatever the button: the pair under the last position the pointer moved to.
void TForm1::Image15MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    Image17->setVisible(false);
    Button208Click();
    Button208Click();
    Button208Click();
    Button209Click();
    Button228Click();
}

void TForm1::Image15MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}

// The mask from the stored position: boxes of distances 1 to 5 from the
// pair's bits, then the mask rebuilt from the boxes.
void TForm1::Button208Click()
{
    const MaskPair pair = AnyIPairAt(image15MouseX, image15MouseY);
    mask1dLeftBits = pair.leftBits;
    mask1dRightBits = pair.rightBits;
    for (QLabel* label : {Label107, Label416, Label541}) label->setText(QString::number(pair.leftBits));
    for (QLabel* label : {Label417, Label545}) label->setText(QString::number(pair.rightBits));
    SetNearMaskBoxes(pair.leftBits, pair.rightBits, 5);
    Button122Click();
    if (CheckBox46->isChecked()) Button129Click();
}

// A new table: empty tables, random starts, and the table file's path for the
// mask as it now stands.
void TForm1::Button209Click()
{
    for (QLabel* label : {Label303, Label449, Label450}) label->setText("0");
    Button163Click();
    isRandomInitialString = 1;
    CheckBox61->setChecked(true);
    ttFileName1d = programDir + "RT/" + TableFileBaseName(mask1dPointCount, mask1dLeftBits, mask1dRightBits);
    Label454->setText(QString::fromStdString(ttFileName1d));
    Label458->setText(QString::fromStdString(ttFileName1d));
}
