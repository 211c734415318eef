#include "base/PointLists.h"

#include <algorithm>

int32_t cPointCount = 0;
int16_t cPointX[kPointListCapacity] = {};
int16_t cPointY[kPointListCapacity] = {};
int32_t bPointCount = 0;
int16_t bPointX[kPointListCapacity] = {};
int16_t bPointY[kPointListCapacity] = {};

int32_t PointListLength(int32_t count) { return std::clamp(count, 0, kPointListCapacity); }
