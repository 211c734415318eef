#include "lattice/CBPairPatterns.h"

#include <algorithm>

#include "base/PointLists.h"
#include "base/Random.h"
#include "base/Square.h"
#include "engine/SquarePatterns.h"

namespace {

void SetCell(int row, int column, uint8_t value) {
  if (row >= 0 && row < kSquareSide && column >= 0 && column < kSquareSide)
    squareCells[SquareIndex(row, column)] = value;
}

}  // namespace

void ScatterCBPairs(int32_t count) {
  static constexpr int kStep[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};   // (row, column)
  FillSquare(2);
  const int32_t pairs = std::clamp(count, 0, kPointListCapacity);
  for (int32_t k = 0; k < pairs; ++k) {
    const int row = Rand() % kSquareSide;
    const int column = Rand() % kSquareSide;
    SetCell(row, column, 0);
    SetCell(row + kStep[k % 4][0], column + kStep[k % 4][1], 1);
  }
}

void PlaceFourCBPairs() {
  static constexpr int kPairs[4][4] = {
      {40, 40, 40, 41}, {60, 60, 60, 61}, {70, 70, 70, 69}, {100, 101, 100, 100}};   // C row, column, B row, column
  FillSquare(2);
  for (const auto& p : kPairs) {
    SetCell(p[0], p[1], 0);
    SetCell(p[2], p[3], 1);
  }
}
