// The cell rule, one step of both strings and the stop rules of a run.
#include "base/NumericHelpers.h"
#include "base/RunControls.h"
#include "base/StringLength.h"
#include "engine/StringEngine.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "engine/TrialBatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <type_traits>
#include <vector>

namespace {

using Cells = std::vector<uint8_t>;

Cells Step(Cells cells, const StringNeighbourhood& mask, StringBorder border) {
  Cells next(cells.size());
  StepStringCells(cells.data(), next.data(), static_cast<int32_t>(cells.size()), mask, border);
  return next;
}

StringNeighbourhood Mask(std::initializer_list<int> left, std::initializer_list<int> right) {
  StringNeighbourhood m;
  for (int d : left) m.left[d] = true;
  for (int d : right) m.right[d] = true;
  return m;
}

void SetStrings(std::initializer_list<uint8_t> a) {
  stringLength = static_cast<int32_t>(a.size());
  std::copy(a.begin(), a.end(), stringA);
  for (int i = 0; i < stringLength; ++i) stringB[i] = ExchangeOneTwo(stringA[i]);
}

// A 12-cell string whose single 0 travels round for ever under the left-1 mask.
void SetTravellingZero() { SetStrings({0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}); }

}  // namespace

TEST(StringCells, HandWorkedStepsUnderMasksAndBorders) {
  const auto circle = StringBorder::Circle, frozen = StringBorder::FrozenA;
  // all 0 becomes all 1; a 1 next to a 0 becomes 2, a 2 next to a 0 becomes 0
  EXPECT_EQ(Step(Cells(27, 0), Mask({1}, {1}), circle), Cells(27, 1));
  EXPECT_EQ(Step({1, 0, 2, 2, 1}, Mask({}, {1}), circle), (Cells{2, 1, 2, 2, 0}));
  // left distance 1: "Circle" sees the last cell's 0 from cell 0, "Frozen A" sees nothing
  EXPECT_EQ(Step({2, 1, 1, 1, 0}, Mask({1}, {}), circle), (Cells{0, 0, 0, 0, 1}));
  EXPECT_EQ(Step({2, 1, 1, 1, 0}, Mask({1}, {}), frozen), (Cells{2, 0, 0, 0, 1}));
  // left distance 7 on a 3-cell string wraps fully: cell 1 looks at (1 - 7) mod 3 = 0
  EXPECT_EQ(Step({0, 2, 2}, Mask({7}, {}), circle), (Cells{1, 0, 2}));
  EXPECT_EQ(Step({0, 2, 2}, Mask({7}, {}), frozen), (Cells{1, 2, 2}));
  // distance 11 on a 1-cell string reads the cell itself and nothing else
  int16_t left[15], right[15];
  const uint8_t one[1] = {0};
  EXPECT_TRUE(CountZerosAround(one, 1, 0, Mask({11}, {}), circle, left, right));
  EXPECT_EQ(left[11], 1);
  EXPECT_EQ(right[11], 1);
}

TEST(StringEngine, RunStopsWhenNoZeroIsLeftAndEndsNotBeforeStepThree) {
  SetStrings({1, 1, 1});   // A: 1 1 1 -> 0 0 0 -> 1 1 1; B: 2 2 2 stays
  stepsPerRun = 10;
  StringStepSettings s;
  s.mask = Mask({1}, {1});
  const StringBatchResult r = RunStringBatch(s, false);
  EXPECT_EQ(r.end, StringBatchEnd::RunFinished);
  EXPECT_EQ(r.stepsDone, 3);
  // B had no 0 after step 1 already, but a stop needs stepCount >= 2
  EXPECT_EQ(stopTimeA, 2);
  EXPECT_EQ(stopTimeB, 2);
  EXPECT_EQ(stoppedStringA[0], 1);
  // counters stop with the string: step 3 no longer counts
  EXPECT_EQ(balanceA[0], -2);
  EXPECT_EQ(localTimeB[0], 4);
  EXPECT_EQ(seriesStepCount, -24);   // once per batch, not per step
  RecordRunEnd();
  EXPECT_EQ(areStoppedStringsDisjoint, 1);
}

TEST(StringEngine, BatchLimitsSingleStepAndStep101) {
  SetStrings({0, 2, 1, 2, 2, 2});
  StringStepSettings s;
  s.mask = Mask({1}, {1});
  stepsPerRun = 0;
  EXPECT_EQ(RunStringBatch(s, false).end, StringBatchEnd::LimitReached);
  stepsPerRun = 5;
  isSingleStep = 1;
  EXPECT_EQ(RunStringBatch(s, false).stepsDone, 1);
  isSingleStep = 0;
  isTimeReversed = 1;
  RunStringBatch(s, false);
  EXPECT_EQ(stepCount, 1 - 5);
  EXPECT_EQ(stringAStopState, 0);   // no stop while stepCount stays below 2

  isTimeReversed = 0;
  stepCount = 90;   // A's zero alone would last until step 119
  SetTravellingZero();
  s.mask = Mask({1}, {});
  s.stopAt101 = true;
  stepsPerRun = 1000;
  ASSERT_EQ(RunStringBatch(s, false).end, StringBatchEnd::RunFinished);
  EXPECT_EQ(stepCount, 101);
  EXPECT_EQ(isStoppedStringASaved, 0);
}

