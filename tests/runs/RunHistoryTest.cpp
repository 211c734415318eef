// The six-letter history, the letters of the run grids and the Step W tables
// of a recorded run.
#include "base/GrowthEvents.h"
#include "base/StringLength.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "runs/EventTables.h"
#include "runs/RecordedRun.h"
#include "runs/RunGridTexts.h"
#include "runs/SixLetterHistory.h"
#include "runs/StepWTables.h"

#include <gtest/gtest.h>

#include <string>

TEST(SixLetterHistory, LettersAndParitiesFromTheZeroTraces)
{
  stringLength = 3;
  ClearTraces(27, true);
  lastHistoryRow = 1;
  seriesStepCount = 4;
  zeroTraceA[0][0] = 1; zeroStepA[0][0] = 5;    // step 4: phase 1 "y", parity 0
  zeroTraceB[0][1] = 1; zeroStepB[0][1] = 3;    // step 2: phase 2 "Z", parity 0 + 2
  zeroTraceA[1][2] = 1; zeroStepA[1][2] = 0;    // step -1: no letter, parity -1
  zeroTraceA[1][0] = 1; zeroStepA[1][0] = 8;    // both traces: B wins
  zeroTraceB[1][0] = 1; zeroStepB[1][0] = 7;
  parityHistory[0][2] = 3;                      // no trace: keeps its value
  BuildSixLetterHistory();
  EXPECT_EQ(SixLetterLine(0), "  0 -    y   Z   ");
  EXPECT_EQ(SixLetterLine(1), "  1 -    X    ");   // B's step 6: phase 0
  EXPECT_EQ(ParityLine(0), "  0 -    0 2 3 ");
  EXPECT_EQ(sixLetterHistory[1][2], -1);
  EXPECT_EQ(parityHistory[1][2], -1);
  EXPECT_EQ(parityHistory[1][0], 0 + 2);
  EXPECT_EQ(zeroStepA[0][0], 1);                // reduced in place
  EXPECT_EQ(seriesStepCount, 5);
  EXPECT_EQ(stepCount, 2);                      // left at lastHistoryRow + 1
}

TEST(RunGridTexts, StringGrid9ShowsAsPhaseOrBsPhaseByAsEventValue)
{
  // A's event a 2: the negative letter of A's step phase; otherwise the
  // positive letter of B's step phase. The other string's step never counts.
  const char* const negative[] = {"-x", "-y", "-z"};
  const char* const positive[] = {"+x", "+y", "+z"};
  for (int32_t step = 3; step < 9; ++step) {
    EXPECT_STREQ(EventPhaseText(2, step, step + 1), negative[step % 3]) << step;
    EXPECT_STREQ(EventPhaseText(0, step + 1, step), positive[step % 3]) << step;
    EXPECT_STREQ(EventPhaseText(1, step + 2, step), positive[step % 3]) << step;
  }
  EXPECT_STREQ(EventPhaseText(2, -1, 0), "");   // a negative step's remainder has no letter
}

TEST(SixLetterHistory, StaysWithinItsThirtyRows)
{
  stringLength = 27;
  ClearTraces(27, true);
  lastHistoryRow = 45;   // a trace row count the tables do not have
  EXPECT_EQ(HistoryRowsInUse(), kTraceRows);
  BuildSixLetterHistory();
  EXPECT_EQ(stepCount, kTraceRows);
  EXPECT_EQ(sixLetterHistory[29][26], kNoLetter);
  EXPECT_EQ(SixLetterLine(40), "40 -    " + std::string(27, ' '));
  lastHistoryRow = -3;
  EXPECT_EQ(HistoryRowsInUse(), 0);
  BuildSixLetterHistory();
  EXPECT_EQ(stepCount, 0);
}

// More event rows than the 27 table rows: every view stops at row 26.
TEST(StepWTables, OneDimensionalViewsKeepToTwentySevenRows)
{
  stringLength = 2;
  historyRowCount = 40;
  for (int k = 0; k < 41; ++k)
    for (int c = 0; c < 2; ++c) {
      eventValueA[k][c] = k % 2 == 0 ? 0 : 2;
      eventValueB[k][c] = 2;
      eventStepA[k][c] = 2 * k + c;
      eventStepB[k][c] = 3 * k;
      eventElementA[k][c] = k % 6;
      eventElementB[k][c] = 5 - k % 6;
    }
  EXPECT_EQ(StepWShownRows(), kStGrRows);
  for (int item = kViewValues; item <= kViewLetters; ++item) FillStepWTables1d(item);
  EXPECT_EQ(stGrTableA[4][0], 4 + 3);   // "ffN6+3": a 0 event's element plus 3
  EXPECT_EQ(stGrTableA[5][0], 5);
  EXPECT_EQ(stGrTableB[3][0], 3);       // B unchanged
  stGrTableA[0][0] = -8;
  FillStepWTables1d(kViewSteps);
  EXPECT_EQ(stGrTableA[0][0], -8);      // "ffFF" starts at row 1
  EXPECT_EQ(stGrTableA[26][1], 53);
  FillStepWTables1d(kViewStepGaps);
  EXPECT_EQ(stGrTableA[3][0], 1);       // events at rows 6 and 8: 2*2 - 3

  ReduceEventStepsAToPhases();
  EXPECT_EQ(eventStepA[39][1], 79 % 3);
  EXPECT_EQ(eventStepA[40][0], 80);     // beyond the event rows: untouched
}

// "xyz 177" reduces every column of string A's event steps, not only those
// of the string's length; rows from historyRowCount on and string B stay.
TEST(StepWTables, PhasesReplaceTheStepsOfEveryColumn)
{
  stringLength = 4;
  historyRowCount = 3;
  for (int k = 0; k < 4; ++k)
    for (int c = 0; c < kEventColumns; ++c) eventStepA[k][c] = eventStepB[k][c] = 10 * k + c;
  ReduceEventStepsAToPhases();
  EXPECT_EQ(eventStepA[0][3], 0);       // 3 mod 3, inside the string
  EXPECT_EQ(eventStepA[1][4], 2);       // 14 mod 3, the first column past it
  EXPECT_EQ(eventStepA[2][26], 1);      // 46 mod 3
  EXPECT_EQ(eventStepA[2][49], 0);      // 69 mod 3, the table's last column
  EXPECT_EQ(eventStepA[3][49], 79);     // past the event rows
  EXPECT_EQ(eventStepB[2][49], 69);
}

TEST(StepWTables, TwoDimensionalViewOfAGrowthPlane)
{
  stringLength = 3;
  growthTwoEventStep1[4][1][2] = 65535;
  growthZeroEventStep1[4][1][2] = 17;
  growthFrontDiff[4][2][2] = -5;
  FillStepWTables2d(3, 4);
  EXPECT_EQ(stGrTableA[1][2], -1);      // "none" read as a signed 16-bit value
  EXPECT_EQ(stGrTableB[1][2], 17);
  FillStepWTables2d(6, 4);
  EXPECT_EQ(stGrTableA[2][2], -5);
  FillStepWTables2d(9, 4);              // unknown item: nothing copied
  EXPECT_EQ(stGrTableA[2][2], -5);
  FillStepWTables2d(6, 600);            // no such plane: reads as 0
  EXPECT_EQ(stGrTableA[2][2], 0);
}
