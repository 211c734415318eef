// The recorded run and the event tables derived from it: a short run worked
// by hand, the stop rules, the row limit and the invariants of the cell rule.
#include "base/Random.h"
#include "base/RunControls.h"
#include "base/StringLength.h"
#include "engine/StringStart.h"
#include "engine/StringState.h"
#include "runs/EventTables.h"
#include "runs/RecordedRun.h"
#include "runs/RunViewState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using Row = std::vector<int>;
using Rows = std::vector<Row>;

RecordedRunSettings NearestNeighbours()
{
  RecordedRunSettings s;
  s.mask.left[1] = s.mask.right[1] = true;
  return s;
}

// A run from a fixed string A (B its complement) without any random draw.
RecordedRunResult RunFrom(const Row& start, const RecordedRunSettings& s)
{
  stringLength = static_cast<int32_t>(start.size());
  ResetRecordedRun();
  for (size_t i = 0; i < start.size(); ++i) stringA[i] = static_cast<uint8_t>(start[i]);
  DeriveStringB();
  BeginRecordedRows();
  return RunRecordedSteps(s, AcknowledgeStops);
}

// Rows first..first+n-1 of a run or event table, over the string's cells.
template <typename Table>
Rows RowsOf(const Table& table, int n, int first = 0)
{
  Rows rows;
  for (int t = first; t < first + n; ++t) rows.emplace_back(table[t], table[t] + stringLength);
  return rows;
}

// Writes rows into a run table from row 0 on.
void SetRows(uint8_t (*table)[kStringCells], const Rows& rows)
{
  for (size_t t = 0; t < rows.size(); ++t) std::copy(rows[t].begin(), rows[t].end(), table[t]);
}

void DeriveAll()
{
  ExtractEvents();
  ComputeEventElements();
  ComputeFrontsAndOutputs();
}

}  // namespace

// Length 5, border "Circle", distance 1 on both sides, A = 2 1 1 1 1: worked
// step by step with the rule 0 -> 1, 1 -> 2 / 0, 2 -> 0 / 2 (excited / not).
TEST(RecordedRun, ShortRunWorkedByHandRowByRow)
{
  const RecordedRunResult result = RunFrom({2, 1, 1, 1, 1}, NearestNeighbours());
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.rowsWritten, 5);
  EXPECT_EQ(stopTimeA, 5);
  EXPECT_EQ(stopTimeB, 4);
  EXPECT_EQ(RowsOf(prTableA, 5),
            (Rows{{2, 0, 0, 0, 0}, {0, 1, 1, 1, 1}, {1, 2, 0, 0, 2}, {0, 0, 1, 1, 0}, {1, 1, 2, 2, 1}}));
  // B steps on after its stop at row 3.
  EXPECT_EQ(RowsOf(prTableB, 5),
            (Rows{{0, 2, 2, 2, 2}, {1, 0, 2, 2, 0}, {2, 1, 0, 0, 1}, {2, 2, 1, 1, 2}, {2, 2, 0, 0, 2}}));
  // The first string without a 0 of each, and the acknowledged stop states.
  EXPECT_EQ(RowsOf(&stoppedStringA, 1), (Rows{{1, 1, 2, 2, 1}}));
  EXPECT_EQ(RowsOf(&stoppedStringB, 1), (Rows{{2, 2, 1, 1, 2}}));
  EXPECT_EQ(stringAStopState, 2);
  EXPECT_EQ(stringBStopState, 2);
  // B stopped after step 4: its step 5 no longer counts.
  EXPECT_EQ(localTimeB[0], 1 + 1 + 2 + 2);
  EXPECT_EQ(balanceB[0], -1 - 1 + 2 + 2);

  DeriveAll();
  EXPECT_EQ(historyRowCount, 3);
  EXPECT_EQ(RowsOf(eventValueA, 3), (Rows{{2, 0, 0, 0, 0}, {0, 2, 0, 0, 2}, {0, 0, 2, 2, 0}}));
  EXPECT_EQ(RowsOf(eventStepA, 2, 1), (Rows{{1, 2, 2, 2, 2}, {3, 3, 4, 4, 3}}));
  EXPECT_EQ(RowsOf(eventValueB, 1, 1), (Rows{{2, 0, 2, 2, 0}}));
  EXPECT_EQ(RowsOf(eventStepB, 1, 2), (Rows{{3, 3, 2, 2, 3}}));
  EXPECT_EQ(RowsOf(eventElementA, 3), (Rows{{0, 3, 3, 3, 3}, {4, 2, 5, 5, 2}, {3, 3, 1, 1, 3}}));
  EXPECT_EQ(RowsOf(eventElementB, 1), (Rows{{3, 0, 0, 0, 0}}));
  EXPECT_EQ(RowsOf(eventFrontDiff, 3), (Rows{{0, 0, 0, 0, 0}, {-1, 1, 1, 1, 1}, {0, 0, 2, 2, 0}}));
  EXPECT_EQ(RowsOf(eventFrontDiffIncrement, 3),
            (Rows{{-1, 1, 1, 1, 1}, {1, -1, 1, 1, -1}, {99, 99, 99, 99, 99}}));
  // The fronts left behind are those of the last event row.
  EXPECT_EQ(RowsOf(&frontStepA, 1), (Rows{{3, 3, 4, 4, 3}}));
  EXPECT_EQ(RowsOf(&frontStepB, 1), (Rows{{3, 3, 2, 2, 3}}));
}