TEST(StringEngine, TrialRunsAreCountedAndTheExperimentEndsAtItsLimit) {
  StringStepSettings s;
  s.mask = Mask({1}, {1});
  stepsPerRun = 100;
  SetStrings({1, 1, 1});
  trialLimit = 2;
  EXPECT_EQ(RunStringBatch(s, true).end, StringBatchEnd::TrialRunEnded);
  EXPECT_EQ(stepCount, 2);           // a trial run ends once both stopped and stepCount > 1
  EXPECT_EQ(trialStatistics[5], 1);

  SetTravellingZero();   // a run past stepLimit counts in element 6
  stepCount = 0;
  stringAStopState = stringBStopState = 0;
  stepLimit = 3;
  s.mask = Mask({1}, {});
  EXPECT_EQ(RunStringBatch(s, true).end, StringBatchEnd::TrialRunEnded);
  EXPECT_EQ(trialStatistics[6], 1);
  // the third run passes the limit: the batch goes on with its remaining steps
  const StringBatchResult r = RunStringBatch(s, true);
  EXPECT_TRUE(r.trialExperimentOver);
  EXPECT_EQ(r.stepsDone, 100);
}

TEST(StringEngine, TrialCountsAndTimeSumsHoldAtTheInt32Maximum) {
  StringStepSettings s;
  s.mask = Mask({1}, {1});
  stepsPerRun = 100;
  SetStrings({1, 1, 1});
  trialLimit = INT32_MAX;
  std::fill(std::begin(trialStatistics), std::end(trialStatistics), INT32_MAX);
  EXPECT_EQ(RunStringBatch(s, true).end, StringBatchEnd::TrialRunEnded);
  for (int32_t v : trialStatistics) EXPECT_EQ(v, INT32_MAX);
}

TEST(StringEngine, TracesAndLengthsBeyondTheStorageStayInside) {
  stringLength = 27;
  lastHistoryRow = 500;   // far beyond the rows: compared up to row 29 only
  zeroTraceA[29][26] = 1;
  twoTraceB[29][26] = 1;
  ComputeTraceMatches();
  EXPECT_EQ(traceMatchTwoBZeroA, 1);
  lastHistoryRow = -3;
  ComputeTraceMatches();
  EXPECT_EQ(traceMatchZeroACompareA, 1);

  stringLength = 1000;   // no writer sets this; the engine still stays in its 27 cells
  std::fill(stringA, stringA + 27, uint8_t{1});
  StepStrings(StringStepSettings{});
  EXPECT_EQ(zeroCellCountA, 27);
}

// A run that never ends (time reversed, a mask that keeps its zeros) goes on
// for billions of steps: its counters wrap around instead of overflowing.
TEST(StringEngine, CountersOfARunThatNeverEndsWrapAround) {
  stringLength = 3;
  std::fill(stringA, stringA + 3, uint8_t{2});
  std::fill(stringB, stringB + 3, uint8_t{1});
  stringAStopState = stringBStopState = 0;
  localTimeA[0] = balanceA[0] = 2147483647;
  localTimeB[0] = 2147483647;
  balanceB[0] = -2147483647 - 1;
  stepCount = 2147483647;
  isTimeReversed = 0;
  StepStrings(StringStepSettings{});
  EXPECT_EQ(localTimeA[0], -2147483647);
  EXPECT_EQ(balanceA[0], -2147483647);
  EXPECT_EQ(balanceB[0], 2147483647);
  EXPECT_EQ(stepCount, -2147483647 - 1);
  RecordRunEnd();
}

// The step of the cells on bit masks against the rule as it is written, cell by
// cell through CountZerosAround: random cells (some above 2), masks, borders and
// lengths, short strings wrapping round more than once.
TEST(StringCells, TheStepOnMasksIsTheRuleCellByCell) {
  std::mt19937 rng(23);
  for (int trial = 0; trial < 2000; ++trial) {
    StringNeighbourhood mask;
    for (int d = 1; d <= kStringMaxDistance; ++d) {
      mask.left[d] = rng() % 3 == 0;
      mask.right[d] = rng() % 3 == 0;
    }
    const StringBorder border = rng() % 2 ? StringBorder::Circle : StringBorder::FrozenA;
    const int32_t length = int32_t(rng() % 28);
    uint8_t cells[kStringCells], next[kStringCells];
    for (uint8_t& c : cells) c = uint8_t(rng() % 12 == 0 ? 3 + rng() % 5 : rng() % 3);
    std::fill(std::begin(next), std::end(next), uint8_t(9));
    int16_t left[15], right[15];
    StepStringCells(cells, next, length, mask, border, left, right);
    for (int32_t i = 0; i < length; ++i) {
      int16_t l[15], r[15];
      const bool excited = CountZerosAround(cells, length, i, mask, border, l, r);
      ASSERT_EQ(next[i], NextCellValue(cells[i], excited)) << "trial " << trial << " cell " << i;
      if (i == length - 1) {
        EXPECT_TRUE(std::equal(l, l + 15, left));
        EXPECT_TRUE(std::equal(r, r + 15, right));
      }
    }
    EXPECT_EQ(next[length < kStringCells ? length : 0], length < kStringCells ? 9 : next[0]);
  }
}

