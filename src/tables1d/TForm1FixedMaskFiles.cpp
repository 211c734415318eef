// The fixed-name table files of the older masks: the writer of "RT/RT11.dat",
// the openers of "RT/R2_0101.dat", "RT/R3_0301.dat", "RT/R4_0503.dat" and
// "RT/R5_0703.dat", and the grid that shows a table of three or four cells
// with its values.
#include "app/TForm1.h"

#include "base/TableRecords.h"
#include "engine/Mask1d.h"
#include "tables1d/FixedTableFiles.h"
#include "tables1d/TForm1TableGrid.h"
#include "widgets/Dialogs.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// Says in a "Warning" box why the file was refused; nothing for Ok. The files
// that only the openers read are made outside the workbench, so the message
// for a missing one says how.
void ReportFixedFile(TableFileStatus status, const FixedTableFile& file)
{
    if (status == TableFileStatus::Ok) return;
    QString text = QString::fromStdString(DescribeTableFileStatus(status, file.path, file.keyBytes));
    if (status == TableFileStatus::Missing && std::strcmp(file.path, kTableFileR2_0101.path) == 0)
        text += QString(" The workbench writes the mask (1,1) table to %1; a copy of it named %2 opens here.")
                    .arg(kTableFileRT11.path, file.path);
    if (status == TableFileStatus::Missing && std::strcmp(file.path, kTableFileR3_0301.path) == 0)
        text += QString(" The workbench writes the mask (3,1) table to %1; a copy of it named %2 opens here.")
                    .arg(kTableFileRT31.path, file.path);
    ShowMessage(text, "Warning");
}

// Reads the file and, only when it was read whole, makes it the list and sets
// the point count; otherwise says why and changes nothing.
bool LoadFixedFile(const FixedTableFile& file, int pointCount)
{
    TableFileContent content;
    const TableFileStatus status = ReadFixedTableFile(file, content);
    if (status != TableFileStatus::Ok) {
        ReportFixedFile(status, file);
        return false;
    }
    mask1dPointCount = pointCount;
    LoadFixedTableContent(file, content);
    return true;
}

// Rows 1..count of a grid of keyCells key cells: the index, the key cells
// (a cell outside 0..5 keeps the text it had), the value and the last column.
void FillKeyValueRows(StringGrid* grid, int keyCells, int32_t count, const uint8_t (*keys)[kTableKeyBytes],
                      const int32_t* lastColumn)
{
    ShowTableGridRows(grid, keys, count, keyCells, {TableGridNumber::Value, {ttValues, ttValues + count}},
                      {TableGridNumber::Decimal, {lastColumn, lastColumn + count}});
}

} // namespace

void TForm1::FillFixedMaskGrid(int keyCells, bool permutedView)
{
    const bool four = keyCells == 4;
    const int cells = four ? 4 : 3;
    const int32_t count = ListedRecordCount();
    StringGrid* grid = StringGrid11;
    grid->setRowCount(count + 1);
    grid->setColCount(cells + 3);
    if (four) {
        grid->setColWidth(0, 36);
        for (int c = 1; c <= 5; ++c) grid->setColWidth(c, 28);
    } else {
        for (int c = 0; c <= 4; ++c) grid->setColWidth(c, 28);
    }
    const QStringList headers = four ? QStringList{"N", "-2", "-1", "0", "+1", "d", "N"}
                                     : QStringList{"N", "-1", "0", "+1", "d", "N"};
    for (int c = 0; c < headers.size(); ++c) grid->setCell(c, 0, headers[c]);
    FillKeyValueRows(grid, cells, count, permutedView ? ttKeysPermuted : ttKeys, ttHitCount);
}

void TForm1::FillMirrorClassGrid()
{
    const int32_t count = std::clamp(ttRecordCount, 0, int32_t(std::size(symmetryClassSize)));
    StringGrid* grid = StringGrid11;
    grid->setRowCount(count + 1);
    grid->setColCount(6);
    for (int c = 0; c < 6; ++c) grid->setColWidth(c, 28);
    const char* const headers[6] = {"N", "-1", "0", "+1", "d", "S"};
    for (int c = 0; c < 6; ++c) grid->setCell(c, 0, headers[c]);
    FillKeyValueRows(grid, 3, count, ttKeys, symmetryClassSize);
}

// "w": the list, three key cells and the value per record, to "RT/RT11.dat".
void TForm1::Button165Click()
{
    ReportFixedFile(WriteFixedTableFile(kTableFileRT11, ttKeys, ttRecordCount), kTableFileRT11);
}

bool TForm1::OpenMask11Table()
{
    if (!LoadFixedFile(kTableFileR2_0101, 3)) return false;
    ShowTableCounters(ttRecordCount);
    Button155Click();
    Button188Click();
    FillFixedMaskGrid(3, CheckBox62->isChecked());
    return true;
}

bool TForm1::OpenMask31Table()
{
    if (!LoadFixedFile(kTableFileR3_0301, 4)) return false;
    Label302->setText(QString::number(ttRecordCount));
    ShowTableCounters(ttRecordCount);
    Button188Click();
    FillFixedMaskGrid(4, CheckBox62->isChecked());
    return true;
}

// "Open" of "mask(1,1) 35"
void TForm1::Button154Click() { OpenMask11Table(); }

// "Open" of "mask(3,1)"
void TForm1::Button174Click() { OpenMask31Table(); }

// "Open" of "mask (5,3)": the five-point table, shown; nothing is written.
// A running chain would replace it (and write "RT/RT53.dat"): it stops first.
void TForm1::Button191Click()
{
    StopTableGeneratorsBeforeLoading();
    if (!LoadFixedFile(kTableFileR4_0503, 5)) return;
    FillTable1dGrid(5);
}

// "(1 Read73": the six-point table, shown and written to the current table
// file; a running chain, which would replace it, stops first.
void TForm1::Button194Click()
{
    StopTableGeneratorsBeforeLoading();
    if (!LoadFixedFile(kTableFileR5_0703, 6)) return;
    FillTable1dGrid(6);
    Button231Click();
}
