#pragma once
// Geometry and remembered marks of the space-time picture of a recorded run:
// cell (c, t) has its left edge at w*c and its top edge at h*(t - s) + T (s
// the first drawn step row, T the picture's top); the front marks record the
// row at which each column's front cell was last drawn, for the hatch marks.
#include <cstdint>

#include "runs/EventTables.h"

extern int32_t frontRowMarkA[kEventColumns];
extern int32_t frontRowMarkB[kEventColumns];
// The marks kept by "u1u5u12 197" for event rows 1, 5 and 12: [pair][0] is
// frontRowMarkB, [pair][1] frontRowMarkA.
extern int32_t savedFrontRowMarks[3][2][kEventColumns];
// Per column the smaller and the larger of frontStepA and frontStepB of the
// shown event row.
extern int32_t frontLow[kEventColumns];
extern int32_t frontHigh[kEventColumns];

// The smaller (larger) of two values by reference; the second when equal.
int32_t& SmallerOf(int32_t& a, int32_t& b);
int32_t& LargerOf(int32_t& a, int32_t& b);

struct SpaceTimeGeometry {
  int32_t w = 25, h = 25;   // cellWidth, cellHeight
  int32_t top = 49;         // fieldDrawTop
  int32_t scroll = 0;       // viewScrollRow

  int32_t left(int32_t c) const { return w * c; }
  int32_t y(int32_t t) const { return h * (t - scroll) + top; }
  int32_t cx(int32_t c) const { return (2 * w * c + w) / 2; }
  int32_t cy(int32_t t) const { return top + (2 * h * (t - scroll) + h) / 2; }
};

// The rows 0..last whose cells can reach a canvas of the given height when drawn
// with this geometry, with a row to spare either side for the links that reach into
// the next row; first > last when there are none (also for a cell height of 0 or
// less). A long run, or a stop time far beyond the rows, costs only what can be seen.
struct RowRange {
  int32_t first = 0, last = -1;
};
RowRange VisibleRows(const SpaceTimeGeometry& g, int64_t last, int32_t height);

// The fronts of event row k (ComputeFrontsOfRow) and frontLow / frontHigh.
void ComputeShownFronts(int32_t k);
