// Draws of the trial experiment's run set-up.
#include "base/Random.h"
#include "engine/TrialBatch.h"

#include <gtest/gtest.h>

TEST(TrialBatch, LengthsComeFromTheRangeAndShortStringsNeverLoop) {
  randomLengthMin = 20;
  randomLengthMax = 40;
  for (int k = 0; k < 200; ++k) {
    const int32_t length = DrawTrialLength();
    EXPECT_GE(length, 20);
    EXPECT_LT(length, 40);
  }
  randomLengthMax = 20;   // an empty range gives its minimum instead of dividing by 0
  EXPECT_EQ(DrawTrialLength(), 20);
  EXPECT_EQ(DrawTrialBCount(6), 2);
  EXPECT_EQ(DrawTrialBCount(3), 2);   // no draw could ever reach 2 here
  EXPECT_EQ(DrawTrialBCount(0), 2);
  const int32_t many = DrawTrialBCount(27);
  EXPECT_GE(many, 2);
  EXPECT_LE(many, 13);
}
