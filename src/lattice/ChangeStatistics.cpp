#include "lattice/ChangeStatistics.h"

#include "base/NumericHelpers.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "base/Square.h"

uint8_t changeHistoryX[kChangeHistoryDepth][kStatSide][kStatSide] = {};
uint8_t changeHistoryY[kChangeHistoryDepth][kStatSide][kStatSide] = {};

StatMarkMap changeMarkX1 = {}, changeMarkY1 = {}, changeMarkX3 = {}, changeMarkY3 = {}, changeMarkX5 = {},
            changeMarkY5 = {};
StatCountMap vanishCountX1 = {}, vanishCountY1 = {}, vanishCountX3 = {}, vanishCountY3 = {}, vanishCountX5 = {},
             vanishCountY5 = {};
StatCountMap appearCountX1 = {}, appearCountY1 = {}, appearCountX3 = {}, appearCountY3 = {}, appearCountX5 = {},
             appearCountY5 = {};
StatCountMap netChangeX1 = {}, netChangeY1 = {}, netChangeX3 = {}, netChangeY3 = {}, netChangeX5 = {},
             netChangeY5 = {};

StatCountMap cellStatMap = {};
StatByteMap statMarkerMapA = {}, statMarkerMapB = {}, statMarkerMapC = {};

int32_t statPenWidth = 2;
int32_t statColourModulus = 3;

namespace {

// [spanItem][0 = X, 1 = Y]
const ChangeSpanMaps kSpans[kSpanCount][2] = {
    {{2, 3, changeHistoryX, changeMarkX1, vanishCountX1, appearCountX1, netChangeX1},
     {2, 3, changeHistoryY, changeMarkY1, vanishCountY1, appearCountY1, netChangeY1}},
    {{1, 4, changeHistoryX, changeMarkX3, vanishCountX3, appearCountX3, netChangeX3},
     {1, 4, changeHistoryY, changeMarkY3, vanishCountY3, appearCountY3, netChangeY3}},
    {{0, 5, changeHistoryX, changeMarkX5, vanishCountX5, appearCountX5, netChangeX5},
     {0, 5, changeHistoryY, changeMarkY5, vanishCountY5, appearCountY5, netChangeY5}},
};

void CountUp(int32_t& count)
{
    if (count < std::numeric_limits<int32_t>::max())
        ++count;
}

int32_t Difference(int32_t a, int32_t b)
{
    return SaturateToInt32(static_cast<int64_t>(a) - b);
}

} // namespace

const ChangeSpanMaps* ChangeSpan(int spanItem, bool isX)
{
    if (spanItem < 0 || spanItem >= kSpanCount)
        return nullptr;
    return &kSpans[spanItem][isX ? 0 : 1];
}

int StatRows() { return std::min(UsedSquareRows(), kStatSide); }
int StatColumns() { return std::min(UsedSquareColumns(), kStatSide); }

void PushBoundaryMaps()
{
    // Each axis wraps with its own count, so the neighbour of row 0 is the
    // square's last row even when only its first 70 rows are watched.
    const int rows = UsedSquareRows();
    const int columns = UsedSquareColumns();
    const int statRows = StatRows();
    const int statColumns = StatColumns();
    for (int i = 0; i < statRows; ++i) {
        const int above = i == 0 ? rows - 1 : i - 1;
        for (int j = 0; j < statColumns; ++j) {
            const int left = j == 0 ? columns - 1 : j - 1;
            const uint8_t cell = squareCells[SquareIndex(i, j)];
            const uint8_t bx = squareCells[SquareIndex(above, j)] != cell ? 1 : 0;
            const uint8_t by = squareCells[SquareIndex(i, left)] != cell ? 1 : 0;
            for (int k = 0; k + 1 < kChangeHistoryDepth; ++k) {
                changeHistoryX[k][i][j] = changeHistoryX[k + 1][i][j];
                changeHistoryY[k][i][j] = changeHistoryY[k + 1][i][j];
            }
            changeHistoryX[kChangeHistoryDepth - 1][i][j] = bx;
            changeHistoryY[kChangeHistoryDepth - 1][i][j] = by;
        }
    }
}

void MakeSpanMarks()
{
    const int rows = StatRows();
    const int columns = StatColumns();
    for (const auto& pair : kSpans)
        for (const ChangeSpanMaps& s : pair)
            for (int i = 0; i < rows; ++i)
                for (int j = 0; j < columns; ++j) {
                    const uint8_t a = s.history[s.olderLayer][i][j];
                    const uint8_t b = s.history[s.newerLayer][i][j];
                    int8_t mark = 0;
                    if (a == 1 && b == 0) {
                        mark = 1;
                        CountUp(s.vanish[i][j]);
                    } else if (a == 0 && b == 1) {
                        mark = -1;
                        CountUp(s.appear[i][j]);
                    }
                    s.mark[i][j] = mark;
                }
    RecomputeNetMaps();
}

void RecomputeNetMaps()
{
    for (const auto& pair : kSpans)
        for (const ChangeSpanMaps& s : pair)
            for (int i = 0; i < kStatSide; ++i)
                for (int j = 0; j < kStatSide; ++j)
                    s.net[i][j] = Difference(s.vanish[i][j], s.appear[i][j]);
}

void ResetChangeStatistics()
{
    for (const auto& pair : kSpans)
        for (const ChangeSpanMaps& s : pair) {
            std::memset(s.vanish, 0, sizeof(StatCountMap));
            std::memset(s.appear, 0, sizeof(StatCountMap));
        }
    std::memset(cellStatMap, 0, sizeof cellStatMap);
    std::memset(statMarkerMapA, 0, sizeof statMarkerMapA);
    std::memset(statMarkerMapB, 0, sizeof statMarkerMapB);
    std::memset(statMarkerMapC, 0, sizeof statMarkerMapC);
}
