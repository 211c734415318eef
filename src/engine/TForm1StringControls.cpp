// Number edits and up-downs around the string engine. Each edit converts its
// whole text by the number-entry rule on every change.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/IndexHelpers.h"
#include "base/RunControls.h"
#include "engine/DrawingRanges.h"
#include "engine/StringPaint.h"
#include "lattice/LatticeSettings.h"

#include <algorithm>

namespace {

constexpr int32_t kMaxStringLength = 27;
constexpr int32_t kMaxSquareSide = 131;

} // namespace

// The length edit sets the strings' length and the square's side together.
// Both stay inside their storage whatever is typed; the edit keeps the text.
void TForm1::Edit1Change()
{
    const int32_t value = EditNumber(Edit1);
    stringLength = std::clamp(value, 0, kMaxStringLength);
    squareRowCount = std::clamp(value, 0, kMaxSquareSide);
    squareColumnCount = squareRowCount;
    UpDown2->setPosition(value);
    canvas().pen.style = PenStyle::Solid;
    canvas().pen.mode = PenMode::Copy;
    canvas().pen.color = ColorBlack;
}

void TForm1::UpDown2Click()
{
    squareRowCount = squareColumnCount = UpDown2->position();
    ShowNumber(Edit1, UpDown2->position());
    Button8Click();
}

// The steps per press stay within 0..kMaxStepsPerRun (RunControls.h).
void TForm1::Edit2Change()
{
    stepsPerRun = ClampStepsPerRun(EditNumber(Edit2));
    UpDown1->setPosition(stepsPerRun);
}

void TForm1::UpDown1Click()
{
    stepsPerRun = ClampStepsPerRun(UpDown1->position());
    ShowNumber(Edit2, stepsPerRun);
}

void TForm1::Edit3Change()
{
    cPointPen = EditNumber(Edit3);
    UpDown3->setPosition(cPointPen);
}

void TForm1::UpDown3Click()
{
    cPointPen = UpDown3->position();
    ShowNumber(Edit3, cPointPen);
}

// The hidden length edit sets the strings' length alone, kept within 0..27.
void TForm1::Edit5Change()
{
    stringLength = std::clamp(EditNumber(Edit5), 0, kMaxStringLength);
}

void TForm1::Edit6Change()
{
    requestedCPointCount = EditNumber(Edit6);
}

void TForm1::Edit8Change()
{
    improveProbabilityPercent = EditNumber(Edit8);
}

// The drawing's origin, shift and cell size stay in the ranges of DrawingRanges.h.
void TForm1::Edit20Change()
{
    drawOriginY = ClampDrawOffset(EditNumber(Edit20));
}

void TForm1::Edit21Change()
{
    drawOriginX = ClampDrawOffset(EditNumber(Edit21));
}

void TForm1::Edit22Change()
{
    cellWidth = cellHeight = ClampCellSize(EditNumber(Edit22));
}

void TForm1::Edit24Change()
{
    paintShiftX = ClampDrawOffset(EditNumber(Edit24));
}

void TForm1::Edit25Change()
{
    cellWidth = cellHeight = ClampCellSize(EditNumber(Edit25));
}

void TForm1::Edit49Change()
{
    cellWidth = ClampCellSize(EditNumber(Edit49));
}

void TForm1::Edit50Change()
{
    cellHeight = ClampCellSize(EditNumber(Edit50));
}
