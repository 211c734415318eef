#include "runs/SpaceTimeView.h"

#include "engine/StringState.h"

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
