#include "engine/StringEngine.h"

#include <algorithm>

#include "base/NumericHelpers.h"
#include "base/Random.h"
#include "base/RunControls.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "engine/TrialBatch.h"

namespace {

bool BothStopped() { return stringAStopState != 0 && stringBStopState != 0; }

// Adds to a trial counter or time sum, held at the int32 maximum: a long
// experiment (trial limit up to 2^31 - 1) must not overflow its sums.
void Count(int at, int32_t amount = 1) {
  trialStatistics[at] = SaturateToInt32(int64_t{trialStatistics[at]} + amount);
}

void AddParity(int32_t time, int oddCount, int evenCount) {
  const int at = (time % 2 != 0) ? oddCount : evenCount;
  Count(at);
  Count(at + 1, time);
}

}  // namespace

StringStopRecord StopRecordA() {
  return {zeroCellCountA, oneCellCountA, twoCellCountA, isStoppedStringASaved, stoppedStringA, stringAStopState,
          stopTimeA};
}

StringStopRecord StopRecordB() {
  return {zeroCellCountB, oneCellCountB, twoCellCountB, isStoppedStringBSaved, stoppedStringB, stringBStopState,
          stopTimeB};
}

void TestNoZeroStop(const uint8_t* cells, int32_t length, int32_t copyLength, bool stopHere,
                    const StringStopRecord& r) {
  length = std::clamp(length, 0, kStringCells);
  r.zeros = r.ones = r.twos = 0;
  for (int32_t i = 0; i < length; ++i) {
    if (cells[i] == 0) ++r.zeros;
    else if (cells[i] == 1) ++r.ones;
    else ++r.twos;
  }
  if (r.zeros != 0 || stepCount < 2 || r.stopState != 0) return;
  if (r.saved == 0) {
    std::copy(cells, cells + std::clamp(copyLength, 0, kStringCells), r.stoppedCopy);
    r.saved = 1;
  }
  if (!stopHere) return;
  r.stopState = 1;
  r.stopTime = stepCount;
}

void StepStrings(const StringStepSettings& s) {
  const int32_t length = UsedStringLength();
  StepStringWithCounters(stringA, stringANext, length, s.mask, s.border, stringAStopState, balanceA, localTimeA,
                         leftZeroCounts, rightZeroCounts);
  StepStringWithCounters(stringB, stringBNext, length, s.mask, s.border, stringBStopState, balanceB, localTimeB,
                         leftZeroCounts, rightZeroCounts);
  stepCount = AddWrapping(stepCount, isTimeReversed ? -1 : 1);   // a run that never ends wraps around
  if (s.stopAt101 && stepCount >= 101) stringAStopState = stringBStopState = 1;
  TestNoZeroStop(stringA, length, length, true, StopRecordA());
  TestNoZeroStop(stringB, length, length, true, StopRecordB());
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
  Count(5);
  if (trialStatistics[5] % 128 == 0) Randomize();
  if (trialStatistics[5] > trialLimit) return false;
  if (stepCount > stepLimit) {
    Count(6);
    return true;
  }
  const int32_t q = AbsInt(balanceA[0]) / 2;
  if (q == 0) {
    Count(9);
    RecordRunEnd();
    if (isStopAUnlikeStart == 0) {
      Count(11);
      Count(12, stopTimeA);
      AddParity(stopTimeA, 15, 13);
    } else if (isBothStoppedAtStep3 == 0) {
      AddParity(stopTimeA, 20, 18);
    } else {
      Count(17);
    }
    return true;
  }
  Count(10);
  const int at = q == 1 ? 22 : q <= 4 ? 24 : 26;
  Count(at);
  Count(at + 1, stopTimeA);
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
  if (!areStoppedStringsDisjoint) Count(2);
  if (int64_t{balanceB[0]} != -int64_t{balanceA[0]}) Count(3);
  if (AbsInt(balanceA[0] / 2) != AbsInt(stopTimeA - stopTimeB)) Count(4);
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
