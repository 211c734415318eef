#pragma once
// Start patterns of the square drawn from the random generator or laid from
// the centre. The draws are taken in the order stated; every point and cell
// stays inside the square's storage and every list inside its 4900 entries.

#include <cstdint>

// Points of "6*N points": six batches of n, so n is at most 4900 / 6.
constexpr int32_t kMaxSixBatchPoints = 4900 / 6;

// count points: per point row = Rand() mod rows, then column = Rand() mod
// columns, into ys[i] and xs[i]. Callers refuse a side of 0 and keep count
// within the list.
void DrawRandomPoints(int16_t* xs, int16_t* ys, int32_t count, int rows, int columns);

// Batch `batch` (0..5) of "6*N points": for i < n, row = Rand() mod 131, then
// column = Rand() mod 131, over the whole storage whatever the side; C list
// entry batch * n + i := (row, column) and that cell := 0. n is cut to
// 0..kMaxSixBatchPoints.
void LayRandomPointBatch(int batch, int32_t n);

// "CBC... nB times": from the centre (h, h), h = the used rows / 2, to the
// right, count cells alternating 0, 1, 0, ...; never past column 130.
void LayAlternatingRow(int32_t count);

// "RANDOM": every used cell, row by row: draw r1; r1 >= 10001 gives 2;
// otherwise draw r2: 0 when r2 < 20001, else 1.
void FillSquareRandomly();
