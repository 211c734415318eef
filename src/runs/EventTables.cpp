#include "runs/EventTables.h"

#include <algorithm>

#include "engine/StringState.h"
#include "runs/RecordedRun.h"

EventTable eventValueA, eventValueB;
EventTable eventStepA, eventStepB;
EventTable twoEventStepA, twoEventStepB;
EventTable zeroEventStepA, zeroEventStepB;
EventTable eventElementA, eventElementB;
EventTable eventFrontDiff;
EventTable eventFrontDiffIncrement;

int32_t frontTwoA[kEventColumns], frontZeroA[kEventColumns];
int32_t frontZeroB[kEventColumns], frontTwoB[kEventColumns];
int32_t frontStepA[kEventColumns], frontStepB[kEventColumns];

namespace {

// The events of one column; returns its event count.
int32_t ExtractColumn(const uint8_t (*rows)[kStringCells], int32_t stopTime, int32_t c, EventTable& value,
                      EventTable& step, EventTable& twoStep, EventTable& zeroStep) {
  const int32_t lastRow = std::min(stopTime, kPrTableRows);
  int32_t k = 0;
  for (int32_t t = 0; t < lastRow && k < kEventRows; ++t) {
    const uint8_t cell = rows[t][c];
    if (cell == 1) continue;
    value[k][c] = cell;
    if (cell == 2) {
      twoStep[k][c] = t;
      zeroStep[k][c] = -1;
    } else {
      twoStep[k][c] = -1;
      zeroStep[k][c] = t;
    }
    step[k][c] = t;
    ++k;
  }
  return k;
}

}  // namespace

int32_t UsableEventRows() { return std::clamp(historyRowCount, 0, kEventRows); }

void ExtractEvents() {
  const int32_t length = UsedStringLength();
  for (int32_t c = 0; c < length; ++c)
    ExtractColumn(prTableA, stopTimeA, c, eventValueA, eventStepA, twoEventStepA, zeroEventStepA);
  int32_t lastColumnCount = 0;
  for (int32_t c = 0; c < length; ++c)
    lastColumnCount = ExtractColumn(prTableB, stopTimeB, c, eventValueB, eventStepB, twoEventStepB, zeroEventStepB);
  historyRowCount = lastColumnCount;
}

void ComputeEventElements() {
  const int32_t length = UsedStringLength();
  const int32_t rows = UsableEventRows();
  for (int32_t k = 0; k < rows; ++k) {
    for (int32_t c = 0; c < length; ++c) {
      eventElementA[k][c] = eventStepA[k][c] % 3 + (eventValueA[k][c] == 0 ? 3 : 0);
      eventElementB[k][c] = eventStepB[k][c] % 3 + (eventValueB[k][c] == 0 ? 3 : 0);
    }
  }
}

void ComputeFrontsOfRow(int32_t k) {
  std::fill(std::begin(frontTwoA), std::end(frontTwoA), -1);
  std::fill(std::begin(frontZeroA), std::end(frontZeroA), -1);
  std::fill(std::begin(frontZeroB), std::end(frontZeroB), -1);
  std::fill(std::begin(frontTwoB), std::end(frontTwoB), -1);
  const int32_t length = UsedStringLength();
  const bool inside = k >= 0 && k < kEventRows;
  for (int32_t c = 0; c < length; ++c) {
    if (inside) {
      if (twoEventStepA[k][c] == -1)
        frontTwoB[c] = twoEventStepB[k][c];
      else
        frontTwoA[c] = twoEventStepA[k][c];
      if (zeroEventStepA[k][c] == -1)
        frontZeroB[c] = zeroEventStepB[k][c];
      else
        frontZeroA[c] = zeroEventStepA[k][c];
    }
    frontStepA[c] = frontTwoA[c] >= 0 ? frontTwoA[c] : frontZeroA[c];
    frontStepB[c] = frontZeroB[c] >= 0 ? frontZeroB[c] : frontTwoB[c];
  }
}

void ComputeFrontsAndOutputs() {
  const int32_t length = UsedStringLength();
  const int32_t rows = UsableEventRows();
  for (int32_t k = 0; k < rows; ++k) {
    ComputeFrontsOfRow(k);
    for (int32_t c = 0; c < length; ++c) eventFrontDiff[k][c] = frontStepA[c] - frontStepB[c];
  }
  for (int32_t k = 0; k + 1 < rows; ++k)
    for (int32_t c = 0; c < length; ++c) eventFrontDiffIncrement[k][c] = eventFrontDiff[k + 1][c] - eventFrontDiff[k][c];
  if (rows > 0)
    for (int32_t c = 0; c < length; ++c) eventFrontDiffIncrement[rows - 1][c] = kLastEventRowMark;
}
