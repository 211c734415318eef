#pragma once
// The picker picture of tab "ANY II": a 6 x 6 grid of 40-pixel cells whose
// rows are numbered from the bottom. A press places the first extra point on
// the cell under the last pointer position.
#include "mask2d/Mask2dTables.h"

constexpr int kMask2dPickerCell = 40;
constexpr int kMask2dPickerCells = 6;
constexpr int kMask2dPickerSide = kMask2dPickerCell * kMask2dPickerCells;

// Last pointer position over the picture, in its pixels; (0, 0) until the
// pointer first moves over it.
extern int32_t zImageMouseX;
extern int32_t zImageMouseY;

// The cell of pixel (x, y): column x div 40 and row (240 - y) div 40, both
// truncated toward zero, clamped to the coordinate limit. The top pixel row
// gives row 6, one above the numbered rows.
Mask2dPoint Mask2dPickerPoint(int32_t x, int32_t y);
