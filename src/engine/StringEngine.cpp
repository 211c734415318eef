#include "engine/StringEngine.h"

#include <algorithm>
#include <bit>
#include <iterator>

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
  // Counted in locals: the counts are globals that the cells' bytes could alias.
  int32_t zeros = 0, ones = 0;
  for (int32_t i = 0; i < length; ++i) {
    zeros += cells[i] == 0;
    ones += cells[i] == 1;
  }
  r.zeros = zeros;
  r.ones = ones;
  r.twos = length - zeros - ones;
  if (r.zeros != 0 || stepCount < 2 || r.stopState != 0) return;
  if (r.saved == 0) {
    std::copy(cells, cells + std::clamp(copyLength, 0, kStringCells), r.stoppedCopy);
    r.saved = 1;
  }
  if (!stopHere) return;
  r.stopState = 1;
  r.stopTime = stepCount;
}

namespace {

// The two strings stepped many times in one call ("n steps" makes up to 1000 a
// tick of a 1 ms timer). Each string is kept as masks of its 0, 1 and 2 cells
// (bit i = cell i): the cells a ticked distance sees are the 0 mask shifted by
// it (rotated under "Circle"), so a step is a few operations per distance
// instead of a walk over every neighbour of every cell; the counters gather,
// per cell, how many steps left it at 2, in bit planes. The globals the batch
// and its stop rules read between steps (stepCount, the stop states, times and
// copies, the cell counts) are kept at every step; the cells, their next
// copies, the balance and local-time counters and the zeros around the last
// cell are written by flush(), as the steps one by one would have left them.
class StringStepper {
public:
  explicit StringStepper(const StringStepSettings& s)
      : settings_(s),
        length_(UsedStringLength()),
        excited_(length_, s.mask, s.border),
        all_(excited_.cellsInUse()),
        lanes_{Lane(stringA, stringANext, balanceA, localTimeA, StopRecordA()),
               Lane(stringB, stringBNext, balanceB, localTimeB, StopRecordB())} {
    for (Lane& lane : lanes_) lane.load(length_);
  }

  void step() {
    for (Lane& lane : lanes_) {
      const bool running = lane.stop.stopState == 0;
      lane.previousZeros = lane.zeros;
      const uint32_t excited = excited_(lane.zeros);
      const uint32_t zeros = ((lane.ones & ~excited) | (lane.twos & excited)) & all_;
      const uint32_t twos = ((lane.ones & excited) | (lane.twos & ~excited)) & all_;
      lane.ones = lane.zeros;
      lane.zeros = zeros;
      lane.twos = twos;
      lane.stepped = true;
      if (running) lane.countTwos(length_);
    }
    stepCount = AddWrapping(stepCount, isTimeReversed ? -1 : 1);   // a run that never ends wraps around
    if (settings_.stopAt101 && stepCount >= 101) stringAStopState = stringBStopState = 1;
    for (Lane& lane : lanes_) TestNoZero(lane);
  }

  void flush() {
    for (Lane& lane : lanes_) lane.flush(length_);
    // The zeros around the last cell of B, before its last step, as the cell
    // walk leaves them.
    Lane& b = lanes_[1];
    if (b.stepped && length_ > 0) {
      uint8_t cells[kStringCells];
      for (int32_t i = 0; i < length_; ++i) cells[i] = (b.previousZeros >> i) & 1 ? 0 : 1;
      CountZerosAround(cells, length_, length_ - 1, settings_.mask, settings_.border, leftZeroCounts, rightZeroCounts);
    }
  }

private:
  struct Lane {
    Lane(uint8_t* c, uint8_t* n, int32_t* b, int32_t* t, StringStopRecord r)
        : cells(c), next(n), balance(b), localTime(t), stop(r) {}

