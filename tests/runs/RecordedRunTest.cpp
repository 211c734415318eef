// The recorded run and the event tables derived from it: a short run worked
// by hand, the stop rules, the row limit and the invariants of the cell rule.
#include "engine/Random.h"
#include "engine/RunControls.h"
#include "engine/StringLength.h"
#include "engine/StringStart.h"
#include "engine/StringState.h"
#include "runs/EventTables.h"
#include "runs/RecordedRun.h"
#include "runs/RunViewState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Row = std::vector<int>;

RecordedRunSettings NearestNeighbours(StringBorder border = StringBorder::Circle)
{
  RecordedRunSettings s;
  s.mask.left[1] = true;
  s.mask.right[1] = true;
  s.border = border;
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

Row PrRow(const uint8_t (*table)[kStringCells], int t)
{
  return Row(table[t], table[t] + stringLength);
}

Row EventRow(const EventTable& table, int k)
{
  return Row(table[k], table[k] + stringLength);
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
  EXPECT_EQ(isRunSuccessful, 1);
  EXPECT_EQ(result.rowsWritten, 5);
  EXPECT_EQ(stepCount, 5);
  EXPECT_EQ(stopTimeA, 5);
  EXPECT_EQ(stopTimeB, 4);
  EXPECT_EQ(StopTimeThird(), 3);

  EXPECT_EQ(PrRow(prTableA, 0), (Row{2, 0, 0, 0, 0}));
  EXPECT_EQ(PrRow(prTableA, 1), (Row{0, 1, 1, 1, 1}));
  EXPECT_EQ(PrRow(prTableA, 2), (Row{1, 2, 0, 0, 2}));
  EXPECT_EQ(PrRow(prTableA, 3), (Row{0, 0, 1, 1, 0}));
  EXPECT_EQ(PrRow(prTableA, 4), (Row{1, 1, 2, 2, 1}));
  EXPECT_EQ(PrRow(prTableB, 0), (Row{0, 2, 2, 2, 2}));
  EXPECT_EQ(PrRow(prTableB, 1), (Row{1, 0, 2, 2, 0}));
  EXPECT_EQ(PrRow(prTableB, 2), (Row{2, 1, 0, 0, 1}));
  EXPECT_EQ(PrRow(prTableB, 3), (Row{2, 2, 1, 1, 2}));
  EXPECT_EQ(PrRow(prTableB, 4), (Row{2, 2, 0, 0, 2}));   // B steps on after its stop
  // The first string without a 0 of each, and the acknowledged stop states.
  EXPECT_EQ(Row(stoppedStringA, stoppedStringA + 5), (Row{1, 1, 2, 2, 1}));
  EXPECT_EQ(Row(stoppedStringB, stoppedStringB + 5), (Row{2, 2, 1, 1, 2}));
  EXPECT_EQ(stringAStopState, 2);
  EXPECT_EQ(stringBStopState, 2);
  // B stopped after step 4: its step 5 no longer counts.
  EXPECT_EQ(localTimeB[0], 1 + 1 + 2 + 2);
  EXPECT_EQ(balanceB[0], -1 - 1 + 2 + 2);

  DeriveAll();
  EXPECT_EQ(historyRowCount, 3);
  EXPECT_EQ(EventRow(eventValueA, 0), (Row{2, 0, 0, 0, 0}));
  EXPECT_EQ(EventRow(eventValueA, 1), (Row{0, 2, 0, 0, 2}));
  EXPECT_EQ(EventRow(eventValueA, 2), (Row{0, 0, 2, 2, 0}));
  EXPECT_EQ(EventRow(eventStepA, 1), (Row{1, 2, 2, 2, 2}));
  EXPECT_EQ(EventRow(eventStepA, 2), (Row{3, 3, 4, 4, 3}));
  EXPECT_EQ(EventRow(eventValueB, 1), (Row{2, 0, 2, 2, 0}));
  EXPECT_EQ(EventRow(eventStepB, 2), (Row{3, 3, 2, 2, 3}));
  EXPECT_EQ(EventRow(twoEventStepA, 2), (Row{-1, -1, 4, 4, -1}));
  EXPECT_EQ(EventRow(zeroEventStepA, 2), (Row{3, 3, -1, -1, 3}));

  EXPECT_EQ(EventRow(eventElementA, 0), (Row{0, 3, 3, 3, 3}));
  EXPECT_EQ(EventRow(eventElementA, 1), (Row{4, 2, 5, 5, 2}));
  EXPECT_EQ(EventRow(eventElementA, 2), (Row{3, 3, 1, 1, 3}));
  EXPECT_EQ(EventRow(eventElementB, 0), (Row{3, 0, 0, 0, 0}));

  EXPECT_EQ(EventRow(eventFrontDiff, 0), (Row{0, 0, 0, 0, 0}));
  EXPECT_EQ(EventRow(eventFrontDiff, 1), (Row{-1, 1, 1, 1, 1}));
  EXPECT_EQ(EventRow(eventFrontDiff, 2), (Row{0, 0, 2, 2, 0}));
  EXPECT_EQ(EventRow(eventFrontDiffIncrement, 0), (Row{-1, 1, 1, 1, 1}));
  EXPECT_EQ(EventRow(eventFrontDiffIncrement, 1), (Row{1, -1, 1, 1, -1}));
  EXPECT_EQ(EventRow(eventFrontDiffIncrement, 2), (Row{99, 99, 99, 99, 99}));
  // The fronts left behind are those of the last event row.
  EXPECT_EQ(Row(frontStepA, frontStepA + 5), (Row{3, 3, 4, 4, 3}));
  EXPECT_EQ(Row(frontStepB, frontStepB + 5), (Row{3, 3, 2, 2, 3}));
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
  EXPECT_EQ(stepCount, 13);
  EXPECT_EQ(stopTimeA, 9);
  EXPECT_EQ(stopTimeB, 12);
  EXPECT_EQ(isStoppedStringASaved, 1);
  EXPECT_EQ(Row(stoppedStringA, stoppedStringA + 5), (Row{1, 1, 2, 2, 1}));
}

TEST(RecordedRun, RunThatNeverStopsEndsAtTheRowLimitUnsuccessful)
{
  // Time reversed: stepCount runs negative, so the no-zero test never stops a string.
  isTimeReversed = 1;
  historyRowCount = 77;
  int rowsSeen = 0;
  stringLength = 6;
  ResetRecordedRun();
  for (int i = 0; i < 6; ++i) stringA[i] = i == 0 ? 2 : 1;
  DeriveStringB();
  BeginRecordedRows();
  prTableA[kRecordedRowLimit][0] = 7;   // a row the run must not reach
  const RecordedRunResult r = RunRecordedSteps(NearestNeighbours(), [&] { ++rowsSeen; });
  EXPECT_FALSE(r.finished);
  EXPECT_EQ(isRunSuccessful, 0);
  EXPECT_EQ(r.rowsWritten, kRecordedRowLimit);
  EXPECT_EQ(rowsSeen, kRecordedRowLimit);
  EXPECT_EQ(stepCount, -(kRecordedRowLimit + 1));
  EXPECT_EQ(stopTimeA, 0);
  EXPECT_EQ(stopTimeB, 0);
  EXPECT_EQ(prTableA[kRecordedRowLimit][0], 7);
  EXPECT_EQ(historyRowCount, 77);   // the run itself leaves it alone

  // Stop times of 0 give no event rows and no output value is written anywhere.
  eventFrontDiffIncrement[0][0] = 5;
  eventFrontDiff[kEventRows - 1][kEventColumns - 1] = 6;
  DeriveAll();
  EXPECT_EQ(historyRowCount, 0);
  EXPECT_EQ(eventFrontDiffIncrement[0][0], 5);
  EXPECT_EQ(eventFrontDiff[kEventRows - 1][kEventColumns - 1], 6);
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
  for (int run = 0; run < 40; ++run) {
    ResetRecordedRun();
    MakeRecordedRunStart();
    for (int i = 0; i < 27; ++i) {
      ASSERT_EQ(stringB[i], ExchangeOneTwo(stringA[i]));
      ASSERT_EQ(stringAStartTwos[i], stringA[i] == 2 ? 1 : 0);
    }
    BeginRecordedRows();
    const RecordedRunResult r = RunRecordedSteps(NearestNeighbours(), AcknowledgeStops);
    if (!r.finished) continue;
    ++finished;
    ASSERT_GE(r.rowsWritten, 3);
    // 0 is always followed by 1, in both strings.
    for (int t = 0; t + 1 < r.rowsWritten; ++t) {
      for (int c = 0; c < 27; ++c) {
        if (prTableA[t][c] == 0) {
          ASSERT_EQ(prTableA[t + 1][c], 1) << "run " << run << " t " << t;
        }
        if (prTableB[t][c] == 0) {
          ASSERT_EQ(prTableB[t + 1][c], 1);
        }
      }
    }
    // A's stop row has no 0 and no earlier row from row 1 on is without one.
    auto hasZero = [](const uint8_t* row) {
      for (int c = 0; c < 27; ++c)
        if (row[c] == 0) return true;
      return false;
    };
    ASSERT_GE(stopTimeA, 2);
    EXPECT_FALSE(hasZero(prTableA[stopTimeA - 1]));
    for (int t = 1; t < stopTimeA - 1; ++t) EXPECT_TRUE(hasZero(prTableA[t]));

    DeriveAll();
    const int rows = historyRowCount;
    ASSERT_GE(rows, 1);
    for (int k = 0; k < rows; ++k) {
      for (int c = 0; c < 27; ++c) {
        const int e = eventElementA[k][c];
        ASSERT_EQ(e, eventStepA[k][c] % 3 + (eventValueA[k][c] == 0 ? 3 : 0));
        ASSERT_TRUE(eventValueA[k][c] == 0 || eventValueA[k][c] == 2);
        if (k + 1 < rows)
          ASSERT_EQ(eventFrontDiffIncrement[k][c], eventFrontDiff[k + 1][c] - eventFrontDiff[k][c]);
        else
          ASSERT_EQ(eventFrontDiffIncrement[k][c], 99);
      }
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
  for (int t = 0; t < 6; ++t)
    for (int c = 0; c < 2; ++c) prTableA[t][c] = prTableB[t][c] = 1;
  prTableA[4][0] = 2;
  prTableB[3][0] = 2;
  prTableA[4][1] = 0;
  prTableB[2][1] = 2;
  DeriveAll();
  ASSERT_EQ(historyRowCount, 1);
  EXPECT_EQ(frontStepA[0], 4);
  EXPECT_EQ(frontStepB[0], -1);
  EXPECT_EQ(eventFrontDiff[0][0], 5);   // one larger than A's event row
  EXPECT_EQ(eventElementA[0][1], 4);
  EXPECT_EQ(eventFrontDiff[0][1], 2);
  // A single event row has only the mark of the last row.
  EXPECT_EQ(eventFrontDiffIncrement[0][0], 99);
  EXPECT_EQ(eventFrontDiffIncrement[0][1], 99);

  // A row outside the tables has no events.
  ComputeFrontsOfRow(-2);
  EXPECT_EQ(frontStepA[0], -1);
  EXPECT_EQ(frontStepB[1], -1);
  ComputeFrontsOfRow(kEventRows);
  EXPECT_EQ(frontStepA[1], -1);
}

TEST(EventTables, EventRowsFollowTheLastColumnOfStringB)
{
  stringLength = 3;
  stopTimeA = stopTimeB = 4;
  const uint8_t a[4][3] = {{0, 0, 2}, {1, 1, 2}, {0, 2, 2}, {1, 1, 2}};
  const uint8_t b[4][3] = {{0, 2, 1}, {1, 1, 0}, {0, 0, 1}, {1, 1, 1}};
  for (int t = 0; t < 4; ++t)
    for (int c = 0; c < 3; ++c) {
      prTableA[t][c] = a[t][c];
      prTableB[t][c] = b[t][c];
    }
  eventValueB[1][2] = 77;   // B's last column has a single event: its row 1 keeps earlier values
  DeriveAll();
  EXPECT_EQ(historyRowCount, 1);   // B's last column has one event, others have more
  EXPECT_EQ(eventValueA[3][2], 2); // events beyond historyRowCount are still recorded
  EXPECT_EQ(eventValueB[1][1], 0); // B's column 1: events at rows 0 and 2
  EXPECT_EQ(eventValueB[1][0], 0);
  EXPECT_EQ(eventValueB[1][2], 77);

  // No string at all: no event rows, nothing written.
  stringLength = 0;
  ExtractEvents();
  EXPECT_EQ(historyRowCount, 0);
}

TEST(RecordedRun, EmptyStringRunsWithoutTouchingAnyColumn)
{
  stringLength = 0;
  ResetRecordedRun();
  MakeRecordedRunStart();
  BeginRecordedRows();
  const RecordedRunResult r = RunRecordedSteps(NearestNeighbours(), nullptr);
  EXPECT_TRUE(r.finished);   // no cell holds 0: both stop at step 2, the run ends at step 3
  EXPECT_EQ(r.rowsWritten, 3);
  eventFrontDiffIncrement[0][0] = 4;
  DeriveAll();
  EXPECT_EQ(historyRowCount, 0);
  EXPECT_EQ(eventFrontDiffIncrement[0][0], 4);
}
