// Square patterns, the point placements and the rule-table toggle.
#include "base/PointLists.h"
#include "base/Random.h"
#include "base/Square.h"
#include "base/SquareSize.h"
#include "engine/SquarePatterns.h"
#include "lattice/LatticeRuleTable.h"

#include <gtest/gtest.h>

TEST(SquarePatterns, PlacingCPointsKeepsFrozenCellsAndSkipsPointsOutside) {
  squareRowCount = squareColumnCount = 5;
  squareCells[SquareIndex(1, 1)] = 1;
  frozenMask[SquareIndex(1, 1)] = 1;
  cellAccumulators[2][SquareIndex(4, 4)] = 9;
  cPointCount = 3;
  cPointY[0] = 2; cPointX[0] = 3;
  cPointY[1] = -1; cPointX[1] = 0;     // outside the storage: skipped
  cPointY[2] = 200; cPointX[2] = 1;
  PlaceCPointsInSquare();
  EXPECT_EQ(squareCells[SquareIndex(1, 1)], 1);
  EXPECT_EQ(squareCells[SquareIndex(0, 0)], 2);
  EXPECT_EQ(squareNextCells[SquareIndex(2, 3)], 2);
  EXPECT_EQ(cellAccumulators[2][SquareIndex(4, 4)], 0);
  bPointCount = 100000;   // beyond the lists: only their 4900 entries are read
  PlaceBPointsInSquare();
}

TEST(SquarePatterns, RandomSquareDrawsRowsTimesColumnsAndSidesAreBounded) {
  squareRowCount = squareColumnCount = 4;
  SeedRandom(3);
  RandomizeSquare();
  const uint32_t after = randomState;
  SeedRandom(3);
  for (int k = 0; k < 16; ++k) Rand();
  EXPECT_EQ(randomState, after);
  squareRowCount = squareColumnCount = 100000;
  FillSquare(2);   // stays within the 131 x 131 storage
  EXPECT_EQ(squareCells[kSquareCellCount - 1], 2);
}

TEST(SquarePatterns, ExchangeTwiceRestoresAndRuleToggleWraps) {
  squareRowCount = squareColumnCount = 3;
  squareCells[SquareIndex(0, 0)] = 0;
  squareCells[SquareIndex(0, 1)] = 2;
  ExchangeZeroOneInSquare();
  EXPECT_EQ(squareCells[SquareIndex(0, 0)], 1);
  ExchangeZeroOneInSquare();
  EXPECT_EQ(squareCells[SquareIndex(0, 0)], 0);
  ToggleRuleTableEntry(1125 + 7);
  EXPECT_EQ(latticeRuleTable[7], 1);
  latticeRuleTable[8] = 5;
  ToggleRuleTableEntry(-1117);   // -1117 mod 1125 = 8
  EXPECT_EQ(latticeRuleTable[8], 0);
}
