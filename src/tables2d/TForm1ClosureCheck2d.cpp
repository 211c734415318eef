// "Check TT 2 dim" with its range "FROM" .. "TO" and the counts reset
// "Npr=0" of "Extension"; the write and the text export of a
// two-dimensional table that they and "1/6 => All" share.
#include "app/TForm1.h"
#include "app/FormHelpers.h"

#include "base/NumberEntry.h"
#include "base/TableRecords.h"
#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "tables1d/TForm1ClosureStatus.h"
#include "tables1d/TableBlocks.h"
#include "tables1d/TableFile.h"
#include "tables1d/TableGenerator.h"
#include "tables1d/TableTextExport.h"
#include "tables2d/ClosureCheck2d.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/TableFile2d.h"
#include "widgets/Dialogs.h"

#include <algorithm>

namespace {

bool IsCheckedPointCount(int k) { return k >= 5 && k <= 9; }

} // namespace

// "Check TT 2 dim". The search stops at its first failure; the counts it
// reached, also then, go to the grid, the table file and the export, and
// "MESSAGE 2 dim" tells whether the list now has counts.
void TForm1::Button221Click()
{
    // A harvest at the next tick would replace the list and its file.
    if (isTableGenerator2dRunning || isGenerating1d) {
        ShowMessage("A table generator is running: press its \"Stop\" before the check.", "Warning");
        return;
    }
    const int k = mask2dPointCount;
    const bool checkable = IsCheckedPointCount(k);
    const int32_t n = ListedRecordCount();
    if (checkable) {
        const std::string why = WhyClosureCheck2dCannotRun(n);
        if (!why.empty()) {
            ShowMessage(Text(why), "Warning");
            return;
        }
    }
    Label455->setText(QString::number(k));
    lblTraceRecordCount->setText(QString::number(n));   // the hidden trace panel the checks share
    // The copy takes the check's own key length, whatever the toolbar's mode.
    BuildPermutedCopy(k);

    if (checkable) {
        const ClosureCheck2d check =
            PrepareClosureCheck2d({n, CheckBox68->isChecked(), CheckBox58->isChecked()});
        const int32_t limit = check.startLimit;
        // An empty list has no blocks: nothing is placed and no count changes.
        const auto text = [k, limit](const ClosureProgress& p) { return Text(ClosureProgressText2d(k, limit, p)); };
        const ClosureOutcome outcome =
            n == 0 ? ClosureOutcome{} : RunClosureCheckShowingProgress(StatusBar1, check.mask, check.scope, text);
        ShowClosureVerdict(outcome.verdict);
        ShowCheckTrace(outcome, k);   // the hidden trace panel the checks share
        FillTable2dGrid(k);
        WriteTable2dTo(ttFileName2d, k);
    }
    Button218Click();
    ExportTable2d(k);

    int64_t countSum = 0;
    for (int32_t i = 0; i < n; ++i) countSum += ttHitCount[i];
    RadioGroup22->setItemIndex(-1);
    RadioGroup22->setItemIndex(countSum != 0 ? 2 : 1);
}

void TForm1::Edit68Change()
{
    checkFromRecord = NumberFromText(Edit68->text().toStdString());
}

void TForm1::Edit69Change()
{
    checkToRecord = NumberFromText(Edit69->text().toStdString());
}

// "Npr=0" of "Extension": before a new series of checks by range. The counts
// of six times N records are cleared (the rows past the list included, never
// past its capacity); the range stays as it is.
void TForm1::Button235Click()
{
    const int32_t n = ListedRecordCount();
    const int32_t cleared = int32_t(std::min<int64_t>(int64_t(n) * 6, kTableCapacity));
    std::fill(ttHitCount, ttHitCount + cleared, 0);
    const int k = mask2dPointCount;
    if (IsCheckedPointCount(k)) {
        FillTable2dGrid(k);
        WriteTable2dTo(ttFileName2d, k);
    }
    RadioGroup22->setItemIndex(1);
}

bool TForm1::WriteTable2dTo(const std::string& path, int k)
{
    if (path.empty()) {
        ShowMessage("No two-dimensional mask is chosen: the table has no file to go to.", "Warning");
        return false;
    }
    const TableFileStatus status = WriteTable2dFile(path, k);
    if (status != TableFileStatus::Ok) ShowMessage(Text(DescribeTableFileStatus(status, path, k)), "Warning");
    return status == TableFileStatus::Ok;
}

void TForm1::ExportTable2d(int k)
{
    if (ttFileName2d.empty()) {
        StatusBar1->setSimpleText("Text export skipped: no two-dimensional table file is chosen.");
        return;
    }
    const std::string path = TextExportPath(ttFileName2d);
    // The sign column follows key cell 0, the centre of a two-dimensional mask.
    if (!WriteTableExport(path, std::clamp(k, 0, kTableKeyBytes), 0))
        ShowMessage(Text("The text export " + path + " could not be written (is the disk full?); it keeps its "
                                                      "previous content."),
                    "Warning");
}
