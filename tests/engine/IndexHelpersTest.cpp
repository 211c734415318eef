#include "engine/IndexHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(IndexHelpers, StringWrapIsCyclic) {
  EXPECT_EQ(WrapStringIndex(-1), 26);
  EXPECT_EQ(WrapStringIndex(-27), 0);
  EXPECT_EQ(WrapStringIndex(0), 0);
  EXPECT_EQ(WrapStringIndex(26), 26);
  EXPECT_EQ(WrapStringIndex(27), 0);
  EXPECT_EQ(WrapStringIndex(53), 26);
}

TEST(IndexHelpers, WrapsAreAFullModuloForAnyIndex) {
  EXPECT_EQ(WrapStringIndex(-100), 8);
  EXPECT_EQ(WrapStringIndex(-28), 26);
  EXPECT_EQ(WrapStringIndex(INT16_MIN), ((INT16_MIN % 27) + 27) % 27);
  EXPECT_EQ(WrapStringIndex(INT16_MAX), INT16_MAX % 27);
  for (int len : {1, 5, 27}) {
    stringLength = len;
    squareColumnCount = len;
    for (int i = -200; i <= 200; ++i) {
      const int expected = ((i % len) + len) % len;
      EXPECT_EQ(WrapStringIndex(static_cast<int16_t>(i)), expected) << i << " mod " << len;
      EXPECT_EQ(WrapSquareIndex(static_cast<int16_t>(i)), expected) << i << " mod " << len;
    }
  }
}

TEST(IndexHelpers, HalfWrapsOnlyWrapTheirSide) {
  EXPECT_EQ(WrapStringIndexLow(-3), 24);
  EXPECT_EQ(WrapStringIndexLow(30), 30);
  EXPECT_EQ(WrapStringIndexLow(-100), 8);  // still lands inside the string
  EXPECT_EQ(WrapStringIndexHigh(30), 3);
  EXPECT_EQ(WrapStringIndexHigh(-3), -3);
  EXPECT_EQ(WrapStringIndexHigh(26), 26);
  EXPECT_EQ(WrapStringIndexHigh(27), 0);
}

TEST(IndexHelpers, NoLengthNeverDivides) {
  for (int len : {0, -4}) {
    stringLength = len;
    squareColumnCount = len;
    for (int16_t i : {-30, -1, 0, 1, 30}) {
      EXPECT_EQ(WrapStringIndex(i), 0);
      EXPECT_EQ(WrapSquareIndex(i), 0);
      EXPECT_EQ(IsSquareIndexInside(i), 0);
      EXPECT_EQ(IsStringIndexBelowLength(i), i <= len - 1 ? 1 : 0);
    }
    EXPECT_EQ(WrapStringIndexLow(5), 5);
    EXPECT_EQ(WrapStringIndexLow(-5), 0);
    EXPECT_EQ(WrapStringIndexHigh(5), 0);
  }
}

TEST(IndexHelpers, BorderTests) {
  EXPECT_EQ(IsStringIndexNonNegative(0), 1);
  EXPECT_EQ(IsStringIndexNonNegative(-1), 0);
  EXPECT_EQ(IsStringIndexBelowLength(27), 0);
  EXPECT_EQ(IsStringIndexBelowLength(26), 1);
  EXPECT_EQ(IsStringIndexBelowLength(-5), 1);
  stringLength = INT32_MIN;  // L - 1 must not overflow
  EXPECT_EQ(IsStringIndexBelowLength(0), 0);
}

TEST(IndexHelpers, SquareFollowsItsOwnSide) {
  squareColumnCount = 131;
  squareRowCount = 131;
  EXPECT_EQ(WrapSquareIndex(-1), 130);
  EXPECT_EQ(WrapSquareIndex(131), 0);
  EXPECT_EQ(WrapStringIndex(-1), 26) << "string wrap must not follow the square";
  EXPECT_EQ(IsSquareIndexInside(-1), 0);
  EXPECT_EQ(IsSquareIndexInside(0), 1);
  EXPECT_EQ(IsSquareIndexInside(130), 1);
  EXPECT_EQ(IsSquareIndexInside(131), 0);
}

}  // namespace
