// The six-point mask "Cross +1": its harvest "II mk AL6 176", which the growth
// run's chain calls after each successful run, and the older closure check
// "(2 Check6P1M1 175" of one six-point table (both in the hidden group "Mask
// cr. +1").
#include "app/TForm1.h"

#include "base/TableRecords.h"
#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "runs/RecordedRun.h"
#include "tables1d/TForm1ClosureStatus.h"
#include "tables1d/TableBlocks.h"
#include "tables1d/TableGenerator.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/GrowthRun.h"
#include "tables2d/HarvestListing.h"
#include "tables2d/NormalisedHarvest.h"
#include "tables2d/OlderSixPointCheck.h"
#include "tables2d/TForm1GrowthRunEnd.h"
#include "tables2d/TableFile2d.h"
#include "widgets/Dialogs.h"

namespace {

// The file the older check writes besides the table path, relative to the
// current directory.
constexpr const char* kOlderCheckFile = "RT/RTTkrP1M1.dat";

// Both handlers write six key cells per record into the table file of the
// current mask: a path of another point count (after an older table set the
// count) would be spoilt.
bool PathHoldsSixPoints() { return Table2dPathPointCount(ttFileName2d) == 6; }

void ShowPathRefusal(const char* what)
{
    ShowMessage(QString("The table path \"%1\" does not name a table of 6 points: %2 writes six key cells per "
                        "record into it. Choose \"Cross +1\" in \"n points\" again.")
                    .arg(QString::fromStdString(ttFileName2d), what),
                "Warning");
}

} // namespace

void TForm1::Button176Click() { RunHarvest(*this, 6); }

bool BeginSixPointHarvest(TForm1& form, HarvestWork& work)
{
    if (!isRunSuccessful) return false;
    if (!PathHoldsSixPoints()) {
        if (isTableGenerator2dRunning) form.Button215Click();   // the same would come after every run
        ShowPathRefusal("the six-point harvest");
        return false;
    }
    // Point table 1 as it was laid last.
    std::copy_n(mask2dPointTables[1], 6, work.points);
    work.maskItem = 1;
    return true;
}

void TForm1::Button175Click()
{
    if (isTableGenerator2dRunning || isGenerating1d) {
        ShowMessage("A table generator is running: press its \"Stop\" before the check.", "Warning");
        return;
    }
    if (!PathHoldsSixPoints()) {
        ShowPathRefusal("the older six-point check");
        return;
    }
    BuildPermutedCopy(6);
    const bool firstBlockOnly = CheckBox68->isChecked();
    const FixedClosureCheck check = OlderSixPointCheck(firstBlockOnly);
    const ClosureOutcome outcome = RunClosureCheckShowingProgress(
        StatusBar1, check.mask, check.scope, [](const ClosureProgress& p) { return QString::number(p.records[0]); });
    StoreOlderCheckCounters(outcome);
    if (outcome.verdict == ClosureVerdict::Unlocked)
        ShowMessage("IS UNLOCKED", "Warning");
    else if (outcome.verdict == ClosureVerdict::PermutedMismatch)
        ShowMessage("IS 000000000", "Warning");

    const auto indices = OlderCheckLoopIndices(outcome, check.scope.startCount);
    QLabel* const blocks[6] = {Label429, Label430, Label431, Label432, Label433, Label434};
    QLabel* const records[6] = {Label435, Label436, Label437, Label438, Label439, Label440};
    for (int level = 0; level < 6; ++level) {
        const int32_t index = indices[size_t(level)];
        blocks[level]->setText(index < 0 ? QString() : QString::number(index / kOlderCheckBlock));
        records[level]->setText(index < 0 ? QString() : QString::number(index));
    }
    WriteTable2dTo(kOlderCheckFile, 6);
    FillTable2dGrid(6);
    WriteTable2dTo(ttFileName2d, 6);
}
