// Boundary maps, span marks, counters and net maps of the change statistics
// on small squares worked out by hand.
#include "base/Square.h"
#include "base/SquareSize.h"
#include "lattice/ChangeStatistics.h"
#include "lattice/ExperimentViews.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

using Cells = std::vector<std::pair<int, int>>;

// A side x side square of empty cells with C cells at the given places.
void LaySquare(int side, const Cells& cCells)
{
    squareRowCount = squareColumnCount = side;
    std::fill(std::begin(squareCells), std::end(squareCells), 2);
    for (auto [r, c] : cCells)
        squareCells[SquareIndex(r, c)] = 0;
}

// Pushes one square per layer, oldest first: layers[k] lays history layer k.
void PushLayers(int side, const Cells* layers[6])
{
    for (int k = 0; k < 6; ++k) {
        LaySquare(side, *layers[k]);
        PushBoundaryMaps();
    }
}

} // namespace

TEST(ChangeStatistics, BoundaryMapsWrapEachAxisAndKeepSixLayers)
{
    LaySquare(4, {{0, 0}});
    PushBoundaryMaps();
    // X: differs from the cell above; the row above row 0 is row 3.
    EXPECT_EQ(changeHistoryX[5][0][0], 1);
    EXPECT_EQ(changeHistoryX[5][1][0], 1);
    EXPECT_EQ(changeHistoryX[5][0][1], 0);
    // Y: differs from the cell to the left; left of column 0 is column 3.
    EXPECT_EQ(changeHistoryY[5][0][0], 1);
    EXPECT_EQ(changeHistoryY[5][0][1], 1);
    EXPECT_EQ(changeHistoryY[5][1][0], 0);

    LaySquare(4, {});
    PushBoundaryMaps();
    EXPECT_EQ(changeHistoryX[4][0][0], 1);   // moved one layer down
    EXPECT_EQ(changeHistoryX[5][0][0], 0);
    EXPECT_EQ(changeHistoryX[5][3][3], 0);
    EXPECT_EQ(changeHistoryX[5][4][4], 0);   // outside the square: untouched
}

TEST(ChangeStatistics, SpansCompareLayersAroundTheMiddle)
{
    // A C cell moves one column right and back: spans 1 and 5 see it, span 3 compares equal layers.
    const Cells before = {{1, 1}}, after = {{1, 2}};
    const Cells* layers[6] = {&before, &before, &before, &after, &before, &after};
    PushLayers(4, layers);
    MakeSpanMarks();

    // The boundaries around (1,1) vanished, those around (1,2) appeared.
    EXPECT_EQ(changeMarkX1[1][1], 1);
    EXPECT_EQ(changeMarkX1[2][1], 1);
    EXPECT_EQ(changeMarkX1[1][2], -1);
    EXPECT_EQ(changeMarkX1[2][2], -1);
    EXPECT_EQ(changeMarkY1[1][1], 1);
    EXPECT_EQ(changeMarkY1[1][2], 0);   // a boundary in both layers
    EXPECT_EQ(changeMarkY1[1][3], -1);

    EXPECT_EQ(vanishCountX1[1][1], 1);
    EXPECT_EQ(appearCountX1[1][1], 0);
    EXPECT_EQ(appearCountX1[1][2], 1);
    EXPECT_EQ(netChangeX1[1][2], -1);

    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(changeMarkX3[i][j], 0);
            EXPECT_EQ(changeMarkY3[i][j], 0);
            EXPECT_EQ(changeMarkX5[i][j], changeMarkX1[i][j]);
            EXPECT_EQ(changeMarkY5[i][j], changeMarkY1[i][j]);
        }

    MakeSpanMarks();   // counts accumulate
    EXPECT_EQ(vanishCountX1[1][1], 2);
    EXPECT_EQ(netChangeX5[1][2], -2);
    EXPECT_EQ(vanishCountX3[1][1], 0);
}

TEST(ChangeStatistics, SquaresWiderThanTheMapsAreWatchedInTheirFirst70Cells)
{
    // Side 99: row 0's upper neighbour is row 98, which lies outside the maps.
    LaySquare(99, {{98, 5}, {80, 80}});
    PushBoundaryMaps();
    EXPECT_EQ(changeHistoryX[5][0][5], 1);
    MakeSpanMarks();   // stays inside the 70 x 70 maps (the sanitizer would say otherwise)

    squareRowCount = squareColumnCount = 0;   // no square: no layer moves
    PushBoundaryMaps();
    EXPECT_EQ(changeHistoryX[5][0][5], 1);
}

TEST(ChangeStatistics, CountsAndNetMapsStayInRangeAndResetKeepsTheHistories)
{
    const Cells before = {{1, 1}}, after = {};
    const Cells* layers[6] = {&before, &before, &before, &after, &after, &after};
    PushLayers(4, layers);
    vanishCountX1[1][1] = std::numeric_limits<int32_t>::max();
    appearCountX1[1][1] = -5;   // as a counter file may hold
    vanishCountY3[0][0] = std::numeric_limits<int32_t>::min();
    appearCountY3[0][0] = 1;
    MakeSpanMarks();
    EXPECT_EQ(vanishCountX1[1][1], std::numeric_limits<int32_t>::max());
    EXPECT_EQ(netChangeX1[1][1], std::numeric_limits<int32_t>::max());
    EXPECT_EQ(netChangeY3[0][0], std::numeric_limits<int32_t>::min());

    cellStatMap[3][3] = 7;
    statMarkerMapC[2][2] = 1;
    ResetChangeStatistics();
    EXPECT_EQ(vanishCountX1[1][1], 0);
    EXPECT_EQ(appearCountY3[0][0], 0);
    EXPECT_EQ(cellStatMap[3][3], 0);
    EXPECT_EQ(statMarkerMapC[2][2], 0);
    EXPECT_EQ(changeMarkX1[1][1], 1);                   // marks stay
    EXPECT_EQ(netChangeX1[1][1], std::numeric_limits<int32_t>::max());   // until recomputed
    EXPECT_EQ(changeHistoryX[2][1][1], 1);              // histories stay
    RecomputeNetMaps();
    EXPECT_EQ(netChangeX1[1][1], 0);
}

TEST(ChangeStatistics, CellStatAdjustments)
{
    cellStatMap[0][0] = 5;
    cellStatMap[0][1] = -5;
    cellStatMap[0][2] = std::numeric_limits<int32_t>::min();
    HalveCellStatNegated();
    EXPECT_EQ(cellStatMap[0][0], -2);
    EXPECT_EQ(cellStatMap[0][1], 2);
    EXPECT_EQ(cellStatMap[0][2], 1073741824);

    cellStatMap[1][0] = cellStatMap[1][1] = cellStatMap[1][2] = cellStatMap[1][3] = 10;
    statMarkerMapA[1][0] = 1;                             // +3
    statMarkerMapB[1][1] = 1;                             // -3
    statMarkerMapA[1][2] = statMarkerMapC[1][2] = 1;      // C wins: -6
    cellStatMap[1][4] = std::numeric_limits<int32_t>::max();
    statMarkerMapA[1][4] = 1;
    AdjustCellStatByMarkers();
    EXPECT_EQ(cellStatMap[1][0], 13);
    EXPECT_EQ(cellStatMap[1][1], 7);
    EXPECT_EQ(cellStatMap[1][2], 4);
    EXPECT_EQ(cellStatMap[1][3], 10);
    EXPECT_EQ(cellStatMap[1][4], std::numeric_limits<int32_t>::max());
}
