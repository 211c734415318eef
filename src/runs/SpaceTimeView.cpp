#include "runs/SpaceTimeView.h"

#include "engine/StringState.h"

#include <algorithm>

int32_t frontRowMarkA[kEventColumns] = {};
int32_t frontRowMarkB[kEventColumns] = {};
int32_t savedFrontRowMarks[3][2][kEventColumns] = {};
int32_t frontLow[kEventColumns] = {};
int32_t frontHigh[kEventColumns] = {};

int32_t& SmallerOf(int32_t& a, int32_t& b) { return a < b ? a : b; }
int32_t& LargerOf(int32_t& a, int32_t& b) { return a > b ? a : b; }

void ComputeShownFronts(int32_t k) {
  ComputeFrontsOfRow(k);
  const int32_t length = UsedStringLength();
  for (int32_t c = 0; c < length; ++c) {
    frontLow[c] = SmallerOf(frontStepA[c], frontStepB[c]);
    frontHigh[c] = LargerOf(frontStepA[c], frontStepB[c]);
  }
}

RowRange VisibleRows(const SpaceTimeGeometry& g, int64_t last, int32_t height) {
  RowRange r;
  if (g.h <= 0 || last < 0) return r;
  // Row t covers y(t) .. y(t) + h with y(t) = h * (t - scroll) + top.
  const int64_t h = g.h;
  const int64_t above = (int64_t{-g.top} - h) / h - 1;           // rows above the canvas start
  const int64_t below = (int64_t{height} - g.top) / h + 1;       // rows below the canvas end
  const int64_t first = std::max<int64_t>(0, int64_t{g.scroll} + above - 1);
  const int64_t lastShown = std::min<int64_t>(last, int64_t{g.scroll} + below + 1);
  if (first > lastShown) return r;
  r.first = static_cast<int32_t>(first);
  r.last = static_cast<int32_t>(lastShown);
  return r;
}
