#pragma once
// The rows of a table list as the grids of "CH I" and "CH II" show them.
#include "base/TableRecords.h"

#include <cstdint>
#include <vector>

class StringGrid;

// How a number of the two columns after the key cells is written.
enum class TableGridNumber {
    Decimal,
    Sign,    // "-1" below 3 (a key cell in the lower half of the group), else "+1"
    Value,   // "+1" for 1, else decimal
};

struct TableGridColumn {
    TableGridNumber form = TableGridNumber::Decimal;
    std::vector<int32_t> numbers;   // one per record
};

// Rows 1 .. count of the grid: row i + 1 holds i, the words "-x" .. "+z" of
// the first keyCells cells of keys[i] (a cell outside 0..5 keeps the text it
// had) and then the numbers of the two columns. The grid is told the rows as
// one block of texts (StringGrid::setCellTexts) from a copy of the keys, so a
// refill of thousands of rows costs only that copy.
void ShowTableGridRows(StringGrid* grid, const uint8_t (*keys)[kTableKeyBytes], int32_t count, int keyCells,
                       TableGridColumn first, TableGridColumn second);
