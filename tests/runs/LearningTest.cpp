// Learning small transition tables from the six-letter history, and the draws
// and checks of the learning trials.
#include "base/Random.h"
#include "base/StringLength.h"
#include "engine/Mask1d.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "runs/LearningTrials.h"
#include "runs/RunViewState.h"
#include "runs/SixLetterHistory.h"
#include "runs/SixLetterLearning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

void SetHistoryRow(int row, std::initializer_list<int16_t> letters)
{
  std::copy(letters.begin(), letters.end(), sixLetterHistory[row]);
}

std::vector<LetterAmbiguity> Learn(int32_t n)
{
  std::vector<LetterAmbiguity> seen;
  LearnSixLetterTable(n, [&](const LetterAmbiguity& a) { seen.push_back(a); });
  return seen;
}

int32_t Filled(int n)
{
  const uint8_t* t = SixLetterTable(n);
  return static_cast<int32_t>(std::count_if(t, t + SixLetterTableSize(n), [](uint8_t v) { return v != 255; }));
}

}  // namespace

// Four columns, rows 0..2, N = 3 with the list (0, -1, 1): the keys wrap at
// both ends and a window whose next cell has no letter is skipped.
TEST(SixLetterLearning, ShortHistoryWorkedByHand)
{
  stringLength = 4;
  lastHistoryRow = 2;
  SetHistoryRow(0, {0, 1, 2, 3});
  SetHistoryRow(1, {1, 2, 3, 4});
  SetHistoryRow(2, {2, kNoLetter, 4, 5});
  ResetSixLetterItem(0);
  EXPECT_TRUE(Learn(3).empty());

  struct { int k0, k1, k2, next; } expected[] = {
      {0, 3, 1, 1}, {1, 0, 2, 2}, {2, 1, 3, 3}, {3, 2, 0, 4},   // row 0 -> row 1
      {1, 4, 2, 2}, {3, 2, 4, 4}, {4, 3, 1, 5},                 // row 1 -> row 2 (column 1 skipped)
  };
  for (const auto& e : expected)
    EXPECT_EQ(sixLetterTable3[e.k0 * 36 + e.k1 * 6 + e.k2], e.next) << e.k0 << e.k1 << e.k2;
  EXPECT_EQ(Filled(3), 7);
  EXPECT_EQ(stepCount, 2);   // the row counter is left where learning stopped
}

// N = 4 starts at row 1, and its first conflict ends the learning with the
// stored letter kept; N = 3 reports every conflict and goes on.
TEST(SixLetterLearning, AmbiguityKeepsTheFirstLetter)
{
  stringLength = 3;
  lastHistoryRow = 3;
  SetHistoryRow(0, {0, 0, 0});
  SetHistoryRow(1, {1, 1, 1});
  SetHistoryRow(2, {1, 1, 1});
  SetHistoryRow(3, {1, 2, 2});
  ResetSixLetterItem(1);
  EXPECT_EQ(std::vector<int32_t>(neighbourOffsets, neighbourOffsets + 4), (std::vector<int32_t>{-2, -1, 0, 1}));
  const auto seen = Learn(4);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(LetterAmbiguityText(seen[0]), "Y3 X1 (2)   1  1  1  1    T1    AMBIGUITY!!!  ");
  EXPECT_EQ(sixLetterTable4[6 * 6 * 6 + 6 * 6 + 6 + 1], 1);
  EXPECT_EQ(sixLetterTable4[0], 255);   // row 0 is never a source row for N = 4
  EXPECT_EQ(stepCount, 2);

  ResetSixLetterItem(0);
  const auto all = Learn(3);
  ASSERT_EQ(all.size(), 2u);   // columns 1 and 2 of row 2
  EXPECT_EQ(LetterAmbiguityText(all[1]), "Y2 X2   1 1|1    T1 E2");
  EXPECT_EQ(stepCount, 3);

  LetterAmbiguity a{.n = 5, .row = 4, .column = 7, .keys = {1, 2, 3, 4, 5}, .stored = 0, .next = 3};
  EXPECT_EQ(LetterAmbiguityText(a), "Y5 X7 (3)    1 2|3|4    T0    AMBIGUITY!!!  ");
  a.n = 7;
  EXPECT_EQ(LetterAmbiguityText(a), "Y5 X7 (3)    1 2 3 4 5 0 0    AMBIGUITY!!!      T0");
}

// A history whose last row lies past the 30 trace rows reads nothing outside
// them; typed offsets far beyond the string wrap by a full modulo.
TEST(SixLetterLearning, StaysInsideTheHistoryAndTheString)
{
  stringLength = 5;
  for (int r = 0; r < kTraceRows; ++r) std::fill(sixLetterHistory[r], sixLetterHistory[r] + 27, int16_t(r % 6));
  lastHistoryRow = 400;
  ResetSixLetterItem(0);
  neighbourOffsets[1] = -1000001;   // the same column as -1 for five cells
  neighbourOffsets[2] = 2000001;
  EXPECT_TRUE(Learn(3).empty());
  EXPECT_EQ(stepCount, 400);
  EXPECT_EQ(Filled(3), 6);          // one key per letter, rows 0..28

  lastHistoryRow = 0;               // no row pair: nothing learned
  ResetSixLetterItem(0);
  Learn(3);
  EXPECT_EQ(Filled(3), 0);
  EXPECT_EQ(stepCount, 0);

  ResetSixLetterItem(6);            // N = 9: no table, the list still set
  EXPECT_EQ(neighbourCount, 9);
  EXPECT_TRUE(Learn(9).empty());
  neighbourCount = 2;
  ResetSixLetterItem(-1);           // no item: nothing changes
  EXPECT_EQ(neighbourCount, 2);
}

namespace {

// The generator state whose next draw is the given value (state bits 16..30).
uint32_t SeedGiving(int32_t draw)
{
  uint32_t inverse = 22695477u;   // Newton's iteration for the inverse mod 2^32
  for (int i = 0; i < 5; ++i) inverse *= 2u - 22695477u * inverse;
  const uint32_t next = static_cast<uint32_t>(draw) << 16;
  return (next - 1u) * inverse;
}

}  // namespace

TEST(LearningTrials, DrawsFollowTheirDivisorsAndRefuseWhatCannotRun)
{
  trialLengthBase = 3;
  trialLengthRange = 24;
  trialBCountBase = 1;
  trialBCountRange = 4;
  EXPECT_EQ(TrialParameterProblem(), "");
  SeedRandom(SeedGiving(32759));    // one below 32760: not yet the top length
  EXPECT_EQ(DrawTrial().length, 3 + 32759 * 24 / 32760);
  SeedRandom(SeedGiving(32760));
  const TrialDraw top = DrawTrial();
  EXPECT_EQ(top.length, 27);
  SeedRandom(SeedGiving(32767));
  EXPECT_EQ(DrawTrial().length, 27);

  trialLengthRange = 25;            // 3 + 25 = 28 cells: more than a string holds
  EXPECT_NE(TrialParameterProblem(), "");
  trialLengthRange = 2000000000;    // r * dN0 needs 64 bits
  EXPECT_NE(TrialParameterProblem(), "");
  trialLengthBase = 0;
  trialLengthRange = 0;
  EXPECT_NE(TrialParameterProblem(), "");   // a length of 0
  trialLengthBase = 27;
  EXPECT_EQ(TrialParameterProblem(), "");
  trialBCountBase = -1;
  EXPECT_NE(TrialParameterProblem(), "");
  trialBCountBase = 4900;
  trialBCountRange = 2;             // 4900 + 1 B cells: past the point lists
  EXPECT_NE(TrialParameterProblem(), "");
}
