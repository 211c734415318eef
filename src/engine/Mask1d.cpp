#include "engine/Mask1d.h"

#include <algorithm>

#include "base/NumericHelpers.h"

uint8_t mask1dLeftFlags[kMask1dMaxDistance] = {};
uint8_t mask1dRightFlags[kMask1dMaxDistance] = {};
int32_t mask1dLeftBits = 0;
int32_t mask1dRightBits = 0;
int32_t mask1dOffsetCount = 0;
int32_t mask1dOffsets[kNeighbourSlots] = {};
int32_t neighbourOffsets[kNeighbourSlots] = {};
int32_t neighbourCount = 0;
int32_t mask1dPointCount = 0;
int32_t mask1dPositions[10] = {};
int32_t mask1dDoubleLeftReach = 0;
int32_t mask1dCentreIndex = 0;

void BuildMask1dFlags(const Mask1dTicks& ticks) {
  mask1dLeftBits = 0;
  mask1dRightBits = 0;
  for (int d = 1; d <= kMask1dMaxDistance; ++d) {
    mask1dLeftFlags[d - 1] = ticks.left[d - 1] ? 1 : 0;
    mask1dRightFlags[d - 1] = ticks.right[d - 1] ? 1 : 0;
    if (ticks.left[d - 1]) mask1dLeftBits += 1 << (d - 1);
    if (ticks.right[d - 1]) mask1dRightBits += 1 << (d - 1);
  }
  int32_t count = 0;
  for (int d = kMask1dMaxDistance; d >= 1; --d)
    if (ticks.left[d - 1]) mask1dOffsets[count++] = -d;
  for (int d = 1; d <= kMask1dMaxDistance; ++d)
    if (ticks.right[d - 1]) mask1dOffsets[count++] = d;
  mask1dOffsetCount = count;
}

void BuildNeighbourList(const Mask1dTicks& ticks, Mask1dDirection direction) {
  mask1dPointCount = 0;
  if (direction == Mask1dDirection::None) return;
  int32_t count = 1;
  neighbourOffsets[0] = 0;
  auto append = [&count](int32_t offset) {
    if (count < kNeighbourSlots) neighbourOffsets[count++] = offset;
  };
  if (direction == Mask1dDirection::RightToLeft) {
    for (int d = kMask1dMaxDistance; d >= 1; --d)
      if (ticks.right[d - 1]) append(d);
    for (int d = 1; d <= kMask1dMaxDistance; ++d)
      if (ticks.left[d - 1]) append(-d);
  } else {
    for (int d = kMask1dMaxDistance; d >= 1; --d)
      if (ticks.left[d - 1]) append(-d);
    for (int d = 1; d <= kMask1dMaxDistance; ++d)
      if (ticks.right[d - 1]) append(d);
  }
  neighbourCount = count;
  mask1dPointCount = count;
}

int32_t NeighbourListLength(const Mask1dTicks& ticks, Mask1dDirection direction) {
  if (direction == Mask1dDirection::None) return 0;
  int32_t ticked = 0;
  for (int d = 0; d < kMask1dMaxDistance; ++d) ticked += int32_t(ticks.left[d]) + int32_t(ticks.right[d]);
  return 1 + std::min(ticked, kNeighbourSlots - 1);
}

void DeriveMask1dFromNeighbours() {
  const int32_t n = std::clamp(mask1dPointCount, 0, kNeighbourSlots);
  std::copy(neighbourOffsets, neighbourOffsets + n, mask1dOffsets);
  SortAscending(mask1dOffsets, n);
  for (int32_t i = 0; i < n && i < 10; ++i) mask1dPositions[i] = mask1dOffsets[i] - mask1dOffsets[0];
  // Taken from the first offset also when nothing was copied (no direction).
  mask1dDoubleLeftReach = -2 * mask1dOffsets[0];
  for (int32_t i = 0; i < n; ++i) {
    if (mask1dOffsets[i] == 0) {
      mask1dCentreIndex = i;
      break;
    }
  }
}
