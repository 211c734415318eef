#pragma once
// Tools on a fixed-mask table in the list: the group multiplication in place,
// the mirror classes of a mask (1,1) table and the column sums of a mask (3,1)
// table's values along the windows of the last recorded run.
#include "tables1d/TableFile.h"

#include <array>
#include <cstdint>

// Blocks 1..5 of the list := block 0 multiplied cellwise by 1..5 (first
// keyLength cells, blocks of N/6); N, values, counts, block 0 and the rows from
// 6*(N/6) on stay as they were. keyLength is taken within 0..10.
void MultiplyBlocksInPlace(int keyLength);

// Groups records 0..8 (the first block of a 54-record mask (1,1) table) into
// mirror classes: a record not yet taken opens a class, and every later
// record with its mirror key (c, b, a) joins it. The list becomes the
// classes: row s holds the key and value of class s's first record,
// symmetryClassSize[s] its member count, N the number of classes. Returns N.
int32_t GroupMirrorClasses();

// "ddTol": for every column c, S[c] sums the value of the first of the
// table's records 0..161 whose four key cells equal the window of event row
// t at columns c-2..c+1 (wrapped), over the rows t = 0..viewRow-1; a window
// no record holds adds nothing. out[c] = trunc(1.5 * viewRow - 0.5 * S[c]),
// viewRow bounded by the 500 stored event rows; columns from stringLength on
// have no windows. table holds keys of 4 cells.
std::array<int64_t, 27> ColumnSumsOfValues(const TableFileContent& table, int32_t viewRow);
