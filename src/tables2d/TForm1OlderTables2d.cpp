// The older table tools of "Mask crest" and "Mask cr. +1": the conversion of
// the older six-point table into the table file of the current six-point mask,
// "Open" of the older five-point table, the count of its symmetry classes and
// the dormant timer chain around the conversion. No control in view reaches
// them; they stay callable.
#include "app/TForm1.h"
#include "app/FormHelpers.h"

#include "base/TableRecords.h"
#include "engine/StringState.h"
#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "runs/RecordedRun.h"
#include "tables1d/TableFile.h"
#include "tables2d/CrossSymmetryClasses.h"
#include "tables2d/GrowthRun.h"
#include "tables2d/TableFile2d.h"
#include "widgets/Dialogs.h"

#include <algorithm>

namespace {

// Both relative to the current directory.
constexpr const char* kOlderSixPointTable = "RT2old/RTTkrP1M1.dat";
constexpr const char* kOlderFivePointTable = "RT2/T4.dat";

// The symmetry count looks at the first block, at most this many records.
constexpr int32_t kSymmetryRecords = 81;
// A count the symmetry count shows is a whole multiple of this.
constexpr int32_t kCountUnit = 81;

// A run whose layer has not stopped after this many steps is dropped.
constexpr int32_t kGrowthStepLimit = 290;

const char* const kCellWords[6] = {"-x", "-y", "-z", "+x", "+y", "+z"};

// The file of keyLength key cells into the list and keyLength into
// mask2dPointCount; a file that cannot be read whole is reported and changes
// nothing.
bool ReadOlderTable(const char* path, int keyLength)
{
    TableFileContent content;
    const TableFileStatus status = ReadTableFile(path, keyLength, content);
    if (status != TableFileStatus::Ok) {
        ShowMessage(Text(DescribeTableFileStatus(status, path, keyLength)), "Warning");
        return false;
    }
    LoadTableContent(content, keyLength);
    mask2dPointCount = keyLength;
    return true;
}

} // namespace

bool TForm1::ConvertOlderSixPointTable()
{
    if (Mask2dChangeRefused()) return false;
    // Six key bytes per record go into the file the path names.
    if (Table2dPathPointCount(ttFileName2d) != 6) {
        ShowMessage(Text("The older six-point table goes into the table file of a six-point mask, but the table "
                         "path \"" + ttFileName2d + "\" names none. Choose \"Cross +1\" in \"n points\" first."),
                    "Warning");
        return false;
    }
    if (!ReadOlderTable(kOlderSixPointTable, 6)) return false;
    const int32_t n = ttRecordCount;
    ShowTable2dCounters(n);
    ShowTableCounters(n);
    FillTable2dGrid(6);
    const TableFileStatus status = WriteTable2dFile(ttFileName2d, 6);
    if (status != TableFileStatus::Ok) ShowMessage(Text(DescribeTableFileStatus(status, ttFileName2d, 6)), "Warning");
    return true;
}

void TForm1::Button172Click()
{
    ConvertOlderSixPointTable();
}

bool TForm1::OpenOlderFivePointTable()
{
    if (Mask2dChangeRefused()) return false;
    if (!ReadOlderTable(kOlderFivePointTable, 5)) return false;
    ShowTableCounters(ttRecordCount);
    FillHarvestGrid(5);
    return true;
}

void TForm1::Button184Click()
{
    OpenOlderFivePointTable();
}

// The classes of the first block's records (at most 81) in StringGrid12: the
// key of the record that opened the class, the sign of its value, its count
// in units of 81 and the class size. The list keeps its records and counts.
void TForm1::Button185Click()
{
    if (!OpenOlderFivePointTable()) return;
    const int32_t records = std::min(kSymmetryRecords, BlockSize(ttRecordCount));
    const CrossSymmetryCount count = CountCrossSymmetryClasses(records);
    for (size_t r = 0; r < count.repeatedArms.size(); ++r) ShowMessage("IS UNLOCKED", "Warning");

    const int32_t classes = int32_t(count.classes.size());
    StringGrid* grid = StringGrid12;
    grid->setRowCount(classes + 1);
    grid->setColCount(9);
    for (int c = 1; c <= 8; ++c) grid->setColWidth(c, 28);
    for (const int c : {0, 6, 7}) grid->setColWidth(c, 35);
    const char* const headers[9] = {"N", "0", "1", "2", "3", "4", "d", "N", "S"};
    for (int c = 0; c < 9; ++c) grid->setCell(c, 0, headers[c]);
    int32_t unevenCounts = 0;
    for (int32_t c = 0; c < classes; ++c) {
        const int32_t first = count.classes[size_t(c)].firstRecord;
        const int32_t size = count.classes[size_t(c)].size;
        symmetryClassSize[c] = size;
        grid->setCell(0, c + 1, QString::number(c));
        for (int p = 0; p < 5; ++p)
            if (ttKeys[first][p] <= 5) grid->setCell(p + 1, c + 1, kCellWords[ttKeys[first][p]]);
        grid->setCell(6, c + 1, ttValues[first] > 0 ? "+1" : "-1");
        grid->setCell(7, c + 1, QString::number(ttHitCount[first] / kCountUnit));
        grid->setCell(8, c + 1, QString::number(size));
        if (ttHitCount[first] % kCountUnit != 0) {
            ++unevenCounts;
            ShowMessage("IS UNLOCKED", "Warning");
        }
    }
    StatusBar1->setSimpleText(QString("%1 records, %2 symmetry classes; %3 repeated arm patterns, %4 counts not a "
                                      "multiple of %5.")
                                  .arg(records)
                                  .arg(classes)
                                  .arg(count.repeatedArms.size())
                                  .arg(unevenCounts)
                                  .arg(kCountUnit));
}

// "Check TT 2dim" was left without a command.
void TForm1::Button186Click() {}

// Nothing enables Timer15; its tick converts the older table and hands a
// successful run to the six-point harvest and Timer14.
void TForm1::Timer15Timer()
{
    if (Timer14->enabled()) return;
    // A refused conversion would come back with its box every 100 ms.
    if (!ConvertOlderSixPointTable()) {
        Timer15->setEnabled(false);
        return;
    }
    // A run whose layers ended with different event counts pairs the elements
    // of an earlier derivation with its fronts: not harvested.
    if (isRunSuccessful == 1 && isGrowthEventCountMismatch == 0) Button176Click();
    Timer14->setEnabled(true);
}

// Reached only through Timer15: the older six-point check, then the end of
// the growth run in progress is awaited.
void TForm1::Timer14Timer()
{
    Button175Click();
    if (stepCount > kGrowthStepLimit || secondStepCount > kGrowthStepLimit) {
        isRunSuccessful = 0;
        Label390->setText("0");
        Timer14->setEnabled(false);
    } else if (stringAStopState != 0 && stringBStopState != 0) {
        Timer14->setEnabled(false);
        Label381->setText(QString::number(stopTimeA));
        Label382->setText(QString::number(stopTimeB));
        Label383->setText(QString::number((stopTimeA + stopTimeB) / 3));
        Button161Click();
        isRunSuccessful = 1;
        Label390->setText("1");
    }
}
