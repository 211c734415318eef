// The timer chain of the growth run and the toolbar's table generator:
// "TT 2d" empties the table file of the mask and starts Timer18; each Timer18
// tick restarts the run, Timer13 steps it to its end and, in the tick that
// ends it (or over the next ticks when that does not fit), derives a
// successful run and hands it to the harvester of the mask's point count
// (TForm1GrowthRunEnd.h); "Stop" ends the chain.
#include "app/TForm1.h"
#include "app/FormHelpers.h"

#include "base/BinaryFile.h"
#include "base/Random.h"
#include "engine/StringState.h"
#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "runs/RecordedRun.h"
#include "tables1d/TableGenerator.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/GrowthRun.h"
#include "tables2d/HarvestListing.h"
#include "tables2d/TForm1GrowthRunEnd.h"
#include "widgets/Dialogs.h"

namespace {

// A run that has not ended after this many steps of a layer is dropped.
constexpr int32_t kGrowthStepLimit = 290;

} // namespace

// "TT 2d". The tables are not cleared: harvesting goes on from earlier runs,
// unless those runs were harvested under another mask. The table the emptied
// file held is kept for a chain that ends before it writes one of its own.
void TForm1::Button214Click()
{
    if (isTableGenerator2dRunning) return;
    if (isGenerating1d) {
        // Both generators fill the same key-indexed tables and the same list.
        ShowMessage("\"TT 1d\" is running: press its \"Stop\" before \"TT 2d\" starts.", "Warning");
        return;
    }
    if (ttFileName2d.empty()) {
        ShowMessage("No two-dimensional mask is chosen: choose one in \"n points\" first.", "Warning");
        return;
    }
    if (!EmptyTableFileKeepingItsTable(ttFileName2d)) {
        ShowMessage(Text("The table file " + ttFileName2d + " could not be created; \"TT 2d\" did not start."),
                    "Warning");
        return;
    }
    if (HarvestMaskDiffers(RadioGroup20->itemIndex())) Button170Click();
    isTableGenerator2dRunning = 1;
    ApplyToolbarMode();
    Timer18->setEnabled(true);
}

// "Stop": a run still stepping is dropped where it stands; one that has ended
// is harvested first, as it would have been within the tick that ended it.
void TForm1::Button215Click()
{
    FinishGrowthRunEnd(*this);
    Timer13->setEnabled(false);
    Timer18->setEnabled(false);
    Timer16->setEnabled(false);
    isTableGenerator2dRunning = 0;
    ApplyToolbarMode();
}

// "ceat217": creates the table file of the mask, or empties it.
void TForm1::Button217Click()
{
    if (ttFileName2d.empty()) {
        ShowMessage("No two-dimensional mask is chosen: choose one in \"n points\" first.", "Warning");
        return;
    }
    if (!CreateEmptyFile(ttFileName2d))
        ShowMessage(Text("The table file " + ttFileName2d + " could not be created."), "Warning");
}

void TForm1::Timer18Timer()
{
    Timer18->setEnabled(false);
    // Part of the random sequence: the next run's seeding draws after it.
    Label579->setText(QString::number(Rand()));
    Button159Click();
}

void TForm1::Timer16Timer()
{
    Button159Click();
}

void TForm1::Timer13Timer()
{
    if (IsGrowthRunEnding()) {
        ContinueGrowthRunEnd(*this);
        return;
    }
    Button158Click();
    const bool layerRuns = stringAStopState == 0 || stringBStopState == 0;
    if (isGrowthEventCountMismatch == 0 && layerRuns && stepCount <= kGrowthStepLimit &&
        secondStepCount <= kGrowthStepLimit)
        return;

    // A run stepped past its histories (only "tim13 182" gets there) cannot be
    // derived whole, however it ended.
    const bool recorded = stepCount <= kGrowthHistoryPlanes && secondStepCount <= kGrowthHistoryPlanes;
    isRunSuccessful = stringAStopState != 0 && stringBStopState != 0 && recorded ? 1 : 0;
    Timer13->setEnabled(false);
    Label381->setText(QString::number(stopTimeA));
    Label382->setText(QString::number(stopTimeB));
    Label383->setText(QString::number((stopTimeA + stopTimeB) / 3));
    Label390->setText(isRunSuccessful ? "1" : "0");
    if (isRunSuccessful) {
        // The derivation and the harvest, in this tick as far as what is left
        // of its budget goes, then on the next ticks; they arm the next run
        // when they are through.
        BeginGrowthRunEnd(growthSetup.side);
        ContinueGrowthRunEnd(*this,
                             kGrowthRunEndBudget - GrowthRunStopCost(growthSetup.side, !CheckBox67->isChecked()));
        return;
    }
    if (isTableGenerator2dRunning) Timer18->setEnabled(true);
}

// The harvester of the mask's point count, at once.
void TForm1::HarvestGrowthRun()
{
    RunHarvest(*this, mask2dPointCount);
}
