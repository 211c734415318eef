#include "engine/StringTraces.h"

#include <algorithm>

uint8_t zeroTraceA[kTraceRows][kStringCells] = {};
uint8_t zeroTraceB[kTraceRows][kStringCells] = {};
uint8_t twoTraceA[kTraceRows][kStringCells] = {};
uint8_t twoTraceB[kTraceRows][kStringCells] = {};
uint8_t compareTraceA[kTraceRows][kStringCells] = {};
uint8_t compareTraceB[kTraceRows][kStringCells] = {};
int32_t zeroStepA[kTraceRows][kStringCells] = {};
int32_t zeroStepB[kTraceRows][kStringCells] = {};

int32_t lastHistoryRow = 0;
int32_t timeLimitHitCount = 0;
int32_t paintCellShiftY = 0;

void ClearTraces(int32_t length, bool resetZeroSteps) {
  length = std::clamp(length, 0, kStringCells);
  for (int r = 0; r < kTraceRows; ++r) {
    for (int i = 0; i < length; ++i) {
      zeroTraceA[r][i] = zeroTraceB[r][i] = 0;
      twoTraceA[r][i] = twoTraceB[r][i] = 0;
      compareTraceA[r][i] = compareTraceB[r][i] = 0;
      if (resetZeroSteps) zeroStepA[r][i] = zeroStepB[r][i] = -1;
    }
  }
}
