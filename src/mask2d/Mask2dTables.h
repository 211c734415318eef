#pragma once
// The five point tables of the two-dimensional masks (5 to 9 points; table t
// belongs to item t of "n points") and the first extra point kept by its edits.
#include <cstdint>

struct Mask2dPoint {
    int32_t x = 0;   // column offset on the torus
    int32_t y = 0;   // row offset on the torus
};

constexpr int kMask2dTableCount = 5;
constexpr int kMask2dTableSlots = 10;

extern Mask2dPoint mask2dPointTables[kMask2dTableCount][kMask2dTableSlots];
extern int32_t extraPointX5;
extern int32_t extraPointY5;
extern int32_t mask2dPointCount;   // points of the current mask, 5..9

// Lays down the cross in its start-up order in tables 0 to 2 and the extra
// points of tables 1 and 2 from (extraPointX5, extraPointY5).
void LayStartupMask2dTables();