TEST(RecordedRun, StopRulesOfTheRun)
{
  // Without a neighbour both strings lose their last 0 at step 2, but a run
  // ends no earlier than after step 3.
  RecordedRunResult r = RunFrom({2, 1, 1, 1, 1}, RecordedRunSettings{});
  EXPECT_TRUE(r.finished);
  EXPECT_EQ(r.rowsWritten, 3);
  EXPECT_EQ(stopTimeA, 2);
  EXPECT_EQ(stopTimeB, 2);

  // "unStop": the no-zero test only saves the copy; the strings stop when
  // stepCount passes 9 and 12, and the run ends at step 13.
  RecordedRunSettings s = NearestNeighbours();
  s.unStop = true;
  stopStepA = 9;
  stopStepB = 12;
  r = RunFrom({2, 1, 1, 1, 1}, s);
  EXPECT_TRUE(r.finished);
  EXPECT_EQ(r.rowsWritten, 13);
  EXPECT_EQ(stopTimeA, 9);
  EXPECT_EQ(stopTimeB, 12);
  EXPECT_EQ(isStoppedStringASaved, 1);
  EXPECT_EQ(RowsOf(&stoppedStringA, 1), (Rows{{1, 1, 2, 2, 1}}));
}

TEST(RecordedRun, RunThatNeverStopsEndsAtTheRowLimitUnsuccessful)
{
  // Time reversed: stepCount runs negative, so the no-zero test never stops a string.
  isTimeReversed = 1;
  stringLength = 6;
  ResetRecordedRun();
  for (int i = 0; i < 6; ++i) stringA[i] = i == 0 ? 2 : 1;
  DeriveStringB();
  BeginRecordedRows();
  prTableA[498][0] = 7;   // a row the run must not reach
  prTableA[497][0] = 7;   // the last row it writes
  int rows = 0, steps = 0;
  int32_t lastShownStep = 0;
  const RecordedRunResult r = RunRecordedSteps(
      NearestNeighbours(), [&] { ++rows; }, [&] { ++steps; lastShownStep = stepCount; });
  isTimeReversed = 0;
  EXPECT_FALSE(r.finished);
  EXPECT_EQ(r.rowsWritten, 498);   // rows 0 to 497
  EXPECT_EQ(stepCount, -499);
  EXPECT_EQ(rows, 498);
  EXPECT_EQ(steps, 499);   // the step the row limit ends is followed as well
  EXPECT_EQ(lastShownStep, -499);
  EXPECT_EQ(stopTimeA + stopTimeB, 0);
  EXPECT_EQ(prTableA[498][0], 7);
  EXPECT_NE(prTableA[497][0], 7);
}

// With no event row (stop times 0, or an empty string, which still runs to
// step 3) no output value is written anywhere: not to row -1, not past the tables.
TEST(EventTables, NoEventRowWritesNoOutputValue)
{
  const RecordedRunResult r = RunFrom({}, NearestNeighbours());
  EXPECT_TRUE(r.finished);
  EXPECT_EQ(r.rowsWritten, 3);
  for (const int length : {0, 6}) {
    stringLength = length;
    if (length != 0) stopTimeA = stopTimeB = 0;
    eventFrontDiffIncrement[0][0] = 5;
    eventFrontDiff[kEventRows - 1][kEventColumns - 1] = 6;
    DeriveAll();
    EXPECT_EQ(historyRowCount, 0);
    EXPECT_EQ(eventFrontDiffIncrement[0][0], 5);
    EXPECT_EQ(eventFrontDiff[kEventRows - 1][kEventColumns - 1], 6);
  }
}

