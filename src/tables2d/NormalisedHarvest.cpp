#include "tables2d/NormalisedHarvest.h"

#include "engine/GroupAlgebra.h"
#include "runs/RecordedRun.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables2d/GrowthEvents.h"
#include "tables2d/GrowthRun.h"
#include "tables2d/HarvestListing.h"

#include <algorithm>

namespace {

bool IsElement(int32_t v) { return v >= 0 && v <= 5; }

// The low byte of a value; negation wraps, so that the lowest int32 negates
// to itself as the byte arithmetic would.
uint8_t LowByte(uint32_t v) { return uint8_t(v & 0xFFu); }

} // namespace

NormalisedWalk WalkNormalisedWindows(int32_t side, const Mask2dPoint* points, int pointCount)
{
    NormalisedWalk walk;
    if (pointCount < 6 || pointCount > 9) return walk;
    const int32_t n = std::clamp(side, 0, kGrowthSide);
    // Event k + 1 is read for every window of event k.
    const int32_t lastEvent = std::min(historyRowCount, kGrowthEventPlanes) - 2;
    uint8_t divide[6][6];
    for (int c = 0; c < 6; ++c)
        for (int e = 0; e < 6; ++e) divide[c][e] = uint8_t(GroupLeftDivide(c, e));

    uint8_t key[kMask2dTableSlots];
    for (int32_t k = 1; k <= lastEvent; ++k)
        for (int32_t i = 0; i < n; ++i)
            for (int32_t j = 0; j < n; ++j) {
                const int32_t c = growthEventElement1[k + 1][i][j];
                bool inGroup = IsElement(c);
                for (int p = 0; p < pointCount && inGroup; ++p) {
                    const int32_t e =
                        growthEventElement1[k][WrapTorus(i + points[p].y, n)][WrapTorus(j + points[p].x, n)];
                    inGroup = IsElement(e);
                    if (inGroup) key[p] = divide[c][e];
                }
                if (!inGroup) {
                    ++walk.skippedWindows;
                    continue;
                }
                ++walk.windows;
                const int32_t index = KeyTableIndex(key, pointCount);
                MarkNormalisedKey(pointCount, index);
                if (uint8_t* value = NormalisedKeyValue(pointCount, index)) {
                    const uint32_t d = uint32_t(growthFrontDiffIncrement[k][i][j]);
                    *value = LowByte(c >= 3 ? 0u - d : d);
                }
            }
    return walk;
}
