#pragma once
// The common frame of the run grids: column and row counts, column widths,
// the corner "N", column headers c - 1 and row headers from a first number.
#include "widgets/StringGrid.h"

#include <QString>

#include <algorithm>
#include <memory>
#include <vector>

// cols x rows cells, every column colWidth wide, "N" in the corner, column
// headers c - 1 for c = 1 .. cols - 1. Counts below 1 become 1.
void FrameRunGrid(StringGrid* grid, int cols, int rows, int colWidth);
// Row headers (0, r) := r + firstLabel - 1 for r = 1 .. lastRow (inside the grid).
void LabelRunGridRows(StringGrid* grid, int lastRow, int firstLabel = 0);
// Decimal text of a value.
inline QString Decimal(int value) { return QString::number(value); }

// Cells (c + 1, r + 1) for r < rows and c < cols take text(value(r, c)). The
// values are copied now and the grid gets one block of texts, computed for the
// cells it shows: the run grids of hundreds of rows are refilled at every
// recorded run, and every pass of the table generators records one.
template <class Value, class Text>
void ShowRunCells(StringGrid* grid, int rows, int cols, Value value, Text text)
{
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    using Stored = decltype(value(0, 0));
    auto values = std::make_shared<std::vector<Stored>>(size_t(rows) * size_t(cols));
    Stored* at = values->data();
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) *at++ = value(r, c);
    grid->setCellTexts(1, 1, cols, rows, [values, cols, text](int c, int r) {
        return QString(text((*values)[size_t(r - 1) * size_t(cols) + size_t(c - 1)]));
    });
}

