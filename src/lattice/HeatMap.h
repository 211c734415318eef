#pragma once
// The heat map of the 70 x 70 statistic map cellStatMap: cell (r, c) is the
// 6 x 6 square at (6c, 6r) in the grey of (v - min) / (max - min), black at
// the minimum, white at the maximum. A map whose maximum does not exceed its
// minimum (all cells equal) has no heat map.

#include <cstdint>

#include "lattice/ChangeStatistics.h"

constexpr int kHeatCellPixels = 6;
constexpr int kHeatMapPixels = kStatSide * kHeatCellPixels;   // 420

extern int32_t heatMapMax, heatMapMin;   // extremes the last "VIEW" found
// The numbers of the heat map window's three edits; nothing else reads them.
extern int32_t heatEditValue1;   // 1000 at start
extern int32_t heatEditValue2;   // -1000 at start
extern int32_t heatEditValue3;   // 2 at start

struct HeatMapSummary {
    int32_t sum;   // with 32-bit wrap-around, as MatrixSum gives it
    int32_t max;   // MatrixMaximum: never below -1000000
    int32_t min;   // MatrixMinimum: never above 1000000
};
HeatMapSummary SummariseHeatMap(const StatCountMap& map);

inline bool HasHeatMap(int32_t max, int32_t min) { return max > min; }

// Colour value (red + 256 green + 65536 blue) of v between min and max. The
// extremes start at -1000000 and 1000000, so a map beyond them has values
// outside min..max: the fraction is clamped to 0..1, so such cells are black
// or white instead of a colour whose channels ran into each other.
// Requires HasHeatMap(max, min).
int32_t HeatMapGrey(int32_t v, int32_t min, int32_t max);

// The colour of every cell of the map.
void HeatMapColours(const StatCountMap& map, int32_t min, int32_t max, int32_t colours[kStatSide][kStatSide]);

// The cell a mouse coordinate of the heat map names: trunc((p + 3) / 6),
// kept within 0..69.
int HeatMapCellAt(int pixel);
// The cross-hair line through a mouse coordinate: (p div 3) * 3 + 1.
int HeatMapCrossHair(int pixel);

// map[r][c] := the square cell (r, c) as a signed byte, r and c in 0..69.
void StatMapFromSquare(StatCountMap& map);
// map := vanish - appear, cell by cell, cut to the int32 range.
void StatMapDifference(StatCountMap& map, const StatCountMap& vanish, const StatCountMap& appear);
