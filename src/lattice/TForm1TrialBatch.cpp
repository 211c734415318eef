// The random run batches: the switches that start them, the Timer10 tick
// that sets up each random run, and the display of the results.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/RunControls.h"
#include "base/StringLength.h"
#include "engine/StringCells.h"
#include "engine/TrialBatch.h"
#include "widgets/Handlers.h"
#include "widgets/StatusBar.h"

#include <algorithm>

// A batch divides by max - min and needs lengths that can hold two B points;
// a range that cannot run is refused before anything changes.
bool TForm1::TrialBatchMayStart()
{
    if (TrialLengthRangeRunnable())
        return true;
    StatusBar1->setSimpleText(QString("Random runs need %1 <= min < max for their lengths (min %2, max %3): "
                                      "nothing started")
                                  .arg(kShortestTrialLength)
                                  .arg(randomLengthMin)
                                  .arg(randomLengthMax));
    return false;
}

void TForm1::Timer101Click()
{
    if (!TrialBatchMayStart())
        return;
    ToggleChecked(Timer101);
    std::fill(std::begin(trialStatistics), std::end(trialStatistics), 0);
    Timer10->setEnabled(true);
}

void TForm1::zaplambdX1Click()
{
    if (!TrialBatchMayStart())
        return;
    trialBatchRunCount = 0;
    ToggleChecked(zaplambdX1);
    Timer10->setEnabled(true);
}

// One run of the batch: a random length (kept within the strings' 27 cells),
// a cell size that keeps the picture about 500 pixels wide, a B count of at
// least 2, the random start and GO.
void TForm1::SetUpTrialRun()
{
    ++trialBatchRunCount;
    const int32_t drawn = DrawTrialLength();
    ShowNumber(Edit1, drawn);
    stringLength = std::clamp(drawn, 0, kStringCells);
    if (stringLength > 0)
        cellWidth = cellHeight = static_cast<int32_t>(500.0 / stringLength);
    requestedBPointCount = DrawTrialBCount(stringLength);
    ShowNumber(Edit7, requestedBPointCount);
    Button58Click();
    Button6Click();
}

// The engine enables Timer10 again when a run of the batch has ended.
void TForm1::Timer10Timer()
{
    SetUpTrialRun();
    Timer10->setEnabled(false);
}

void TForm1::Button89Click()
{
    SetUpTrialRun();
}

void TForm1::Button88Click()
{
    ShowTrialStatistics();
}
