#include "lattice/ExperimentViews.h"

#include "base/NumericHelpers.h"

#include <algorithm>

uint8_t squareSnapshots[kSquareSnapshotCount][kSquareCellCount] = {};
StatByteMap stabilityClassTable = {};

void TakeSquareSnapshot(int k)
{
    if (k < 0 || k >= kSquareSnapshotCount)
        return;
    const int rows = UsedSquareRows();
    const int columns = UsedSquareColumns();
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            squareSnapshots[k][SquareIndex(r, c)] = squareCells[SquareIndex(r, c)];
}

void HalveCellStatNegated()
{
    // T / 2 of the smallest int32 still fits, so its negation does too.
    for (auto& row : cellStatMap)
        for (int32_t& t : row)
            t = -(t / 2);
}

void AdjustCellStatByMarkers()
{
    for (int i = 0; i < kStatSide; ++i)
        for (int j = 0; j < kStatSide; ++j) {
            int d = 0;
            if (statMarkerMapA[i][j] != 0)
                d = -2;
            if (statMarkerMapB[i][j] != 0)
                d = 2;
            if (statMarkerMapC[i][j] != 0)
                d = 4;
            const int64_t t = int64_t(cellStatMap[i][j]) - (3 * d) / 2;
            cellStatMap[i][j] = SaturateToInt32(t);
        }
}
