#pragma once
// Start patterns of the lattice square and the exchange of 0 and 1 that turns
// a forward step into a backwards one. Every loop stays inside the used rows
// and columns (at most 131) and every point inside the square's storage.

#include <cstdint>

// Free cells (frozenMask 0) become 2 in the square, its next-state grid and
// its copy grid; then each C point sets its cell to 0; the four accumulator
// grids are cleared over the square.
void PlaceCPointsInSquare();
// Each B point sets its cell to 1 in the copy grid, the square and the next-state grid.
void PlaceBPointsInSquare();

// Every used cell of the square = value.
void FillSquare(uint8_t value);
// 0 <-> 1 in every used cell of the square (2 stays).
void ExchangeZeroOneInSquare();
// 0 <-> 1 in the cells of string A in use (B untouched).
void ExchangeZeroOneInStringA();

// "on the square": cell (j, i) = Rand() % 3 for i over the rows (outer) and j
// over the columns (inner); exactly rows x columns draws.
void RandomizeSquare();

// "Line": every column i below squareRowCount of the middle row = 0 in the
// square and 1 in the next-state grid (after filling the square with 2).
void LayLine();
// "Line Center": the same for the first half of the columns, with the
// next-state cells in row squareColumnCount / 2.
void LayLineCenter();
