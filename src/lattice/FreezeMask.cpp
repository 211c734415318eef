#include "lattice/FreezeMask.h"

#include <algorithm>

int32_t isFreezeArmed = 0;
uint8_t squareSpareCopy[kSquareCellCount] = {};

int32_t FrozenMaskMaximum() {
  int32_t m = 1;
  const int rows = UsedSquareRows();
  const int columns = UsedSquareColumns();
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) m = std::max<int32_t>(m, frozenMask[SquareIndex(r, c)]);
  return m;
}

int FrozenGreyLevel(uint8_t v, int32_t m) { return static_cast<int>(v * 255 / (std::max(m, 1) + 1)); }
