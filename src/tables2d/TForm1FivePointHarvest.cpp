// The five-point harvest ("TT 2d" of "Mask crest"): the windows of the cross
// in the last growth run enter the five-cell tables, and the table gathered
// since their last clear is listed, multiplied by the group, written to
// "RR4.dat" and shown on "CH II".
#include "app/TForm1.h"

#include "mask2d/Mask2dTables.h"
#include "runs/RecordedRun.h"
#include "tables1d/TableGenerator.h"
#include "tables2d/FivePointHarvest.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/GrowthRun.h"
#include "tables2d/HarvestListing.h"
#include "tables2d/TForm1GrowthRunEnd.h"
#include "tables2d/TableFile2d.h"
#include "widgets/Dialogs.h"

#include <algorithm>

void TForm1::Button162Click() { RunHarvest(*this, 5); }

bool BeginFivePointHarvest(TForm1& form, HarvestWork& work)
{
    if (!isRunSuccessful) return false;
    // Point table 0 as it was laid last, whatever mask is chosen.
    std::copy_n(mask2dPointTables[0], 5, work.points);
    work.maskItem = form.RadioGroup20->itemIndex();
    return true;
}

bool ListFivePointHarvest(TForm1& form, const HarvestWork& work)
{
    NoteHarvestMask(work.maskItem);
    const FivePointWalk& walk = work.five;
    if (walk.conflict) {
        form.StatusBar1->setSimpleText(QString("Event %1, cell (%2, %3): a key followed by 0 has another value.")
                                           .arg(walk.event)
                                           .arg(walk.i)
                                           .arg(walk.j));
        ShowMessage("TTT ", "Warning");
        return false;
    }
    if (!form.ListHarvestedTable(5)) return false;
    form.WriteHarvestedTable(kFivePointTableFile, 5);
    return true;
}
