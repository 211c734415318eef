// The table list in the grid of tab "CH I" and the toolbar counters.
#include "tables1d/TForm1TableGrid.h"

#include "app/TForm1.h"

#include "base/TableRecords.h"
#include "engine/Mask1d.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace {

const char* const kCellWords[6] = {"-x", "-y", "-z", "+x", "+y", "+z"};

// What a block of table rows shows, copied when the grid is filled.
struct TableRows {
    int keyCells = 0;
    std::vector<uint8_t> keys;   // kTableKeyBytes per record, the first keyCells shown
    TableGridColumn first, second;
};

QString NumberText(TableGridNumber form, int32_t v)
{
    switch (form) {
    case TableGridNumber::Sign: return v < 3 ? QString("-1") : QString("+1");
    case TableGridNumber::Value: return v == 1 ? QString("+1") : QString::number(v);
    case TableGridNumber::Decimal: break;
    }
    return QString::number(v);
}

// The text of column col of record i; nothing for a key cell outside 0..5.
std::optional<QString> RowText(const TableRows& rows, int col, int32_t i)
{
    if (col == 0) return QString::number(i);
    if (col <= rows.keyCells) {
        const uint8_t cell = rows.keys[size_t(i) * kTableKeyBytes + size_t(col - 1)];
        if (cell > 5) return std::nullopt;
        return QString(kCellWords[cell]);
    }
    const TableGridColumn& column = col == rows.keyCells + 1 ? rows.first : rows.second;
    return NumberText(column.form, column.numbers[size_t(i)]);
}

int IndexColumnWidth(int pointCount)
{
    if (pointCount <= 6) return 38;
    return pointCount == 7 ? 45 : 53;
}

} // namespace

void ShowTableGridRows(StringGrid* grid, const uint8_t (*keys)[kTableKeyBytes], int32_t count, int keyCells,
                       TableGridColumn first, TableGridColumn second)
{
    count = std::max(count, 0);
    keyCells = std::clamp(keyCells, 0, kTableKeyBytes);
    auto rows = std::make_shared<TableRows>();
    rows->keyCells = keyCells;
    rows->keys.assign(&keys[0][0], &keys[0][0] + size_t(count) * kTableKeyBytes);
    bool outside = false;   // some key cell lies outside 0..5
    for (int32_t i = 0; i < count; ++i)
        for (int j = 0; j < keyCells; ++j) outside |= keys[i][j] > 5;
    first.numbers.resize(size_t(count));
    second.numbers.resize(size_t(count));
    rows->first = std::move(first);
    rows->second = std::move(second);
    const int cols = keyCells + 3;
    // A key cell outside 0..5 keeps its old text, which only cell-by-cell writes keep.
    if (outside) {
        for (int32_t i = 0; i < count; ++i)
            for (int col = 0; col < cols; ++col)
                if (const std::optional<QString> text = RowText(*rows, col, i)) grid->setCell(col, i + 1, *text);
        return;
    }
    grid->setCellTexts(0, 1, cols, count, [rows](int col, int row) { return *RowText(*rows, col, row - 1); });
}

void TForm1::FillTable1dGrid(int pointCount) { FillTable1dGridCentred(pointCount, mask1dCentreIndex); }

void TForm1::FillTable1dGridCentred(int pointCount, int centre)
{
    const int n = std::clamp(pointCount, 0, kTableKeyBytes);
    const int32_t count = ListedRecordCount();
    StringGrid* grid = StringGrid11;
    grid->setRowCount(count + 1);
    grid->setColCount(n + 3);
    grid->setColWidth(0, IndexColumnWidth(n));
    for (int j = 1; j <= n; ++j) grid->setColWidth(j, 28);
    grid->setColWidth(n + 1, 33);
    grid->setColWidth(n + 2, 98);

    grid->setCell(0, 0, "N");
    for (int j = 0; j < n; ++j) grid->setCell(j + 1, 0, QString::number(j));
    grid->setCell(n + 1, 0, "d");
    grid->setCell(n + 2, 0, "N");

    TableGridColumn sign{TableGridNumber::Sign, std::vector<int32_t>(size_t(count), 3)};
    // A centre outside the key shows "+1" throughout.
    if (centre >= 0 && centre < kTableKeyBytes)
        for (int32_t i = 0; i < count; ++i) sign.numbers[size_t(i)] = ttKeys[i][centre];
    ShowTableGridRows(grid, ttKeys, count, n, std::move(sign),
                      {TableGridNumber::Decimal, {ttHitCount, ttHitCount + count}});
}

void TForm1::ShowTableCounters(int32_t recordCount)
{
    const int32_t block = recordCount / 6;
    Label303->setText(QString::number(recordCount));
    Label449->setText(QString::number(block));
    Label450->setText(QString::number((block - 1) / 2));
}
