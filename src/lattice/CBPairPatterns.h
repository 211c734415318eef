#pragma once
// Two small start patterns of C cells (0) each with a B cell (1) beside it.
// Both first set the used square to 2; the pairs themselves lie anywhere in
// the 131 x 131 storage, also outside the side in use.

#include <cstdint>

// "N times CB": count pairs (held to 0..4900, the size of a point list). Pair
// k draws its row, then its column, each modulo 131; the C cell takes that
// place and the B cell the neighbour in direction k mod 4: 0 row + 1,
// 1 column + 1, 2 row - 1, 3 column - 1. A neighbour outside the storage
// (a C cell on its first or last row or column) is skipped.
void ScatterCBPairs(int32_t count);

// Four fixed pairs, (row, column) of C / B: (40, 40) / (40, 41),
// (60, 60) / (60, 61), (70, 70) / (70, 69), (100, 101) / (100, 100).
void PlaceFourCBPairs();
