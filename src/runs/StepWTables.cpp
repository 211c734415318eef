#include "runs/StepWTables.h"

#include <algorithm>

#include "base/GrowthEvents.h"
#include "engine/StringState.h"
#include "runs/EventTables.h"
#include "runs/RecordedRun.h"

int32_t stGrTableA[kStGrRows][kStGrColumns] = {};
int32_t stGrTableB[kStGrRows][kStGrColumns] = {};

int32_t StepWShownRows() { return std::clamp(historyRowCount, 0, kStGrRows); }

void FillStepWTables1d(int item) {
  const int32_t rows = StepWShownRows();
  const int32_t length = UsedStringLength();
  for (int32_t k = 0; k < rows; ++k) {
    for (int32_t c = 0; c < length; ++c) {
      switch (item) {
        case kViewValues:
          stGrTableA[k][c] = eventValueA[k][c];
          stGrTableB[k][c] = eventValueB[k][c];
          break;
        case kViewSteps:
          if (k == 0) break;
          stGrTableA[k][c] = eventStepA[k][c];
          stGrTableB[k][c] = eventStepB[k][c];
          break;
        case kViewElements:
          stGrTableA[k][c] = eventElementA[k][c];
          stGrTableB[k][c] = eventElementB[k][c];
          break;
        case kViewStepGaps:
          stGrTableA[k][c] = 2 * (eventStepA[k + 1][c] - eventStepA[k][c]) - 3;
          stGrTableB[k][c] = 2 * (eventStepB[k + 1][c] - eventStepB[k][c]) - 3;
          break;
        case kViewElementsPlus3:
          stGrTableA[k][c] = eventElementA[k][c] + (eventValueA[k][c] == 0 ? 3 : 0);
          break;
        default:
          return;
      }
    }
  }
}

void ReduceEventStepsAToPhases() {
  const int32_t rows = UsableEventRows();
  for (int32_t k = 0; k < rows; ++k)
    for (int32_t c = 0; c < kEventColumns; ++c) eventStepA[k][c] %= 3;
}

void FillStepWTables2d(int item, int32_t plane) {
  if (item < 0 || item > 6) return;
  const int32_t k = static_cast<int16_t>(plane);
  const bool inside = k >= 0 && k < kGrowthEventPlanes;
  const int32_t side = std::min(UsedStringLength(), kGrowthSide);
  auto signed16 = [](uint16_t v) { return static_cast<int32_t>(static_cast<int16_t>(v)); };
  for (int32_t r = 0; r < side; ++r) {
    for (int32_t c = 0; c < side; ++c) {
      int32_t a = 0, b = 0;
      if (inside) {
        switch (item) {
          case 0: a = growthEventState1[k][r][c]; b = growthEventState2[k][r][c]; break;
          case 1: a = growthEventStep1[k][r][c]; b = growthEventStep2[k][r][c]; break;
          case 2: a = growthEventElement1[k][r][c]; b = growthEventElement2[k][r][c]; break;
          case 3: a = signed16(growthTwoEventStep1[k][r][c]); b = signed16(growthZeroEventStep1[k][r][c]); break;
          case 4: a = signed16(growthTwoEventStep2[k][r][c]); b = signed16(growthZeroEventStep2[k][r][c]); break;
          case 5: a = growthFrontStep1[k][r][c]; b = growthFrontStep2[k][r][c]; break;
          default: a = growthFrontDiff[k][r][c]; b = growthFrontDiffIncrement[k][r][c]; break;
        }
      }
      stGrTableA[r][c] = a;
      stGrTableB[r][c] = b;
    }
  }
}
