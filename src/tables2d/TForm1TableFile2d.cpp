// The two-dimensional table file of the current mask: the writer "WR 218",
// the reader "(1 Read67 ANY" with its grid on "CH II", and the grid and
// counters the harvests share.
#include "app/TForm1.h"
#include "app/FormHelpers.h"

#include "base/TableRecords.h"
#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "tables1d/TableFile.h"
#include "tables1d/TableGenerator.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/HarvestListing.h"
#include "tables2d/TableFile2d.h"
#include "tables1d/TForm1TableGrid.h"
#include "widgets/Dialogs.h"

#include <algorithm>

namespace {

// Header row: "N" over the record numbers, the key cell numbers, "d" and "N".
void LabelTableColumns(StringGrid* grid, int pointCount)
{
    grid->setCell(0, 0, "N");
    for (int p = 0; p < pointCount; ++p) grid->setCell(p + 1, 0, QString::number(p));
    grid->setCell(pointCount + 1, 0, "d");
    grid->setCell(pointCount + 2, 0, "N");
}

} // namespace

// "WR 218": five-point tables go to "RR4.dat" in the current directory, six
// to nine points to the table path of the mask.
void TForm1::Button218Click()
{
    const int k = mask2dPointCount;
    if (k < kHarvestMinPoints || k > kHarvestMaxPoints) return;
    const std::string path = k == 5 ? std::string(kFivePointTableFile) : ttFileName2d;
    if (path.empty()) {
        ShowMessage("No two-dimensional mask is chosen: the table has no file to go to.", "Warning");
        return;
    }
    const TableFileStatus status = WriteTable2dFile(path, k);
    if (status != TableFileStatus::Ok) ShowMessage(Text(DescribeTableFileStatus(status, path, k)), "Warning");
}

// "(1 Read67 ANY": the file at the table path, its point count taken from its
// name. A file that cannot be read whole changes nothing.
void TForm1::Button220Click()
{
    const std::string path = ttFileName2d;
    if (path.empty()) {
        ShowMessage("No two-dimensional table is chosen: choose a mask or open a table first.", "Warning");
        return;
    }
    const int k = Table2dPathPointCount(path).value_or(mask2dPointCount);
    TableFileContent content;
    const TableFileStatus status = ReadTableFile(path, k, content);
    if (status != TableFileStatus::Ok) {
        ShowMessage(Text(DescribeTableFileStatus(status, path, k)), "Warning");
        return;
    }
    Label458->setText(Text(path));
    Label12->setText(Text(path));
    mask2dPointCount = k;
    LoadTableContent(content, k);

    const int32_t n = ttRecordCount;
    Label463->setText(QString::number(n));
    Label469->setText(QString::number(k));
    ShowTable2dCounters(n);
    int64_t countSum = 0;
    for (int32_t i = 0; i < n; ++i) countSum += ttHitCount[i];
    RadioGroup22->setItemIndex(-1);
    RadioGroup22->setItemIndex(countSum != 0 ? 2 : 1);
    if (k < kHarvestMinPoints || k > kHarvestMaxPoints) return;
    FillTable2dGrid(k);
}

void TForm1::FillTable2dGrid(int pointCount)
{
    const int k = std::clamp(pointCount, 0, kTableKeyBytes);
    const int32_t n = ListedRecordCount();
    StringGrid* grid = StringGrid12;
    grid->setRowCount(n + 1);
    grid->setColCount(k + 3);
    grid->setColWidth(0, 53);
    for (int p = 1; p <= k; ++p) grid->setColWidth(p, 28);
    grid->setColWidth(k + 1, 33);
    grid->setColWidth(k + 2, 88);   // room for any count a file can hold, whatever the points
    LabelTableColumns(grid, k);
    TableGridColumn sign{TableGridNumber::Sign, std::vector<int32_t>(size_t(n))};
    for (int32_t i = 0; i < n; ++i) sign.numbers[size_t(i)] = ttKeys[i][0];
    ShowTableGridRows(grid, ttKeys, n, k, std::move(sign), {TableGridNumber::Decimal, {ttHitCount, ttHitCount + n}});
}

// "UUU" of the two-dimensional toolbar: N, N / 6 and (N / 6 - 1) / 2.
void TForm1::ShowTable2dCounters(int32_t recordCount)
{
    const int32_t block = recordCount / 6;
    Label379->setText(QString::number(recordCount));
    Label441->setText(QString::number(block));
    Label452->setText(QString::number((block - 1) / 2));
}

bool TForm1::ListHarvestedTable(int pointCount)
{
    const std::optional<int32_t> listed = ListNormalisedKeys(pointCount, kGeneratorMaxKeys);
    if (!listed) {
        if (isTableGenerator2dRunning) Button215Click();
        // The list keeps the last table that fitted; so does the file the harvest
        // writes, which "TT 2d" emptied if no harvest has written it since.
        const std::string file = pointCount == 5 ? std::string(kFivePointTableFile) : ttFileName2d;
        ShowMessage(Text(CapacityStopMessage("harvested", PutBackEmptiedTable(file), file)), "Warning");
        return false;
    }
    const int32_t keys = *listed;
    ShowTable2dCounters(6 * keys);
    return BuildHarvestedList(keys, pointCount);
}

bool TForm1::WriteHarvestedTable(const std::string& path, int pointCount)
{
    const TableFileStatus status = WriteTable2dFile(path, pointCount);
    if (status == TableFileStatus::Ok) return true;
    // The same failure would come back after every run.
    if (isTableGenerator2dRunning) Button215Click();
    ShowMessage(Text(DescribeTableFileStatus(status, path, pointCount)) + " The generator stopped.", "Warning");
    return false;
}

void TForm1::FillHarvestGrid(int pointCount)
{
    const int k = std::clamp(pointCount, 0, kTableKeyBytes);
    const int32_t n = ListedRecordCount();
    StringGrid* grid = StringGrid12;
    grid->setRowCount(n + 1);
    grid->setColCount(k + 3);
    grid->setColWidth(0, 38);
    for (int p = 1; p <= k + 1; ++p) grid->setColWidth(p, 28);
    grid->setColWidth(k + 2, 33);
    LabelTableColumns(grid, k);
    TableGridColumn counts{TableGridNumber::Decimal, std::vector<int32_t>(size_t(n))};
    for (int32_t i = 0; i < n; ++i) counts.numbers[size_t(i)] = ttHitCount[i] / 81;
    ShowTableGridRows(grid, ttKeys, n, k, {TableGridNumber::Decimal, {ttValues, ttValues + n}}, std::move(counts));
}
