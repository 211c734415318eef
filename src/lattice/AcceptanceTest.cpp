#include "lattice/AcceptanceTest.h"

#include <climits>

#include "base/Square.h"
#include "base/SquareSize.h"
#include "lattice/LatticeStep.h"

uint8_t isRuleAccepted = 0;

namespace {

constexpr int kTestSide = 17;
constexpr int kTestSteps = 7;
constexpr int32_t kAcceptAbove = 5;   // cells of value 0 or 1 after the last step

}  // namespace

bool RunAcceptanceTest(int mode) {
  const int32_t rows = squareRowCount;
  const int32_t columns = squareColumnCount;
  squareRowCount = squareColumnCount = kTestSide;

  for (int r = 0; r < kTestSide; ++r)
    for (int c = 0; c < kTestSide; ++c) squareCells[SquareIndex(r, c)] = squareNextCells[SquareIndex(r, c)] = 2;
  const int centre = SquareIndex(kTestSide / 2, kTestSide / 2);
  squareCells[centre] = squareNextCells[centre] = 0;

  for (int step = 0; step < kTestSteps; ++step) {
    CopyUsedSquare(squareCells, squareNextCells);
    ComputeNextSquare(mode, SquareBorder::FrozenA);
    CopyUsedSquare(squareNextCells, squareCells);
  }
  const bool accepted = !CountSquareCells(kAcceptAbove);
  CountSquareCells(INT32_MAX);

  squareRowCount = rows;
  squareColumnCount = columns;
  return accepted;
}
