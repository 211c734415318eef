// The time bar's column of a step count, and the scattered C/B pairs.
#include "base/Random.h"
#include "base/Square.h"
#include "base/SquareSize.h"
#include "lattice/CBPairPatterns.h"
#include "lattice/LatticeSettings.h"
#include "lattice/TimeBar.h"
#include "lattice/VideoSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>

TEST(TimeBar, ColumnOfAStepStaysOnTheBar)
{
    timeBarLeft = 55;
    timeBarRight = 724;
    timeBarTotalSteps = 2526;
    EXPECT_EQ(TimeBarX(1263), 389);   // 389.5 truncated
    EXPECT_EQ(TimeBarX(INT32_MAX), 724);   // far past the total: the right end
    EXPECT_EQ(TimeBarX(-5000), 55);        // counted backwards below 0: the left end
    timeBarTotalSteps = 0;                 // an empty total edit reads as 1
    EXPECT_EQ(TimeBarX(1), 724);
    timeBarLeft = 100;                     // a negative total, a bar drawn right to left
    timeBarRight = 0;
    timeBarTotalSteps = -10;
    EXPECT_EQ(TimeBarX(-5), 50);
    EXPECT_EQ(TimeBarX(3), 100);
}

// Pair k draws its row, then its column, and turns its B cell by k mod 4;
// neighbours past the storage's edges are skipped (the sanitizer build
// catches a write past it) and no more pairs than a point list holds are drawn.
TEST(CBPairs, PairsDrawRowThenColumnTurnAndStayInsideTheStorage)
{
    squareRowCount = squareColumnCount = 27;
    std::fill(std::begin(squareCells), std::end(squareCells), uint8_t{7});
    SeedRandom(11);
    ScatterCBPairs(4);
    SeedRandom(11);
    const int step[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    for (int k = 0; k < 4; ++k) {
        const int row = Rand() % 131, column = Rand() % 131;
        EXPECT_EQ(squareCells[SquareIndex(row, column)], 0) << k;
        const int r = row + step[k][0], c = column + step[k][1];
        if (r >= 0 && r < 131 && c >= 0 && c < 131) {
            EXPECT_EQ(squareCells[SquareIndex(r, c)], 1) << k;
        }
    }
    EXPECT_NE(squareCells[SquareIndex(26, 0)], 7);   // the used square was cleared

    squareRowCount = squareColumnCount = 131;
    SeedRandom(2);
    ScatterCBPairs(1000000);
    const int32_t after = Rand();
    SeedRandom(2);
    for (int k = 0; k < 2 * 4900; ++k)
        Rand();
    EXPECT_EQ(Rand(), after);
}
