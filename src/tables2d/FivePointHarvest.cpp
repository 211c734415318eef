#include "tables2d/FivePointHarvest.h"

#include "engine/GroupAlgebra.h"
#include "runs/RecordedRun.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables2d/GrowthEvents.h"
#include "tables2d/GrowthRun.h"
#include "tables2d/HarvestListing.h"

#include <algorithm>

namespace {

bool IsElement(int32_t v) { return v >= 0 && v <= 5; }

uint8_t LowByte(int32_t v) { return uint8_t(uint32_t(v) & 0xFFu); }

} // namespace

FivePointWalk WalkFivePointWindows(int32_t side, const Mask2dPoint (&cross)[5])
{
    FivePointWalk walk;
    const int32_t n = std::clamp(side, 0, kGrowthSide);
    // Event k + 1 is read for every window of event k.
    const int32_t lastEvent = std::min(historyRowCount, kGrowthEventPlanes) - 2;
    uint8_t key[5];
    for (int32_t k = 1; k <= lastEvent; ++k)
        for (int32_t i = 0; i < n; ++i)
            for (int32_t j = 0; j < n; ++j) {
                bool inGroup = true;
                for (int p = 0; p < 5; ++p) {
                    const int32_t e = growthEventElement1[k][WrapTorus(i + cross[p].y, n)][WrapTorus(j + cross[p].x, n)];
                    inGroup = inGroup && IsElement(e);
                    key[p] = uint8_t(e);
                }
                const int32_t c = growthEventElement1[k + 1][i][j];
                if (!inGroup || !IsElement(c)) {
                    ++walk.skippedWindows;
                    continue;
                }
                const int32_t d = growthFrontDiffIncrement[k][i][j];
                const int32_t index = KeyTableIndex(key, 5);
                ++walk.windows;

                if (c == 0) {
                    MarkNormalisedKey(5, index);
                    uint8_t& stored = tt5Value[index];
                    if (stored == kEmptyKeyValue) {
                        stored = LowByte(d);
                    } else if (int32_t(int8_t(stored)) != d) {
                        walk.conflict = true;
                        walk.event = k;
                        walk.i = i;
                        walk.j = j;
                        return walk;
                    }
                    continue;
                }
                LeftDivideKey5(int16_t(c), key[0], key[1], key[2], key[3], key[4]);
                MarkNormalisedKey(5, KeyTableIndex(quotientKey, 5));
                tt5Used[c * kKeys5 + index] = 1;
                tt5Value[c * kKeys5 + index] = LowByte(d);
            }
    return walk;
}
