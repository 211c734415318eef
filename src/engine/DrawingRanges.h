#pragma once
// The ranges in which the drawing settings that a user can type are kept: the
// edits store their numbers clamped (the text stays as typed). Within them every
// coordinate the pictures compute from these settings fits an int32 with room
// to spare, and the canvas ignores whatever lies off the image.
#include <algorithm>
#include <cstdint>

// A cell is 0 to 1000 pixels wide or high: the largest still fits whole on the
// main window's canvas (1600 x 1000); 0 draws nothing.
constexpr int32_t kMaxCellSize = 1000;

// Draw origins and shifts lie within a million pixels either side of the
// canvas: far beyond anything that can be seen, and origin + shift + 27 cells
// of the largest size stay far inside int32.
constexpr int32_t kMaxDrawOffset = 1000000;

// Where a computed coordinate is bounded before it goes to the canvas: far off
// every image, with room for the few pixels the figures add to it.
constexpr int64_t kFarOffCanvas = int64_t{1} << 30;

inline int32_t ClampCellSize(int32_t v) { return std::clamp(v, 0, kMaxCellSize); }
inline int32_t ClampDrawOffset(int32_t v) { return std::clamp(v, -kMaxDrawOffset, kMaxDrawOffset); }
inline int32_t ClampFarOff(int64_t v) { return static_cast<int32_t>(std::clamp(v, -kFarOffCanvas, kFarOffCanvas)); }
inline int32_t ClampFarOff(double v) {
  return static_cast<int32_t>(std::clamp(v, -static_cast<double>(kFarOffCanvas), static_cast<double>(kFarOffCanvas)));
}
