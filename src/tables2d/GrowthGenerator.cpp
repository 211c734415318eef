#include "tables2d/GrowthGenerator.h"

#include <algorithm>

uint8_t isTableGenerator2dRunning = 0;

namespace {

struct HarvestMask {
    bool known = false;
    int item = -1;
    Mask2dPoint points[kMask2dTableSlots] = {};
};

HarvestMask harvestMask;

bool IsItem(int item) { return item >= 0 && item < kMask2dTableCount; }

bool SamePoint(const Mask2dPoint& a, const Mask2dPoint& b) { return a.x == b.x && a.y == b.y; }

} // namespace

void NoteHarvestMask(int item)
{
    harvestMask = {};
    if (!IsItem(item)) return;
    harvestMask.known = true;
    harvestMask.item = item;
    std::copy_n(mask2dPointTables[item], 5 + item, harvestMask.points);
}

bool HarvestMaskDiffers(int item)
{
    if (!harvestMask.known) return false;
    if (!IsItem(item) || item != harvestMask.item) return true;
    return !std::equal(harvestMask.points, harvestMask.points + 5 + item, mask2dPointTables[item], SamePoint);
}