// Random starts from a fixed seed: the rule's invariants on every finished
// run, and the output values derived from it.
TEST(RecordedRun, InvariantsOfFinishedRandomRuns)
{
  SeedRandom(12345);
  isRandomInitialString = 1;
  stringLength = 27;
  requestedBPointCount = 2;
  int finished = 0;
  auto hasZero = [](const uint8_t* row) { return std::find(row, row + 27, 0) != row + 27; };
  for (int run = 0; run < 40; ++run) {
    ResetRecordedRun();
    MakeRecordedRunStart();
    BeginRecordedRows();
    const RecordedRunResult r = RunRecordedSteps(NearestNeighbours(), AcknowledgeStops);
    if (!r.finished) continue;
    ++finished;
    // 0 is always followed by 1, in both strings.
    for (int t = 0; t + 1 < r.rowsWritten; ++t)
      for (int c = 0; c < 27; ++c) {
        ASSERT_TRUE(prTableA[t][c] != 0 || prTableA[t + 1][c] == 1) << "A, run " << run << " t " << t;
        ASSERT_TRUE(prTableB[t][c] != 0 || prTableB[t + 1][c] == 1) << "B, run " << run << " t " << t;
      }
    // A's stop row is its first row from row 1 on without a 0.
    ASSERT_GE(stopTimeA, 2);
    EXPECT_FALSE(hasZero(prTableA[stopTimeA - 1]));
    for (int t = 1; t < stopTimeA - 1; ++t) EXPECT_TRUE(hasZero(prTableA[t]));

    // Events hold 0 or 2; each output value is the next row's front
    // difference less this row's, and the last event row has 99.
    DeriveAll();
    const int rows = historyRowCount;
    ASSERT_GE(rows, 1);
    for (int k = 0; k < rows; ++k)
      for (int c = 0; c < 27; ++c) {
        ASSERT_TRUE(eventValueA[k][c] == 0 || eventValueA[k][c] == 2);
        const int next = k + 1 < rows ? eventFrontDiff[k + 1][c] - eventFrontDiff[k][c] : 99;
        ASSERT_EQ(eventFrontDiffIncrement[k][c], next) << "run " << run << " row " << k;
      }
  }
  EXPECT_GT(finished, 20);
}

TEST(EventTables, FrontsPairEventsOfTheOtherKind)
{
  stringLength = 2;
  // Column 0: A's event a 2 at row 4, B's event also a 2 -> no B front.
  // Column 1: A's event a 0 at row 4 (element 1 + 3), B's a 2 at row 2.
  stopTimeA = stopTimeB = 6;
  SetRows(prTableA, {{1, 1}, {1, 1}, {1, 1}, {1, 1}, {2, 0}, {1, 1}});
  SetRows(prTableB, {{1, 1}, {1, 1}, {1, 2}, {2, 1}, {1, 1}, {1, 1}});
  DeriveAll();
  ASSERT_EQ(historyRowCount, 1);
  EXPECT_EQ(frontStepA[0], 4);
  EXPECT_EQ(frontStepB[0], -1);
  EXPECT_EQ(eventElementA[0][1], 4);
  EXPECT_EQ(RowsOf(eventFrontDiff, 1), (Rows{{5, 2}}));   // column 0: one larger than A's event row
  EXPECT_EQ(RowsOf(eventFrontDiffIncrement, 1), (Rows{{99, 99}}));

  // A row outside the tables has no events.
  for (const int k : {-2, kEventRows}) {
    frontStepA[0] = frontStepB[1] = 3;
    ComputeFrontsOfRow(k);
    EXPECT_EQ(frontStepA[0], -1);
    EXPECT_EQ(frontStepB[1], -1);
  }
}

TEST(EventTables, EventRowsFollowTheLastColumnOfStringB)
{
  stringLength = 3;
  stopTimeA = stopTimeB = 4;
  SetRows(prTableA, {{0, 0, 2}, {1, 1, 2}, {0, 2, 2}, {1, 1, 2}});
  SetRows(prTableB, {{0, 2, 1}, {1, 1, 0}, {0, 0, 1}, {1, 1, 1}});
  DeriveAll();
  EXPECT_EQ(historyRowCount, 1);    // B's last column has one event, others have more
  EXPECT_EQ(eventValueA[3][2], 2);  // events beyond historyRowCount are still recorded
}
