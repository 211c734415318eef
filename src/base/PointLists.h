#pragma once
// The C and B point lists of the square (16-bit coordinates, 4900 entries
// each). In one dimension only the X lists are used, each a cell of string A.
// The counts may be set from edits; readers use PointListLength to stay
// inside the 4900 entries.

#include <cstdint>

constexpr int kPointListCapacity = 4900;

extern int32_t cPointCount;
extern int16_t cPointX[kPointListCapacity];
extern int16_t cPointY[kPointListCapacity];
extern int32_t bPointCount;
extern int16_t bPointX[kPointListCapacity];
extern int16_t bPointY[kPointListCapacity];

// count clamped to 0..kPointListCapacity.
int32_t PointListLength(int32_t count);
