// The grid of mask pairs on tab "ANY I": which pair a position picks and what
// the picture shows of it.
#include "tables1d/AnyIPicker.h"
#include "tables1d/TableFile.h"

#include <gtest/gtest.h>

namespace {

void ExpectPair(MaskPair pair, int32_t m, int32_t k)
{
    EXPECT_EQ(pair.leftBits, m);
    EXPECT_EQ(pair.rightBits, k);
}

TEST(AnyIPicker, PositionsPickThePairOfTheirFortyPixelCell)
{
    ExpectPair(AnyIPairAt(0, 0), 7, 1);
    ExpectPair(AnyIPairAt(39, 39), 7, 1);
    ExpectPair(AnyIPairAt(40, 39), 9, 1);
    ExpectPair(AnyIPairAt(45, 85), 9, 5);
    ExpectPair(AnyIPairAt(519, 519), 31, 25);
    // The strip past the last cell and positions before the first name the nearest cell.
    ExpectPair(AnyIPairAt(528, 524), 31, 25);
    ExpectPair(AnyIPairAt(-3, 600), 7, 25);
}

TEST(AnyIPicker, EveryPairKeepsBothNearNeighboursAndHasThreeToNineOfThem)
{
    for (int c = 0; c < kAnyIColumns; ++c) {
        for (int r = 0; r < kAnyIRows; ++r) {
            const MaskPair pair = AnyIPairAt(c * kAnyICellSize + 20, r * kAnyICellSize + 20);
            EXPECT_EQ(pair.leftBits & 1, 1);
            EXPECT_EQ(pair.rightBits & 1, 1);
            const int neighbours = AnyINeighbourCount(pair);
            EXPECT_GE(neighbours, 3);
            EXPECT_LE(neighbours, 9);
            EXPECT_EQ(MaskPointCount(pair.leftBits, pair.rightBits), neighbours + 1);
            EXPECT_EQ(AnyIIsStudied(pair), pair.leftBits >= pair.rightBits && neighbours >= 4);
        }
    }
}

TEST(AnyIPicker, OnlyPairsOfFiveOrMorePointsWithMNotBelowKAreStudied)
{
    EXPECT_TRUE(AnyIIsStudied({7, 1}));
    EXPECT_FALSE(AnyIIsStudied({9, 1}));    // four points
    EXPECT_FALSE(AnyIIsStudied({7, 9}));    // m below k
    EXPECT_TRUE(AnyIIsStudied({31, 23}));   // nine neighbours
}

TEST(AnyIPicker, WindowWidthSpansTheFarthestNeighbours)
{
    EXPECT_EQ(AnyIWindowWidth({7, 1}), 5);     // -3 .. +1
    EXPECT_EQ(AnyIWindowWidth({13, 9}), 9);    // -4 .. +4
    EXPECT_EQ(AnyIWindowWidth({31, 25}), 11);  // -5 .. +5
}

} // namespace
