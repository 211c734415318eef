// The harvests of seven to nine points ("II mk AL7 219", "II mk AL8 223",
// "II mk AL9 224"): the windows of the last growth run, each divided by the
// element that follows it, enter the key-indexed table of the mask's point
// count; the table gathered since its last clear is listed, multiplied by the
// group, written to the table file of the mask and shown on "CH II".
#include "app/TForm1.h"

#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "runs/RecordedRun.h"
#include "tables1d/TableGenerator.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/GrowthRun.h"
#include "tables2d/HarvestListing.h"
#include "tables2d/NormalisedHarvest.h"
#include "tables2d/TForm1GrowthRunEnd.h"
#include "tables2d/TableFile2d.h"
#include "widgets/Dialogs.h"

void TForm1::Button219Click() { HarvestNormalisedTable(7); }
void TForm1::Button223Click() { HarvestNormalisedTable(8); }
void TForm1::Button224Click() { HarvestNormalisedTable(9); }

void TForm1::HarvestNormalisedTable(int pointCount) { RunHarvest(*this, pointCount); }

bool BeginNormalisedHarvest(TForm1& form, HarvestWork& work)
{
    const int pointCount = work.pointCount;
    if (!isRunSuccessful) return false;
    if (pointCount < kNormalisedHarvestMinPoints || pointCount > kHarvestMaxPoints) return false;
    // The file receives pointCount key bytes per record: a path of another
    // point count (after an older table set the count) would be spoilt.
    if (Table2dPathPointCount(ttFileName2d) != pointCount) {
        if (isTableGenerator2dRunning) form.Button215Click();
        ShowMessage(QString("The table path \"%1\" does not name a table of %2 points: nothing was harvested. "
                            "Choose the mask of %2 points in \"n points\" again.")
                        .arg(QString::fromStdString(ttFileName2d))
                        .arg(pointCount),
                    "Warning");
        return false;
    }
    const int item = pointCount - 5;
    std::copy_n(mask2dPointTables[item], pointCount, work.points);
    work.maskItem = item;
    return true;
}

bool ListNormalisedHarvest(TForm1& form, const HarvestWork& work)
{
    const int pointCount = work.pointCount;
    NoteHarvestMask(work.maskItem);
    if (!form.ListHarvestedTable(pointCount)) return false;
    form.WriteHarvestedTable(ttFileName2d, pointCount);
    return true;
}
