#include "runs/RecordedRun.h"

#include <algorithm>
#include <cstring>

#include "base/MainMode.h"
#include "base/NumericHelpers.h"
#include "base/RunControls.h"
#include "base/StringLength.h"
#include "engine/StringEngine.h"
#include "engine/StringPaint.h"
#include "engine/StringStart.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "runs/RunViewState.h"

uint8_t prTableA[kPrTableRows][kStringCells] = {};
uint8_t prTableB[kPrTableRows][kStringCells] = {};
uint8_t isRunSuccessful = 0;
int32_t historyRowCount = 0;
int32_t trialTickCount = 0;
uint8_t isRunHalted = 0;
uint8_t isLoadedFromPatternFile = 0;
uint8_t stringAStartTwos[kStringCells] = {};

void ResetRecordedRun() {
  ClearTraces(kStringCells, true);
  std::fill(std::begin(balanceA), std::end(balanceA), 0);
  std::fill(std::begin(balanceB), std::end(balanceB), 0);
  std::fill(std::begin(localTimeA), std::end(localTimeA), 0);
  std::fill(std::begin(localTimeB), std::end(localTimeB), 0);
  stopTimeA = stopTimeB = 0;
  isStoppedStringASaved = isStoppedStringBSaved = 0;
  stringAStopState = stringBStopState = 0;
  isRunHalted = 0;
  drawOriginX = 0;
  cycleCount = 0;
  stepCount = 0;
  isLoadedFromPatternFile = 0;
  mainModeIndex = 0;
  stepsPerRun = 1;
  isSingleStep = 1;
}

void MakeRecordedRunStart() {
  const int32_t length = UsedStringLength();
  std::fill(stringA, stringA + length, uint8_t{2});
  // The run makes A afresh below; the point lists are drawn all the same so
  // that their draws come first in the generator's sequence.
  DrawRandomPointLists();
  RandomizeStringA();
  TakeStartString();
  for (int32_t i = 0; i < kStringCells; ++i) stringAStartTwos[i] = stringA[i] == 2 ? 1 : 0;
}

void BeginRecordedRows() {
  seriesStepCount = 0;
  std::copy(stringA, stringA + kStringCells, prTableA[0]);
  std::copy(stringB, stringB + kStringCells, prTableB[0]);
}

namespace {

// The balance and local-time counters of the steps a string runs, kept per cell
// as the number of those steps that left it at 2 and added to the counters once:
// the sums the steps one by one would make (both wrap around in 32 bits), without
// touching every counter at every step of a run of hundreds.
struct RunningCounters {
  int32_t steps = 0;
  int32_t twos[kStringCells] = {};

  void count(const uint8_t* cells, int32_t length) {
    ++steps;
    for (int32_t i = 0; i < length; ++i) twos[i] += cells[i] == 2;
  }
  void addTo(int32_t* balance, int32_t* localTime, int32_t length) const {
    for (int32_t i = 0; i < length; ++i) {
      const uint32_t two = uint32_t(twos[i]), other = uint32_t(steps) - two;
      balance[i] = AddWrapping(balance[i], int32_t(2u * two - other));
      localTime[i] = AddWrapping(localTime[i], int32_t(2u * two + other));
    }
  }
};

}  // namespace

RecordedRunResult RunRecordedSteps(const RecordedRunSettings& s, const std::function<void()>& afterRow,
                                   const std::function<void()>& afterStep) {
  const int32_t length = UsedStringLength();
  const ExcitedCells excited(length, s.mask, s.border);
  // The counters are brought up to date however the run ends.
  struct Counters {
    RunningCounters a, b;
    int32_t length;
    ~Counters() {
      a.addTo(balanceA, localTimeA, length);
      b.addTo(balanceB, localTimeB, length);
    }
  } counters{{}, {}, length};
  RecordedRunResult result;
  int32_t row = 0;
  bool goOn = true;
  while (goOn) {
    ++seriesStepCount;
    isRunSuccessful = 0;
    // A string's counters follow the steps it takes while it runs (stop state 0).
    StepString(stringA, stringANext, excited);
    if (stringAStopState == 0) counters.a.count(stringA, length);
    StepString(stringB, stringBNext, excited);
    if (stringBStopState == 0) counters.b.count(stringB, length);
    stepCount += isTimeReversed ? -1 : 1;
    // With "unStop" the no-zero test only keeps the stopped copy.
    TestNoZeroStop(stringA, length, kStringCells, !s.unStop, StopRecordA());
    TestNoZeroStop(stringB, length, kStringCells, !s.unStop, StopRecordB());
    if (s.unStop) {
      if (stepCount > stopStepA) {
        stringAStopState = 1;
        stopTimeA = stopStepA;
      }
      if (stepCount > stopStepB) {
        stringBStopState = 1;
        stopTimeB = stopStepB;
      }
    }
    if (afterStep) afterStep();
    // With "unStop" the stop times already are the stop steps: a string stops
    // only where its stop step is passed, which sets its stop time with it.
    if (stringAStopState != 0 && stringBStopState != 0 && stepCount > 2) {
      isRunSuccessful = 1;
      goOn = false;
    }
    if (row >= kRecordedRowLimit) {
      isRunSuccessful = 0;
      result.rowsWritten = row;
      return result;
    }
    // Rows of a known size, copied in place rather than by a call per row.
    std::memcpy(prTableA[row], stringA, kStringCells);
    std::memcpy(prTableB[row], stringB, kStringCells);
    ++row;
    if (afterRow) afterRow();
  }
  result.finished = isRunSuccessful != 0;
  result.rowsWritten = row;
  return result;
}

void AcknowledgeStops() {
  if (stringAStopState == 1) stringAStopState = 2;
  if (stringBStopState == 1) stringBStopState = 2;
}

int32_t StopTimeThird() { return static_cast<int32_t>((int64_t{stopTimeA} + stopTimeB) / 3); }
