// FREEZE: the freeze mask of the square (cleared here, filled only by the
// mask file), the FREEZE tick that starts the string engine, the restart
// from the C points that keeps frozen cells, and the grey map of the mask.
#include "app/TForm1.h"

#include "base/RunControls.h"
#include "engine/SquarePatterns.h"
#include "engine/StringState.h"
#include "lattice/FreezeMask.h"
#include "lattice/ImproveSearch.h"
#include "widgets/ControlColor.h"

#include <algorithm>

// "Mask = 0" and "Do immediate" set the steps without showing them.
void TForm1::Nofreeze1Click()
{
    stepsPerRun = 4;
    FillUsedSquare(frozenMask, 0);
}

void TForm1::BEGIN1Click()
{
    stepsPerRun = 1;
    isFreezeArmed = 1;
    FillUsedSquare(frozenMask, 0);
}

void TForm1::Go1Click()
{
    Timer4->setEnabled(true);
}

// After "BEGIN" the timer runs the tick once; later ticks do nothing until
// "Do immediate" stops the timer.
void TForm1::Timer4Timer()
{
    if (isFreezeArmed)
        Button40Click();
}

void TForm1::do1syep1Click()
{
    Button40Click();
}

void TForm1::Button40Click()
{
    isFreezeArmed = 0;
    stepCount = 0;
    isRedrawNeeded = 1;
    SetColor(Manage, isTimeReversed ? ColorHighlight : ColorYellow);
    Timer1->setEnabled(true);
}

void TForm1::Finish1Click()
{
    stepsPerRun = 4;
    Timer4->setEnabled(false);
    PlaceCPointsInSquare();
    Button6Click();
}

void TForm1::Drawfrozen1Click()
{
    Button41Click();
}

// The mask as a grey map, 5 x 5 pixels a cell: black for 0 up to almost
// white for the largest value.
void TForm1::Button41Click()
{
    isRedrawNeeded = 1;
    const int32_t m = FrozenMaskMaximum();
    const bool draw = !CheckBox43->isChecked();
    Canvas& c = canvas();
    c.brush.style = BrushStyle::Solid;
    c.brush.color = ColorButtonFace;
    if (draw)
        c.fillRect(0, 0, 670, 670);
    c.pen.color = ColorBlack;
    const int rows = UsedSquareRows();
    const int columns = UsedSquareColumns();
    for (int r = 0; r < rows; ++r)
        for (int col = 0; col < columns; ++col) {
            const int g = FrozenGreyLevel(frozenMask[SquareIndex(r, col)], m);
            c.brush.color = RGBColor(g, g, g);
            if (draw)
                c.fillRect(5 * col, 5 * r, 5 * col + 5, 5 * r + 5);
        }
}

// "X ma": on "2 dim." the mask of the square, on "1 dim." the mask cells of
// the string's cells (bytes 1..length of row 0 of both masks); then the
// statistics reset.
void TForm1::Button39Click()
{
    if (RadioGroup8->itemIndex() != 0) {
        FillUsedSquare(frozenMask, 0);
        isRedrawNeeded = 1;
        Button69Click();
        Button3Click();
        return;
    }
    const int32_t length = UsedStringLength();
    std::fill_n(frozenMask + 1, length, uint8_t{0});
    std::fill_n(improveMaskCopy + 1, length, uint8_t{0});
    isRedrawNeeded = 1;
    Button69Click();
}

void TForm1::Button38Click() {}

void TForm1::N53Click()
{
    std::copy(std::begin(squareCells), std::end(squareCells), squareSpareCopy);
}
