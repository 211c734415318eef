// Number edits and switches around the string engine.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "engine/IndexHelpers.h"
#include "engine/RunControls.h"

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

void TForm1::Edit2Change()
{
    stepsPerRun = EditNumber(Edit2);
    UpDown1->setPosition(stepsPerRun);
}

void TForm1::Edit6Change()
{
    requestedCPointCount = EditNumber(Edit6);
}

void TForm1::Edit49Change()
{
    cellWidth = EditNumber(Edit49);
}

void TForm1::Edit50Change()
{
    cellHeight = EditNumber(Edit50);
}
