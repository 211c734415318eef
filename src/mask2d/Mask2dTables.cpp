#include "mask2d/Mask2dTables.h"

Mask2dPoint mask2dPointTables[kMask2dTableCount][kMask2dTableSlots] = {};
int32_t extraPointX5 = -1;
int32_t extraPointY5 = 1;
int32_t mask2dPointCount = 6;

void LayStartupMask2dTables()
{
    static constexpr Mask2dPoint cross[5] = {{0, 0}, {1, 0}, {0, 1}, {0, -1}, {-1, 0}};
    for (int t = 0; t < 3; ++t)
        for (int p = 0; p < 5; ++p)
            mask2dPointTables[t][p] = cross[p];
    mask2dPointTables[1][5] = {extraPointX5, extraPointY5};
    mask2dPointTables[2][5] = {extraPointX5, extraPointY5};
    mask2dPointTables[2][6] = {-extraPointX5, -extraPointY5};
}
