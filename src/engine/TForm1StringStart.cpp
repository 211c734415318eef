// The starting configurations of strings A and B: the random start, the
// restarts from the stored string, the dual start, the fixed presets and the
// marker reset. Each ends by painting the new strings.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/SquareSize.h"
#include "base/StringLength.h"

#include "base/PointLists.h"
#include "base/RunControls.h"
#include "engine/StringPaint.h"
#include "engine/StringStart.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "runs/MarkerGrids.h"
#include "widgets/ControlColor.h"

#include <algorithm>

void TForm1::ResetRunMenuMarks()
{
    Vnacalo1->setChecked(false);
    Estobr1->setChecked(false);
}

void TForm1::SingleSteppingWhenMain0()
{
    if (RadioGroup7->itemIndex() != 0)
        return;
    stepsPerRun = 1;
    isSingleStep = 1;
    Edit2->setText("1");
    UpDown1->setPosition(1);
}

int TForm1::WipeRightEdge() const
{
    return Timer101->isChecked() ? 500 : 704;
}

// "Manage" and the brush always take the button-face colour; the rectangle
// is filled only when fill is set ("Not Draw" skips it for the random starts).
void TForm1::WipeForRun(int left, int right, bool fill)
{
    SetColor(Manage, ColorButtonFace);
    canvas().brush.color = ColorButtonFace;
    canvas().brush.style = BrushStyle::Solid;
    if (fill)
        canvas().fillRect(left, 0, right, 704);
}

void TForm1::Button58Click()
{
    CheckBox42->setChecked(false);
    Button8Click();
    ClearTraces(stringLength, true);
    ResetStringCounters();
    ResetRunState();
    ResetRunMenuMarks();
    SingleSteppingWhenMain0();
    WipeForRun(drawOriginX, WipeRightEdge(), !CheckBox43->isChecked());
    MakeRandomStart();
    Button3Click();
    ShowStepCount();
    Wsq51Click();
    Label57->setText("X");
    Button5Click();
    if (!CheckBox33->isChecked() && RadioGroup12->itemIndex() != 0)
        Button6Click();
}

void TForm1::Edit7Change()
{
    requestedBPointCount = EditNumber(Edit7);
}

// "XXX": random lists as for "Random", but string A gets its 1s in the first
// NB cells (never beyond the string).
void TForm1::XXX1Click()
{
    ResetStringBalances();
    ResetRunState();
    ResetRunMenuMarks();
    SingleSteppingWhenMain0();
    WipeForRun(drawOriginX, 704, !CheckBox43->isChecked());
    const int32_t length = UsedStringLength();
    std::fill(stringA, stringA + length, uint8_t{2});
    DrawRandomPointLists(false);
    const int32_t ones = std::clamp(requestedBPointCount, 0, length);
    std::fill(stringA, stringA + ones, uint8_t{1});
    TakeStartString();
    Button3Click();
    ShowStepCount();
    Wsq51Click();
}

// The first steps of "Button102", "R" and "D": the reset and a string of 2s.
void TForm1::PaintGuidePrefix(bool clearFirst)
{
    ClearTraces(stringLength, false);
    ResetStringCounters();
    ResetRunState();
    ResetRunMenuMarks();
    SingleSteppingWhenMain0();
    WipeForRun(350, WipeRightEdge());
    std::fill(stringA, stringA + UsedStringLength(), uint8_t{2});
    if (clearFirst)
        Button8Click();
}

// String A from the B list, its start copy and B; paint, store, reset markers.
void TForm1::StartFromBPointList()
{
    SetStringAFromCPoints();
    SetStringAFromBPoints();
    TakeStartString();
    Button3Click();
    ShowStepCount();
    Wsq51Click();
    Button5Click();
}