    void load(int32_t length) {
      for (int32_t i = 0; i < length; ++i) {
        const uint32_t bit = 1u << i;
        if (cells[i] == 0) zeros |= bit;
        else if (cells[i] == 1) ones |= bit;
        else twos |= bit;   // values above 2 step like 2
      }
    }
    // Adds this step's 2 cells to the per-cell counts (bit plane b holds bit b of each count).
    void countTwos(int32_t length) {
      uint32_t carry = twos;
      for (uint32_t& plane : twoCounts) {
        if (!carry) break;
        const uint32_t sum = plane ^ carry;
        carry &= plane;
        plane = sum;
      }
      if (++counted == kMaxCounted) flushCounters(length);
    }
    void flushCounters(int32_t cellCount) {
      for (int32_t i = 0; i < cellCount; ++i) {
        uint32_t n2 = 0;
        for (int b = 0; b < kPlanes; ++b) n2 |= ((twoCounts[b] >> i) & 1u) << b;
        // A step adds 2 to the balance of a cell left at 2 and takes 1 from any
        // other, and adds 2 or 1 to its local time, wrapping in 32 bits.
        balance[i] = AddWrapping(balance[i], int32_t(3 * n2 - uint32_t(counted)));
        localTime[i] = AddWrapping(localTime[i], int32_t(n2 + uint32_t(counted)));
      }
      std::fill(std::begin(twoCounts), std::end(twoCounts), 0u);
      counted = 0;
    }
    void writeCells(int32_t length) {
      for (int32_t i = 0; i < length; ++i)
        cells[i] = (zeros >> i) & 1 ? 0 : (ones >> i) & 1 ? 1 : 2;
    }
    void flush(int32_t length) {
      if (!stepped) return;
      stop.zeros = std::popcount(zeros);
      stop.ones = std::popcount(ones);
      stop.twos = length - stop.zeros - stop.ones;
      writeCells(length);
      std::copy(cells, cells + length, next);
      if (counted > 0) flushCounters(length);
    }

    static constexpr int kPlanes = 11;
    static constexpr int32_t kMaxCounted = (1 << kPlanes) - 1;
    uint8_t* cells;
    uint8_t* next;
    int32_t* balance;
    int32_t* localTime;
    StringStopRecord stop;
    uint32_t zeros = 0, ones = 0, twos = 0, previousZeros = 0;
    uint32_t twoCounts[kPlanes] = {};
    int32_t counted = 0;   // steps gathered in twoCounts
    bool stepped = false;
  };

  // TestNoZeroStop on the masks; the cell counts it leaves are written by flush().
  void TestNoZero(Lane& lane) {
    StringStopRecord& r = lane.stop;
    if (lane.zeros != 0 || stepCount < 2 || r.stopState != 0) return;
    if (r.saved == 0) {
      lane.writeCells(length_);
      std::copy(lane.cells, lane.cells + length_, r.stoppedCopy);
      r.saved = 1;
    }
    r.stopState = 1;
    r.stopTime = stepCount;
  }

  const StringStepSettings& settings_;
  const int32_t length_;
  const ExcitedCells excited_;
  const uint32_t all_;
  Lane lanes_[2];
};

}  // namespace

void StepStrings(const StringStepSettings& s) {
  StringStepper stepper(s);
  stepper.step();
  stepper.flush();
}

StringBatchResult RunStringBatch(const StringStepSettings& s, bool trialMode) {
  StringBatchResult result;
  ++seriesStepCount;
  StringStepper stepper(s);
  while (result.stepsDone < (isSingleStep ? 1 : stepsPerRun)) {
    stepper.step();
    ++result.stepsDone;
    if (!trialMode) {
      if (BothStopped() && stepCount >= 3) {
        stepper.flush();
        result.end = StringBatchEnd::RunFinished;
        return result;
      }
      continue;
    }
    if (!(BothStopped() && stepCount > 1) && stepCount <= stepLimit) continue;
    stepper.flush();   // the end of a trial run reads the counters
    if (EndTrialRun()) {
      result.end = StringBatchEnd::TrialRunEnded;
      return result;
    }
    result.trialExperimentOver = true;
  }
  stepper.flush();
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
