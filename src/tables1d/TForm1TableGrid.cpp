// The table list in the grid of tab "CH I" and the toolbar counters.
#include "app/TForm1.h"

#include "base/TableRecords.h"
#include "engine/Mask1d.h"

#include <algorithm>

namespace {

const char* const kCellWords[6] = {"-x", "-y", "-z", "+x", "+y", "+z"};

int IndexColumnWidth(int pointCount)
{
    if (pointCount <= 6) return 38;
    return pointCount == 7 ? 45 : 53;
}

} // namespace

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

    for (int32_t i = 0; i < count; ++i) {
        const int row = i + 1;
        grid->setCell(0, row, QString::number(i));
        for (int j = 0; j < n; ++j)
            if (ttKeys[i][j] <= 5) grid->setCell(j + 1, row, kCellWords[ttKeys[i][j]]);
        const bool minus = centre >= 0 && centre < kTableKeyBytes && ttKeys[i][centre] < 3;
        grid->setCell(n + 1, row, minus ? "-1" : "+1");
        grid->setCell(n + 2, row, QString::number(ttHitCount[i]));
    }
}

void TForm1::ShowTableCounters(int32_t recordCount)
{
    const int32_t block = recordCount / 6;
    Label303->setText(QString::number(recordCount));
    Label449->setText(QString::number(block));
    Label450->setText(QString::number((block - 1) / 2));
}
