#include "base/Square.h"

#include <algorithm>

uint8_t squareCells[kSquareCellCount] = {};
uint8_t squareNextCells[kSquareCellCount] = {};
uint8_t squareCopy[kSquareCellCount] = {};
uint8_t frozenMask[kSquareCellCount] = {};
int32_t cellAccumulators[4][kSquareCellCount] = {};

int UsedSquareRows() { return std::clamp(squareRowCount, 0, kSquareSide); }
int UsedSquareColumns() { return std::clamp(squareColumnCount, 0, kSquareSide); }

void CopyUsedSquare(const uint8_t* from, uint8_t* to) {
  const int rows = UsedSquareRows();
  const int columns = UsedSquareColumns();
  for (int r = 0; r < rows; ++r) std::copy_n(from + SquareIndex(r, 0), columns, to + SquareIndex(r, 0));
}

void FillUsedSquare(uint8_t* grid, uint8_t value) {
  const int rows = UsedSquareRows();
  const int columns = UsedSquareColumns();
  for (int r = 0; r < rows; ++r) std::fill_n(grid + SquareIndex(r, 0), columns, value);
}
