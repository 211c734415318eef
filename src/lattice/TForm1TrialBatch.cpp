// The trial experiment's start switch and the tick that sets up each random
// run of it.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "engine/RunControls.h"
#include "engine/StringLength.h"
#include "lattice/TrialBatch.h"

#include <algorithm>

void TForm1::Timer101Click()
{
    Timer101->setChecked(!Timer101->isChecked());
    std::fill(std::begin(trialStatistics), std::end(trialStatistics), 0);
    Timer10->setEnabled(true);
}

// One run of the batch: a random length (kept within the strings' 27 cells),
// a cell size that keeps the picture about 500 pixels wide, a B count of at
// least 2, the random start and GO.
void TForm1::Timer10Timer()
{
    ++trialBatchRunCount;
    const int32_t drawn = DrawTrialLength();
    ShowNumber(Edit1, drawn);
    stringLength = std::clamp(drawn, 0, 27);
    if (stringLength > 0)
        cellWidth = cellHeight = static_cast<int32_t>(500.0 / stringLength);
    requestedBPointCount = DrawTrialBCount(stringLength);
    ShowNumber(Edit7, requestedBPointCount);
    Button58Click();
    Button6Click();
    Timer10->setEnabled(false);
}
