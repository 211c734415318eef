#include "engine/NumberEntry.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberEntry, ReadsLikeAtoi) {
  EXPECT_EQ(NumberFromText("27"), 27);
  EXPECT_EQ(NumberFromText("  \t\n\v\f\r42"), 42);
  EXPECT_EQ(NumberFromText("-15"), -15);
  EXPECT_EQ(NumberFromText("+15"), 15);
  EXPECT_EQ(NumberFromText("007"), 7);
  EXPECT_EQ(NumberFromText("12abc"), 12);
  EXPECT_EQ(NumberFromText("12 34"), 12);
  EXPECT_EQ(NumberFromText("3.9"), 3);
  EXPECT_EQ(NumberFromText(std::string_view("123456", 3)), 123);  // the view's end ends the text
}

TEST(NumberEntry, NoDigitsGiveZero) {
  EXPECT_EQ(NumberFromText(""), 0);
  EXPECT_EQ(NumberFromText("   "), 0);
  EXPECT_EQ(NumberFromText("-"), 0);
  EXPECT_EQ(NumberFromText("abc"), 0);
  EXPECT_EQ(NumberFromText("+-3"), 0);
  EXPECT_EQ(NumberFromText("- 3"), 0);
  EXPECT_EQ(NumberFromText("x12"), 0);
}

TEST(NumberEntry, SaturatesInsteadOfOverflowing) {
  EXPECT_EQ(NumberFromText("2147483647"), INT32_MAX);
  EXPECT_EQ(NumberFromText("2147483648"), INT32_MAX);
  EXPECT_EQ(NumberFromText("-2147483648"), INT32_MIN);
  EXPECT_EQ(NumberFromText("-2147483649"), INT32_MIN);
  EXPECT_EQ(NumberFromText("99999999999999999999999999999x"), INT32_MAX);
  EXPECT_EQ(NumberFromText("-99999999999999999999999999999"), INT32_MIN);
}

TEST(NumberEntry, TextRoundTrips) {
  for (int32_t v : {0, 1, -1, 27, INT32_MAX, INT32_MIN})
    EXPECT_EQ(NumberFromText(NumberText(v)), v);
  EXPECT_EQ(NumberText(-42), "-42");
}

TEST(NumberEntry, FormatIntRightAligns) {
  EXPECT_EQ(FormatInt(42, 5), "   42");
  EXPECT_EQ(FormatInt(-42, 5), "  -42");
  EXPECT_EQ(FormatInt(123456, 5), "123456");
  EXPECT_EQ(FormatInt(7, 0), "7");
  EXPECT_EQ(FormatInt(7, -3), "7");
}

}  // namespace
