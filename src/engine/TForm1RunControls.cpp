// GO, Stop, Clear, Reverse, the run restarts of the hidden panel and the mouse
// on the main window's client.
#include "app/TForm1.h"

#include "base/Random.h"
#include "base/RunControls.h"
#include "engine/SquarePatterns.h"
#include "engine/StringPaint.h"
#include "engine/StringState.h"
#include "lattice/QhistBatch.h"
#include "widgets/ControlColor.h"

#include <climits>

void TForm1::Button6Click()
{
    Timer1->setEnabled(true);
}

void TForm1::Button7Click()
{
    zaplambdX1->setChecked(false);
    Timer10->setEnabled(false);
    Timer101->setChecked(false);
    SetColor(Manage, ColorButtonFace);
    Dontshow1->setChecked(false);
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    Button6->setEnabled(true);
    Timer3->setEnabled(false);
    if (WriteLOGfile1->isChecked())
        CloseQhistFile();
}

void TForm1::Button140Click()
{
    Timer1->setEnabled(false);
}

void TForm1::Button34Click()
{
    cycleCount = 0;
    stepCount = 0;
    Timer1->setEnabled(true);
}

void TForm1::Button49Click()
{
    Button8Click();
    Button58Click();
    Button6Click();
}

// "Time *2": the run timer's interval doubles, up to about twelve days
// (2^30 ms), so it never overflows.
void TForm1::Time21Click()
{
    constexpr int kLongestInterval = 1 << 30;
    const int interval = Timer1->interval();
    Timer1->setInterval(interval >= kLongestInterval / 2 ? kLongestInterval : interval * 2);
}

// Clear wipes the drawing area and stops the run timer; no string, counter or
// table changes.
void TForm1::Button8Click()
{
    canvas().brush.color = ColorButtonFace;
    canvas().brush.style = BrushStyle::Solid;
    canvas().fillRect(0, 0, 1000, 800);
    Dontshow1->setChecked(false);
    Timer1->setEnabled(false);
    SetColor(Manage, ColorButtonFace);
}

void TForm1::Clear1Click()
{
    Button8Click();
    Button33Click();
}

void TForm1::Button10Click()
{
    if (RadioGroup8->itemIndex() != 0)
        ExchangeZeroOneInSquare();
    else
        ExchangeZeroOneInStringA();
    isTimeReversed = isTimeReversed ? 0 : 1;
    isRedrawNeeded = 1;
    Label21->setText(isTimeReversed ? "-" : "+");
    SetColor(Manage, isTimeReversed ? ColorHighlight : ColorYellow);
    Button3Click();
}

void TForm1::Button9Click()
{
    RadioGroup10->setItemIndex(1);
    stepCount = 0;
    StatusBar1->setSimpleText("0");
    cycleCount = 0;
    activitySamplePaintCount = 0;
    Make1Click();
    Button3Click();
}

void TForm1::Button22Click()
{
    paintShiftRows = 12;
    RadioGroup10->setItemIndex(0);
    RadioGroup11->setItemIndex(1);
    // "Read square"; a string that could not be read is not run.
    if (!FullStringLoad(1, false))
        return;
    stepCount = 0;
    Button6Click();
}

void TForm1::Button23Click()
{
    RadioGroup11->setItemIndex(0);
    RadioGroup10->setItemIndex(1);
    stepCount = 0;
    Make1Click();
    Button6Click();
}

void TForm1::Button24Click()
{
    RadioGroup10->setItemIndex(0);
    Button58Click();
    Button6Click();
    paintShiftRows = stepCount;
    stepCount = 0;
}

void TForm1::Button25Click()
{
    RadioGroup11->setItemIndex(1);
    if (!BareStringLoad())
        return;
    stepCount = 0;
}

// A press in the top two cell rows toggles the cell under it in both strings
// (2 becomes 1, anything else 2). A press right of the string, or with no cell
// width to divide by, changes nothing.
void TForm1::FormMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    if (y >= 2 * cellHeight || cellWidth <= 0 || x < 0)
        return;
    const int column = x / cellWidth;
    if (column >= UsedStringLength())
        return;
    stringA[column] = stringA[column] == 2 ? 1 : 2;
    stringB[column] = stringB[column] == 2 ? 1 : 2;
    Button3Click();
}

void TForm1::FormMouseMove(Qt::KeyboardModifiers, int x, int y)
{
    if (randomize2->isChecked()) {
        Rand();
        Randomize();
    }
    Label13->setText(QString::number(static_cast<int>((x + 2.5) * 0.2)));
    Label14->setText(QString::number(static_cast<int>((y + 2.5) * 0.2)));
}

void TForm1::FormActivate() {}
void TForm1::F11Click() {}
