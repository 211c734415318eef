// Start patterns of the square and the backwards steps: a backwards step
// exchanges 0 and 1, takes one ordinary step and exchanges them back.
#include "app/TForm1.h"

#include "base/PointLists.h"
#include "base/RunControls.h"
#include "base/Square.h"
#include "engine/SquarePatterns.h"
#include "engine/StringState.h"

namespace {

void ResetCounters()
{
    cycleCount = stepCount = activitySamplePaintCount = 0;
}

} // namespace

void TForm1::ReverseStep(bool forceSingleStep)
{
    const bool onSquare = RadioGroup8->itemIndex() != 0;
    if (forceSingleStep)
        isSingleStep = 1;
    isTimeReversed = isTimeReversed ? 0 : 1;
    onSquare ? ExchangeZeroOneInSquare() : ExchangeZeroOneInStringA();
    Button2Click();
    onSquare ? ExchangeZeroOneInSquare() : ExchangeZeroOneInStringA();
    isRedrawNeeded = 1;
    Button3Click();
    isTimeReversed = isTimeReversed ? 0 : 1;
    isSingleStep = 0;
}

void TForm1::Button50Click()
{
    ReverseStep(true);
}

// The square's backwards step without single stepping: stepsPerRun steps.
void TForm1::Button57Click()
{
    isTimeReversed = isTimeReversed ? 0 : 1;
    ExchangeZeroOneInSquare();
    Button2Click();
    ExchangeZeroOneInSquare();
    isRedrawNeeded = 1;
    Button3Click();
    isTimeReversed = isTimeReversed ? 0 : 1;
    isSingleStep = 0;
}

void TForm1::Button72Click()
{
    for (int i = 0; i < 8; ++i)
        Button50Click();
    for (int i = 0; i < 7; ++i)
        Button1Click();
}

void TForm1::Center1Click()
{
    Button8Click();
    FillSquare(2);
    bPointCount = 1;
    bPointY[0] = static_cast<int16_t>(squareRowCount / 2);
    bPointX[0] = static_cast<int16_t>(squareColumnCount / 2);
    PlaceBPointsInSquare();
    isRedrawNeeded = 1;
    for (int i = 0; i < 7; ++i)
        Button50Click();
    for (int i = 0; i < 10; ++i)
        Button1Click();
    ResetCounters();
}

void TForm1::ToBegin1Click()
{
    if (RadioGroup7->itemIndex() != 0)
        squareRowCount = squareColumnCount = 70;
    for (int i = 0; i < 6; ++i)
        Button50Click();
    for (int i = 0; i < 9; ++i)
        Button1Click();
}

void TForm1::Line1Click()
{
    LayLine();
    Button3Click();
    Button33Click();
    ResetCounters();
}

void TForm1::LineCenter1Click()
{
    LayLineCenter();
    Button3Click();
    Button33Click();
    ResetCounters();
}

// "on the square": random cells, no fill first.
void TForm1::Button4Click()
{
    RandomizeSquare();
    Button3Click();
}

void TForm1::Button29Click()
{
    FillSquare(2);
    Button8Click();
    squareCells[SquareIndex(UsedSquareRows() / 2, UsedSquareColumns() / 2)] = 0;
    Button3Click();
    Button6Click();
    ResetCounters();
}

// One C cell in the middle of a 121-cell square: row 60, column 60.
void TForm1::Button30Click()
{
    stepsPerRun = 1;
    RadioGroup1->setItemIndex(0);
    RadioGroup2->setItemIndex(0);
    FillSquare(2);
    squareCells[SquareIndex(60, 60)] = 0;
    isRedrawNeeded = 1;
    Button3Click();
}
