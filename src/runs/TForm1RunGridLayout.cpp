#include "runs/TForm1RunGridLayout.h"

#include <algorithm>

void FrameRunGrid(StringGrid* grid, int cols, int rows, int colWidth)
{
    cols = std::max(cols, 1);
    rows = std::max(rows, 1);
    if (grid->colCount() != cols)
        grid->setColCount(cols);
    if (grid->rowCount() != rows)
        grid->setRowCount(rows);
    grid->setDefaultColWidth(colWidth);
    grid->setCell(0, 0, "N");
    for (int c = 1; c < cols; ++c)
        grid->setCell(c, 0, Decimal(c - 1));
}

void LabelRunGridRows(StringGrid* grid, int lastRow, int firstLabel)
{
    lastRow = std::min(lastRow, grid->rowCount() - 1);
    grid->setCellTexts(0, 1, 1, lastRow, [firstLabel](int, int r) { return Decimal(r + firstLabel - 1); });
}
