// The picker `z` on tab "ANY II": a 6 x 6 grid of 40-pixel cells, rows "5"
// to "0" from the top. A press makes the cell under the last pointer position
// the first extra point and rebuilds the current mask from it.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "engine/StringStart.h"
#include "mask2d/Mask2dPicker.h"
#include "widgets/Colors.h"

#include <algorithm>

namespace {

constexpr int kPickerCell = kMask2dPickerCell;
constexpr int kPickerCells = kMask2dPickerCells;
constexpr int kPickerSide = kMask2dPickerSide;

} // namespace

void TForm1::DrawZPicture()
{
    Canvas& canvas = z->canvas();
    canvas.clear(ColorWhite);
    canvas.pen = Pen{};
    canvas.brush = Brush{};
    // A chequer of two light tints so a cell is easy to aim at; the cell
    // (0, 0) in the lower left corner stands out.
    for (int row = 0; row < kPickerCells; ++row) {
        for (int column = 0; column < kPickerCells; ++column) {
            const int x = column * kPickerCell;
            const int y = row * kPickerCell;
            const bool origin = column == 0 && row == kPickerCells - 1;
            canvas.brush.color = origin ? RGBColor(255, 230, 150)
                                        : ((row + column) % 2 ? RGBColor(232, 240, 255) : ColorWhite);
            canvas.fillRect(x, y, x + kPickerCell, y + kPickerCell);
        }
    }
    canvas.pen.color = ColorGray;
    for (int i = 0; i <= kPickerCells; ++i) {
        const int at = std::min(i * kPickerCell, kPickerSide - 1);
        canvas.moveTo(at, 0);
        canvas.lineTo(at, kPickerSide);
        canvas.moveTo(0, at);
        canvas.lineTo(kPickerSide, at);
    }
    canvas.pen = Pen{};
}

void TForm1::zMouseMove(Qt::KeyboardModifiers, int x, int y)
{
    zImageMouseX = x;
    zImageMouseY = y;
}

// Any button; the press's own position is not used, only the last move.
void TForm1::zMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    if (Mask2dChangeRefused())
        return;
    Image17->setVisible(false);
    Button210Click();
    Button210Click();
    Button213Click();
}

void TForm1::Button210Click()
{
    if (Mask2dChangeRefused())
        return;
    ShowTwoDimToolbar();
    const Mask2dPoint cell = Mask2dPickerPoint(zImageMouseX, zImageMouseY);
    extraPointX5 = cell.x;
    extraPointY5 = cell.y;
    ShowNumber(Edit54, extraPointX5);
    ShowNumber(Edit55, extraPointY5);
    ResetCurrentMask2d();
}

void TForm1::Button213Click()
{
    if (Mask2dChangeRefused())
        return;
    Button170Click();
    isRandomInitialString = 1;
    CheckBox61->setChecked(true);
    Button226Click();
}
