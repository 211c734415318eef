// Random start strings reproduced from the generator's state, and the start
// string of the recorded run.
#include "base/PointLists.h"
#include "base/Random.h"
#include "base/RunControls.h"
#include "base/SeriesData.h"
#include "base/StringLength.h"
#include "engine/StringStart.h"
#include "engine/StringState.h"

#include <gtest/gtest.h>

TEST(RandomStart, OneBPointMakesExactlyTwoDrawsAndIsReproducible) {
  requestedCPointCount = 0;
  for (int32_t points : {0, 1}) {
    stringLength = 27;
    requestedBPointCount = points;
    SeedRandom(4242);
    const int32_t column = points ? Rand() % 27 : -1;
    const bool complement = Rand() % 2 != 0;
    const int32_t next = Rand();
    SeedRandom(4242);
    MakeRandomStart();
    EXPECT_EQ(Rand(), next) << "draws beyond the documented ones";
    for (int i = 0; i < 27; ++i) {
      const uint8_t expected = (i == column) != complement ? 1 : 2;
      EXPECT_EQ(stringA[i], expected) << i;
      EXPECT_EQ(stringB[i], expected == 1 ? 2 : 1) << i;
      EXPECT_EQ(stringAStart[i], stringA[i]);
    }
    EXPECT_EQ(bPointCount, complement ? 27 - points : points);
    EXPECT_EQ(colourSeries0[0], points);
  }
}

TEST(RandomStart, CountsBeyondTheListsAndTheStringStayInside) {
  stringLength = 27;
  requestedCPointCount = 100000;
  requestedBPointCount = -5;
  DrawRandomPointLists();
  EXPECT_EQ(cPointCount, kPointListCapacity);
  EXPECT_GE(bPointCount, 0);
  bPointCount = 2;
  bPointX[0] = 40;   // outside the string: skipped
  bPointX[1] = 3;
  SetStringAFromBPoints();
  EXPECT_EQ(stringA[3], 1);
  stringLength = 0;
  DrawRandomPointLists();
  EXPECT_EQ(bPointCount, 0);
}

TEST(RandomStart, RecordedRunStartString) {
  stringLength = 27;
  isRandomInitialString = 0;
  const uint32_t state = randomState;
  RandomizeStringA();
  EXPECT_EQ(randomState, state);   // no draw
  for (int i = 0; i < 27; ++i) EXPECT_EQ(stringA[i], (i == 0 || i == 6) ? 2 : 1);

  isRandomInitialString = 1;
  SeedRandom(7);
  const bool twos = Rand() % 2 != 0;
  bool minority[27];
  for (bool& m : minority) m = Rand() % 5 == 0;
  SeedRandom(7);
  RandomizeStringA();
  for (int i = 0; i < 27; ++i) EXPECT_EQ(stringA[i], twos != minority[i] ? 2 : 1) << i;
}