namespace {

// One step as the cells are written: each string by StepStringWithCounters,
// the time, the stop at 101 and the no-zero test of each.
void StepCellByCell(const StringStepSettings& s)
{
  const int32_t length = UsedStringLength();
  StepStringWithCounters(stringA, stringANext, length, s.mask, s.border, stringAStopState, balanceA, localTimeA,
                         leftZeroCounts, rightZeroCounts);
  StepStringWithCounters(stringB, stringBNext, length, s.mask, s.border, stringBStopState, balanceB, localTimeB,
                         leftZeroCounts, rightZeroCounts);
  stepCount = AddWrapping(stepCount, isTimeReversed ? -1 : 1);
  if (s.stopAt101 && stepCount >= 101) stringAStopState = stringBStopState = 1;
  TestNoZeroStop(stringA, length, length, true, StopRecordA());
  TestNoZeroStop(stringB, length, length, true, StopRecordB());
}

// Every value a step may change, in one order for reading and for writing.
template <class F>
void ForEachEngineValue(F f)
{
  for (int i = 0; i < kStringCells; ++i)
    for (auto* cells : {stringA, stringB, stringANext, stringBNext, stoppedStringA, stoppedStringB}) f(cells[i]);
  for (int i = 0; i < kStringCells; ++i)
    for (auto* counters : {balanceA, balanceB, localTimeA, localTimeB}) f(counters[i]);
  for (int d = 0; d < 15; ++d) {
    f(leftZeroCounts[d]);
    f(rightZeroCounts[d]);
  }
  for (auto* flag : {&stringAStopState, &stringBStopState, &isStoppedStringASaved, &isStoppedStringBSaved}) f(*flag);
  for (auto* value : {&stepCount, &stopTimeA, &stopTimeB, &zeroCellCountA, &oneCellCountA, &twoCellCountA,
                      &zeroCellCountB, &oneCellCountB, &twoCellCountB})
    f(*value);
}

std::vector<int64_t> EngineState()
{
  std::vector<int64_t> v;
  ForEachEngineValue([&](const auto& x) { v.push_back(x); });
  return v;
}

void SetEngineState(const std::vector<int64_t>& v)
{
  size_t k = 0;
  ForEachEngineValue([&](auto& x) { x = static_cast<std::remove_reference_t<decltype(x)>>(v[k++]); });
}

}  // namespace

// The engine's batch against the cell-by-cell steps: random strings (some cells
// above 2), masks, borders and lengths (short strings wrap round more than once),
// batches of every size, stop at 101 and reversed time; the same state after
// every batch.
TEST(StringEngine, BatchesLeaveWhatCellByCellStepsLeave) {
  std::mt19937 rng(17);
  for (int trial = 0; trial < 300; ++trial) {
    StringStepSettings s;
    for (int d = 1; d <= kStringMaxDistance; ++d) {
      s.mask.left[d] = rng() % 4 == 0;
      s.mask.right[d] = rng() % 4 == 0;
    }
    s.border = rng() % 2 ? StringBorder::Circle : StringBorder::FrozenA;
    s.stopAt101 = rng() % 4 == 0;
    stringLength = int32_t(rng() % 28);
    for (int i = 0; i < kStringCells; ++i) {
      stringA[i] = uint8_t(rng() % 20 == 0 ? 3 + rng() % 5 : rng() % 3);
      stringB[i] = uint8_t(rng() % 3);
    }
    stepCount = int32_t(rng() % 120) - 10;
    stringAStopState = stringBStopState = 0;
    isStoppedStringASaved = isStoppedStringBSaved = 0;
    isTimeReversed = rng() % 8 == 0;
    isSingleStep = 0;
    stepsPerRun = int32_t(rng() % 300);
    const std::vector<int64_t> start = EngineState();
    const StringBatchResult result = RunStringBatch(s, false);
    const std::vector<int64_t> batch = EngineState();
    SetEngineState(start);
    for (int32_t n = 0; n < result.stepsDone; ++n) StepCellByCell(s);
    ASSERT_EQ(EngineState(), batch) << "trial " << trial;
  }
}
