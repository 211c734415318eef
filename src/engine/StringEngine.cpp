#include "engine/StringEngine.h"

#include <algorithm>

#include "engine/NumericHelpers.h"
#include "engine/Random.h"
#include "engine/RunControls.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "lattice/TrialBatch.h"

namespace {

// Steps one string and, while it runs, its balance and local time.
void StepOneString(uint8_t* cells, uint8_t* next, int32_t length, uint8_t stopState, int32_t* balance,
                   int32_t* localTime, const StringStepSettings& s) {
  for (int32_t i = 0; i < length; ++i)
    next[i] = NextCellValue(cells[i],
                            CountZerosAround(cells, length, i, s.mask, s.border, leftZeroCounts, rightZeroCounts));
  std::copy(next, next + length, cells);
  if (stopState != 0) return;
  AdvanceCellCounters(cells, length, balance, localTime);
}

// Counts the cells and takes the stop record of a string without a 0 cell.
void CheckStop(const uint8_t* cells, int32_t length, int32_t& zeros, int32_t& ones, int32_t& twos,
               uint8_t& saved, uint8_t* stopped, uint8_t& stopState, int32_t& stopTime) {
  zeros = ones = twos = 0;
  for (int32_t i = 0; i < length; ++i) {
    if (cells[i] == 0) ++zeros;
    else if (cells[i] == 1) ++ones;
    else ++twos;
  }
  if (zeros != 0 || stepCount < 2 || stopState != 0) return;
  if (saved == 0) {
    std::copy(cells, cells + length, stopped);
    saved = 1;
  }
  stopState = 1;
  stopTime = stepCount;
}

bool BothStopped() { return stringAStopState != 0 && stringBStopState != 0; }

void AddParity(int32_t time, int oddCount, int evenCount) {
  const int at = (time % 2 != 0) ? oddCount : evenCount;
  trialStatistics[at] += 1;
  trialStatistics[at + 1] += time;
}

}  // namespace

void StepStrings(const StringStepSettings& s) {
  const int32_t length = UsedStringLength();
  StepOneString(stringA, stringANext, length, stringAStopState, balanceA, localTimeA, s);
  StepOneString(stringB, stringBNext, length, stringBStopState, balanceB, localTimeB, s);
  stepCount += isTimeReversed ? -1 : 1;
  if (s.stopAt101 && stepCount >= 101) stringAStopState = stringBStopState = 1;
  CheckStop(stringA, length, zeroCellCountA, oneCellCountA, twoCellCountA, isStoppedStringASaved, stoppedStringA,
            stringAStopState, stopTimeA);
  CheckStop(stringB, length, zeroCellCountB, oneCellCountB, twoCellCountB, isStoppedStringBSaved, stoppedStringB,
            stringBStopState, stopTimeB);
}

StringBatchResult RunStringBatch(const StringStepSettings& s, bool trialMode) {
  StringBatchResult result;
  ++seriesStepCount;
  while (result.stepsDone < (isSingleStep ? 1 : stepsPerRun)) {
    StepStrings(s);
    ++result.stepsDone;
    if (!trialMode) {
      if (BothStopped() && stepCount >= 3) {
        result.end = StringBatchEnd::RunFinished;
        return result;
      }
      continue;
    }
    if (!(BothStopped() && stepCount > 1) && stepCount <= stepLimit) continue;
    if (EndTrialRun()) {
      result.end = StringBatchEnd::TrialRunEnded;
      return result;
    }
    result.trialExperimentOver = true;
  }
  result.end = StringBatchEnd::LimitReached;
  return result;
}

bool EndTrialRun() {
  trialStatistics[5] += 1;
  if (trialStatistics[5] % 128 == 0) Randomize();
  if (trialStatistics[5] > trialLimit) return false;
  if (stepCount > stepLimit) {
    trialStatistics[6] += 1;
    return true;
  }
  const int32_t q = AbsInt(balanceA[0]) / 2;
  if (q == 0) {
    trialStatistics[9] += 1;
    RecordRunEnd();
    if (isStopAUnlikeStart == 0) {
      trialStatistics[11] += 1;
      trialStatistics[12] += stopTimeA;
      AddParity(stopTimeA, 15, 13);
    } else if (isBothStoppedAtStep3 == 0) {
      AddParity(stopTimeA, 20, 18);
    } else {
      trialStatistics[17] += 1;
    }
    return true;
  }
  trialStatistics[10] += 1;
  const int at = q == 1 ? 22 : q <= 4 ? 24 : 26;
  trialStatistics[at] += 1;
  trialStatistics[at + 1] += stopTimeA;
  return true;
}

void RecordRunEnd() {
  const int32_t length = UsedStringLength();
  isStopAUnlikeStart = 1;
  areStoppedStringsDisjoint = 1;
  for (int32_t i = 0; i < length; ++i) {
    if ((stringAStart[i] == 1 && stoppedStringA[i] == 1) || (stringAStart[i] == 2 && stoppedStringA[i] == 2))
      isStopAUnlikeStart = 0;
    if (stoppedStringB[i] == stoppedStringA[i]) areStoppedStringsDisjoint = 0;
  }
  if (!areStoppedStringsDisjoint) trialStatistics[2] += 1;
  if (balanceB[0] != -balanceA[0]) trialStatistics[3] += 1;
  if (AbsInt(balanceA[0] / 2) != AbsInt(stopTimeA - stopTimeB)) trialStatistics[4] += 1;
  isBothStoppedAtStep3 = (stopTimeA == 3 && stopTimeB == 3) ? 1 : 0;
}

void ComputeTraceMatches() {
  const int32_t length = UsedStringLength();
  const int32_t rows = std::clamp(lastHistoryRow, 0, kTraceRows);
  auto equal = [&](uint8_t (&a)[kTraceRows][kStringCells], uint8_t (&b)[kTraceRows][kStringCells]) -> uint8_t {
    for (int32_t r = 0; r < rows; ++r)
      for (int32_t i = 0; i < length; ++i)
        if (a[r][i] != b[r][i]) return 0;
    return 1;
  };
  traceMatchTwoBZeroA = equal(twoTraceB, zeroTraceA);
  traceMatchZeroBTwoA = equal(zeroTraceB, twoTraceA);
  traceMatchZeroACompareA = equal(zeroTraceA, compareTraceA);
  traceMatchZeroBCompareB = equal(zeroTraceB, compareTraceB);
}

int32_t MaskBitsOfDistances1To5(const bool* ticks) {
  int32_t bits = 0;
  for (int d = 1; d <= 5; ++d)
    if (ticks[d]) bits += 1 << (d - 1);
  return bits;
}
