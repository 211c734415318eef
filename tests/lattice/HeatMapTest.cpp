// The heat map's greys beyond the map's extremes, the cell a click names, and
// the signed square cells of the square view.
#include "base/Square.h"
#include "lattice/HeatMap.h"

#include <gtest/gtest.h>

#include <climits>

namespace {
int32_t Grey(int v) { return v | v << 8 | v << 16; }
} // namespace

TEST(HeatMap, GreyStaysGreyBeyondTheExtremes)
{
    EXPECT_EQ(HeatMapGrey(0, -10, 10), Grey(127));
    // Cells outside min..max (a map below -1000000 keeps that "maximum") stay black or white.
    EXPECT_EQ(HeatMapGrey(-3000000, -3000000, -1000000), Grey(0));
    EXPECT_EQ(HeatMapGrey(-1000000, -2000000, -1500000), Grey(255));
    EXPECT_EQ(HeatMapGrey(INT32_MIN, 0, 1), Grey(0));
    EXPECT_EQ(HeatMapGrey(INT32_MAX, INT32_MIN, INT32_MAX), Grey(255));
}

TEST(HeatMap, ClickNamesACellWithinTheMap)
{
    EXPECT_EQ(HeatMapCellAt(2), 0);
    EXPECT_EQ(HeatMapCellAt(3), 1);   // trunc((3 + 3) / 6)
    EXPECT_EQ(HeatMapCellAt(419), 69);   // 70 limited to 69
    EXPECT_EQ(HeatMapCellAt(-50), 0);
}

TEST(HeatMap, SquareCellsAreTakenAsSignedBytesAndDifferencesSaturate)
{
    squareCells[SquareIndex(5, 5)] = 200;   // a byte from a file
    StatCountMap map = {};
    StatMapFromSquare(map);
    EXPECT_EQ(map[5][5], -56);

    StatCountMap vanish = {}, appear = {};
    vanish[2][2] = INT32_MAX;
    appear[2][2] = -5;
    StatMapDifference(map, vanish, appear);
    EXPECT_EQ(map[2][2], INT32_MAX);
}
