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

// The events of every column of one string; returns the event count of the
// last column. The rows are walked once, each column keeping its own count:
// the same events as column by column, read in the order the tables are laid
// out. A column's entries past its own count keep what earlier runs left.
int32_t ExtractColumns(const uint8_t (*rows)[kStringCells], int32_t stopTime, int32_t length, EventTable& value,
                       EventTable& step, EventTable& twoStep, EventTable& zeroStep) {
  const int32_t lastRow = std::min(stopTime, kPrTableRows);
  int32_t count[kStringCells] = {};
  for (int32_t t = 0; t < lastRow; ++t) {
    for (int32_t c = 0; c < length; ++c) {
      const uint8_t cell = rows[t][c];
      if (cell == 1 || count[c] >= kEventRows) continue;
      const int32_t k = count[c]++;
      const bool two = cell == 2;
      value[k][c] = cell;
      twoStep[k][c] = two ? t : -1;
      zeroStep[k][c] = two ? -1 : t;
      step[k][c] = t;
    }
  }
  return length > 0 ? count[length - 1] : 0;
}

}  // namespace

int32_t UsableEventRows() { return std::clamp(historyRowCount, 0, kEventRows); }

void ExtractEvents() {
  const int32_t length = UsedStringLength();
  ExtractColumns(prTableA, stopTimeA, length, eventValueA, eventStepA, twoEventStepA, zeroEventStepA);
  historyRowCount = ExtractColumns(prTableB, stopTimeB, length, eventValueB, eventStepB, twoEventStepB, zeroEventStepB);
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
  // The fronts of every row, cell by cell as ComputeFrontsOfRow finds them; the
  // front arrays are then left as that row-by-row walk leaves them, at the last row.
  // Every cell reads all four tables, so that the choices are selections rather
  // than branches.
  for (int32_t k = 0; k < rows; ++k) {
    for (int32_t c = 0; c < length; ++c) {
      const int32_t twoA = twoEventStepA[k][c], zeroA = zeroEventStepA[k][c];
      const int32_t twoOfB = twoEventStepB[k][c], zeroOfB = zeroEventStepB[k][c];
      const int32_t twoB = twoA == -1 ? twoOfB : -1;
      const int32_t zeroB = zeroA == -1 ? zeroOfB : -1;
      const int32_t stepA = twoA >= 0 ? twoA : zeroA;
      const int32_t stepB = zeroB >= 0 ? zeroB : twoB;
      eventFrontDiff[k][c] = stepA - stepB;
    }
  }
  if (rows > 0) ComputeFrontsOfRow(rows - 1);
  for (int32_t k = 0; k + 1 < rows; ++k)
    for (int32_t c = 0; c < length; ++c) eventFrontDiffIncrement[k][c] = eventFrontDiff[k + 1][c] - eventFrontDiff[k][c];
  if (rows > 0)
    for (int32_t c = 0; c < length; ++c) eventFrontDiffIncrement[rows - 1][c] = kLastEventRowMark;
}
