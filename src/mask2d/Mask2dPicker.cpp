#include "mask2d/Mask2dPicker.h"

#include <algorithm>
#include <climits>

int32_t zImageMouseX = 0;
int32_t zImageMouseY = 0;

Mask2dPoint Mask2dPickerPoint(int32_t x, int32_t y)
{
    // In 64 bits: a position far outside the picture must not overflow.
    const int64_t column = int64_t(x) / kMask2dPickerCell;
    const int64_t row = (int64_t(kMask2dPickerSide) - y) / kMask2dPickerCell;
    auto clamp = [](int64_t v) {
        return ClampMask2dCoordinate(int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)));
    };
    return {clamp(column), clamp(row)};
}
