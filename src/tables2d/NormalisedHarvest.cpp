#include "tables2d/NormalisedHarvest.h"

#include "base/GroupAlgebra.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables2d/HarvestListing.h"

#include <algorithm>
#include <array>

namespace {

// The walk of GrowthWindows.h for N points, with each window's quotient index
// summed while its cells are read: a harvest at the end of every run walks
// tens of thousands of windows, so this one walk is written out for speed.
template <int N>
GrowthWindowCounts WalkWindows(int32_t side, const Mask2dPoint* points, int32_t firstEvent, int32_t lastEvent)
{
    GrowthWindowCounts counts;
    const int32_t n = std::clamp(side, 0, kGrowthSide);
    firstEvent = std::max(firstEvent, 1);
    lastEvent = std::min(lastEvent, LastGrowthWindowEvent());

    // What cell p holding e adds to the index of the window's quotient when c
    // follows: the digit c \ e in place p (base 6, cell 0 most significant).
    // Slots 6 and 7 of e only keep the lookup inside the table; a window with
    // such a cell is skipped.
    int32_t digit[6][N][8] = {};
    int32_t place = 1;
    for (int p = N - 1; p >= 0; --p, place *= 6)
        for (int c = 0; c < 6; ++c)
            for (int e = 0; e < 6; ++e) digit[c][p][e] = GroupLeftDivide(c, e) * place;
    int32_t rowOf[N][kGrowthSide], columnOf[N][kGrowthSide];
    for (int p = 0; p < N; ++p)
        for (int32_t t = 0; t < n; ++t) {
            rowOf[p][t] = WrapTorus(t + points[p].y, n);
            columnOf[p][t] = WrapTorus(t + points[p].x, n);
        }
    // The keys this walk has found set already. The windows of a run repeat a
    // few hundred keys, whose flags lie anywhere in a table of up to 10 MB.
    constexpr int kSeenBits = 12;
    std::array<int32_t, 1 << kSeenBits> seen;
    seen.fill(-1);

    const KeyTable table = KeyTableOf(N);
    int32_t lastK = -1, lastI = 0, lastJ = 0;
    for (int32_t k = firstEvent; k <= lastEvent; ++k)
        for (int32_t i = 0; i < n; ++i) {
            const int32_t* rows[N];
            for (int p = 0; p < N; ++p) rows[p] = growthEventElement1[k][rowOf[p][i]];
            const int32_t* next = growthEventElement1[k + 1][i];
            for (int32_t j = 0; j < n; ++j) {
                const int32_t c = next[j];
                if (uint32_t(c) > 5u) {
                    ++counts.skippedWindows;
                    continue;
                }
                int32_t index = 0;
                uint32_t outside = 0;
                for (int p = 0; p < N; ++p) {
                    const int32_t e = rows[p][columnOf[p][j]];
                    outside |= uint32_t(uint32_t(e) > 5u);
                    index += digit[c][p][e & 7];
                }
                if (outside) {
                    ++counts.skippedWindows;
                    continue;
                }
                ++counts.windows;
                int32_t& slot = seen[(uint32_t(index) * 2654435761u) >> (32 - kSeenBits)];
                if (slot != index) {
                    MarkNormalisedKey(N, index);
                    slot = index;
                }
                if (table.value) {
                    // Unsigned negation: the low byte of -d also for d = INT32_MIN.
                    const uint32_t d = uint32_t(growthFrontDiffIncrement[k][i][j]);
                    table.value[index] = uint8_t((c <= 2 ? d : 0u - d) & 0xFFu);
                }
                lastK = k;
                lastI = i;
                lastJ = j;
            }
        }
    // The divider leaves the quotient of the last window behind.
    if (lastK >= 0) {
        const int32_t c = growthEventElement1[lastK + 1][lastI][lastJ];
        for (int p = 0; p < N; ++p)
            quotientKey[p] =
                uint8_t(GroupLeftDivide(c, growthEventElement1[lastK][rowOf[p][lastI]][columnOf[p][lastJ]]));
    }
    return counts;
}

} // namespace

GrowthWindowCounts WalkNormalisedWindows(int32_t side, const Mask2dPoint* points, int pointCount,
                                         int32_t firstEvent, int32_t lastEvent)
{
    switch (pointCount) {
    case 6: return WalkWindows<6>(side, points, firstEvent, lastEvent);
    case 7: return WalkWindows<7>(side, points, firstEvent, lastEvent);
    case 8: return WalkWindows<8>(side, points, firstEvent, lastEvent);
    case 9: return WalkWindows<9>(side, points, firstEvent, lastEvent);
    default: return {};
    }
}
