// Cyclic wraps and border tests of string and square indices.
#include "base/IndexHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(IndexHelpers, WrapsAreAFullModuloForAnyIndex) {
  EXPECT_EQ(WrapStringIndex(INT16_MIN), ((INT16_MIN % 27) + 27) % 27);
  EXPECT_EQ(WrapStringIndex(INT16_MAX), INT16_MAX % 27);
  for (int len : {27, 1, 5}) {
    stringLength = len;
    squareColumnCount = len;
    for (int i = -200; i <= 200; ++i) {
      const int expected = ((i % len) + len) % len;
      EXPECT_EQ(WrapStringIndex(static_cast<int16_t>(i)), expected) << i << " mod " << len;
      EXPECT_EQ(WrapSquareIndex(static_cast<int16_t>(i)), expected) << i << " mod " << len;
      EXPECT_EQ(WrapStringIndexLow(static_cast<int16_t>(i)), i < 0 ? expected : i);
      EXPECT_EQ(WrapStringIndexHigh(static_cast<int16_t>(i)), i >= len ? expected : i);
      EXPECT_EQ(IsStringIndexNonNegative(static_cast<int16_t>(i)), i >= 0 ? 1 : 0);
      EXPECT_EQ(IsStringIndexBelowLength(static_cast<int16_t>(i)), i <= len - 1 ? 1 : 0);
      EXPECT_EQ(IsSquareIndexInside(static_cast<int16_t>(i)), i >= 0 && i < len ? 1 : 0);
    }
  }
  stringLength = 27;
  squareColumnCount = 131;   // each wrap follows its own length
  EXPECT_EQ(WrapSquareIndex(-1), 130);
  EXPECT_EQ(WrapStringIndex(-1), 26);
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
  stringLength = INT32_MIN;  // L - 1 must not overflow
  EXPECT_EQ(IsStringIndexBelowLength(0), 0);
}

}  // namespace