namespace {

// The B list = the cells (below the length) that hold value.
void BPointsWhere(const uint8_t* cells, uint8_t value)
{
    const int32_t length = UsedStringLength();
    bPointCount = 0;
    for (int32_t i = 0; i < length; ++i)
        if (cells[i] == value)
            bPointX[bPointCount++] = static_cast<int16_t>(i);
}

} // namespace

void TForm1::Button102Click()
{
    PaintGuidePrefix(true);
    Button104Click();
    requestedBPointCount = 5;
    bPointCount = 5;
    for (int k = 0; k < 5; ++k)
        bPointX[k] = static_cast<int16_t>(k);
    StartFromBPointList();
}

void TForm1::Button106Click()
{
    RestartFromStoredString();
}

// "R" from "CA/ca2.dat". The file is read before anything changes: when it
// cannot be read (a missing file is the normal first run) the status bar says
// so and nothing is reset, started or run.
bool TForm1::RestartFromStoredString()
{
    StringFileRecord stored;
    if (!ReadStringFileNumber(2, stored))
        return false;
    PaintGuidePrefix(true);
    Button104Click();
    TakeBareLoad(stored);
    BPointsWhere(stringA, 1);
    requestedBPointCount = bPointCount;   // "NB=" of later random starts too
    StartFromBPointList();
    Button6Click();
    return true;
}

void TForm1::Button42Click()
{
    PaintGuidePrefix(false);
    CheckBox42->setChecked(true);
    Button104Click();
    BPointsWhere(stringAStart, 2);
    StartFromBPointList();
    Button6Click();
}

void TForm1::Button5Click()
{
    ResetMarkerGrids(RadioGroup12->itemIndex() == 2);
}

namespace {

void SetStringA(std::initializer_list<uint8_t> cells)
{
    std::fill(stringA, stringA + UsedStringLength(), uint8_t{2});
    int i = 0;
    for (uint8_t v : cells)
        if (i < kStringCells)
            stringA[i++] = v;
}

} // namespace

void TForm1::Button15Click()
{
    SetStringA({1, 1, 1, 1, 1});
    Button3Click();
}

void TForm1::Button21Click()
{
    SetStringA({1, 2, 1});
    Button3Click();
}

// "Make ": over the square's columns, a 1 becomes 2 and any other value 1.
void TForm1::Make1Click()
{
    const int32_t columns = std::clamp(squareColumnCount, 0, kStringCells);
    for (int32_t i = 0; i < columns; ++i)
        stringA[i] = stringA[i] == 1 ? 2 : 1;
    Button3Click();
}

void TForm1::Button26Click()
{
    ResetStringBalances();
    stringLength = 12;
    ResetRunState();
    ResetRunMenuMarks();
    SetStringA({1, 1, 2, 2, 2, 1, 2, 1, 1, 1, 1, 1});
    DeriveStringB();
    Button3Click();
}

void TForm1::Button27Click()
{
    RadioGroup9->setItemIndex(1);
    ResetStringBalances();
    ResetRunState();
    ResetRunMenuMarks();
    DeriveStringB();
    ShowNumber(Edit5, stringLength);
    Button3Click();
}

void TForm1::Button43Click()
{
    ResetStringBalances();
    Button8Click();
    ResetRunState();
    ResetRunMenuMarks();
    squareRowCount = squareColumnCount = 10;
    const uint8_t cells[10] = {2, 2, 2, 1, 1, 2, 2, 2, 2, 1};
    std::copy(cells, cells + 10, stringA);
    DeriveStringB();
    ShowNumber(Edit5, stringLength);
    squareRowCount = squareColumnCount = 15;
    Button3Click();
}

void TForm1::N159101Click()
{
    Button8Click();
    stringLength = 19;
    Edit1->setText("19");
    ResetStringBalances();
    ResetRunState();
    ResetRunMenuMarks();
    std::fill(stringA, stringA + UsedStringLength(), uint8_t{2});
    stringA[3] = stringA[4] = stringA[9] = 1;
    DeriveStringB();
    Button3Click();
}
