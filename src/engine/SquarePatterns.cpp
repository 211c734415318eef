#include "engine/SquarePatterns.h"

#include <algorithm>

#include "base/PointLists.h"
#include "base/Random.h"
#include "base/Square.h"
#include "engine/StringState.h"

namespace {

bool Inside(int row, int column) { return row >= 0 && row < kSquareSide && column >= 0 && column < kSquareSide; }

template <typename F>
void ForEachUsedCell(F f) {
  const int rows = UsedSquareRows();
  const int columns = UsedSquareColumns();
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) f(SquareIndex(r, c));
}

void LayRow(int row, int nextRow, int columns) {
  FillSquare(2);
  columns = std::clamp(columns, 0, kSquareSide);
  for (int i = 0; i < columns; ++i) {
    if (Inside(row, i)) squareCells[SquareIndex(row, i)] = 0;
    if (Inside(nextRow, i)) squareNextCells[SquareIndex(nextRow, i)] = 1;
  }
}

}  // namespace

void PlaceCPointsInSquare() {
  ForEachUsedCell([](int k) {
    if (frozenMask[k] == 0) squareCells[k] = squareNextCells[k] = squareCopy[k] = 2;
  });
  const int32_t count = PointListLength(cPointCount);
  for (int32_t k = 0; k < count; ++k)
    if (Inside(cPointY[k], cPointX[k])) squareCells[SquareIndex(cPointY[k], cPointX[k])] = 0;
  ForEachUsedCell([](int k) {
    for (auto& grid : cellAccumulators) grid[k] = 0;
  });
}

void PlaceBPointsInSquare() {
  const int32_t count = PointListLength(bPointCount);
  for (int32_t k = 0; k < count; ++k) {
    if (!Inside(bPointY[k], bPointX[k])) continue;
    const int at = SquareIndex(bPointY[k], bPointX[k]);
    squareCopy[at] = squareCells[at] = squareNextCells[at] = 1;
  }
}

void FillSquare(uint8_t value) {
  ForEachUsedCell([value](int k) { squareCells[k] = value; });
}

void ExchangeZeroOneInSquare() {
  ForEachUsedCell([](int k) {
    if (squareCells[k] < 2) squareCells[k] ^= 1;
  });
}

void ExchangeZeroOneInStringA() {
  const int32_t length = UsedStringLength();
  for (int32_t i = 0; i < length; ++i)
    if (stringA[i] < 2) stringA[i] ^= 1;
}

void RandomizeSquare() {
  const int rows = UsedSquareRows();
  const int columns = UsedSquareColumns();
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < columns; ++j) {
      const int32_t draw = Rand() % 3;
      // cell (j, i): row j, column i; both inside the storage here
      squareCells[SquareIndex(j, i)] = static_cast<uint8_t>(draw);
    }
}

void LayLine() { LayRow(squareRowCount / 2, squareRowCount / 2, squareRowCount); }

void LayLineCenter() { LayRow(squareRowCount / 2, squareColumnCount / 2, squareRowCount / 2); }
