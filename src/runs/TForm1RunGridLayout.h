#pragma once
// The common frame of the run grids: column and row counts, column widths,
// the corner "N", column headers c - 1 and row headers from a first number.
#include "widgets/StringGrid.h"

#include <QString>

// cols x rows cells, every column colWidth wide, "N" in the corner, column
// headers c - 1 for c = 1 .. cols - 1. Counts below 1 become 1.
void FrameRunGrid(StringGrid* grid, int cols, int rows, int colWidth);
// Row headers (0, r) := r + firstLabel - 1 for r = 1 .. lastRow (inside the grid).
void LabelRunGridRows(StringGrid* grid, int lastRow, int firstLabel = 0);
// Decimal text of a value.
inline QString Decimal(int value) { return QString::number(value); }
