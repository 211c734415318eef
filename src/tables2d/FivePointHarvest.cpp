#include "tables2d/FivePointHarvest.h"

#include "base/GroupAlgebra.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables2d/GrowthWindows.h"
#include "tables2d/HarvestListing.h"

namespace {

uint8_t LowByte(int32_t v) { return uint8_t(uint32_t(v) & 0xFFu); }

} // namespace

FivePointWalk WalkFivePointWindows(int32_t side, const Mask2dPoint (&cross)[5], int32_t firstEvent,
                                   int32_t lastEvent)
{
    FivePointWalk walk;
    const GrowthWindowCounts counts = ForEachGrowthWindow(side, cross, 5, [&](const GrowthWindow& w) {
        const int32_t index = KeyTableIndex(w.key, 5);
        const int32_t c = w.next;
        if (c == 0) {
            MarkNormalisedKey(5, index);
            uint8_t& stored = tt5Value[index];
            if (stored == kEmptyKeyValue) {
                stored = LowByte(w.output);
            } else if (int32_t(int8_t(stored)) != w.output) {
                walk.conflict = true;
                walk.event = w.event;
                walk.i = w.i;
                walk.j = w.j;
                return false;
            }
            return true;
        }
        LeftDivideKey5(int16_t(c), w.key[0], w.key[1], w.key[2], w.key[3], w.key[4]);
        MarkNormalisedKey(5, KeyTableIndex(quotientKey, 5));
        tt5Used[c * kKeys5 + index] = 1;
        tt5Value[c * kKeys5 + index] = LowByte(w.output);
        return true;
    }, firstEvent, lastEvent);
    walk.windows = counts.windows;
    walk.skippedWindows = counts.skippedWindows;
    return walk;
}
