#pragma once
// Size of the video frames: the area copied from the canvas, top-left at (0, 0).
// SetFrameSizeFromItem maps an item of the video window's "Size" group to its
// size; an item outside 0..11 leaves the size as it is.
#include <cstdint>

constexpr int kFrameSizeItemCount = 12;

extern int32_t frameWidth;    // 352 at start
extern int32_t frameHeight;   // 704 at start

void SetFrameSizeFromItem(int item);
