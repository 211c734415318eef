#include "lattice/HeatMap.h"

#include <algorithm>
#include <cmath>

#include "base/NumericHelpers.h"
#include "base/Square.h"

int32_t heatMapMax = 0;
int32_t heatMapMin = 0;
int32_t heatEditValue1 = 1000;
int32_t heatEditValue2 = -1000;
int32_t heatEditValue3 = 2;

HeatMapSummary SummariseHeatMap(const StatCountMap& map)
{
    const int32_t* cells = &map[0][0];
    return {MatrixSum(cells, kStatSide), MatrixMaximum(cells, kStatSide), MatrixMinimum(cells, kStatSide)};
}

int32_t HeatMapGrey(int32_t v, int32_t min, int32_t max)
{
    // In double: v - min and max - min can pass the int32 range.
    const double t = (double(v) - double(min)) / (double(max) - double(min));
    return GreyScaleColor(std::clamp(t, 0.0, 1.0));
}

void HeatMapColours(const StatCountMap& map, int32_t min, int32_t max, int32_t colours[kStatSide][kStatSide])
{
    for (int r = 0; r < kStatSide; ++r)
        for (int c = 0; c < kStatSide; ++c)
            colours[r][c] = HeatMapGrey(map[r][c], min, max);
}

int HeatMapCellAt(int pixel)
{
    const double cell = std::trunc((double(pixel) + 3.0) / kHeatCellPixels);
    return static_cast<int>(std::clamp(cell, 0.0, double(kStatSide - 1)));
}

int HeatMapCrossHair(int pixel)
{
    return (pixel / 3) * 3 + 1;
}

void StatMapFromSquare(StatCountMap& map)
{
    for (int r = 0; r < kStatSide; ++r)
        for (int c = 0; c < kStatSide; ++c)
            map[r][c] = static_cast<int8_t>(squareCells[SquareIndex(r, c)]);
}

void StatMapDifference(StatCountMap& map, const StatCountMap& vanish, const StatCountMap& appear)
{
    for (int r = 0; r < kStatSide; ++r)
        for (int c = 0; c < kStatSide; ++c) {
            const int64_t d = int64_t(vanish[r][c]) - appear[r][c];
            map[r][c] = SaturateToInt32(d);
        }
}
