#include "tables2d/NormalisedHarvest.h"

#include "base/GroupAlgebra.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables2d/HarvestListing.h"

GrowthWindowCounts WalkNormalisedWindows(int32_t side, const Mask2dPoint* points, int pointCount)
{
    if (pointCount < kNormalisedHarvestMinPoints || pointCount > kHarvestMaxPoints) return {};
    return ForEachGrowthWindow(side, points, pointCount, [pointCount](const GrowthWindow& w) {
        for (int p = 0; p < pointCount; ++p) quotientKey[p] = uint8_t(GroupLeftDivide(w.next, w.key[p]));
        const int32_t index = KeyTableIndex(quotientKey, pointCount);
        MarkNormalisedKey(pointCount, index);
        if (uint8_t* value = NormalisedKeyValue(pointCount, index)) {
            // Unsigned negation: the low byte of -d also for d = INT32_MIN.
            const uint32_t d = uint32_t(w.output);
            *value = uint8_t((w.next <= 2 ? d : 0u - d) & 0xFFu);
        }
        return true;
    });
}
