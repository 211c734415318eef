// Numbers read from typed text, and numbers written as text.
#include "base/NumberEntry.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberEntry, ReadsLikeAtoiAndSaturates) {
  const struct { const char* text; int32_t value; } cases[] = {
      {"27", 27}, {"  \t\n\v\f\r42", 42}, {"-15", -15}, {"+15", 15}, {"007", 7},
      {"12abc", 12}, {"12 34", 12}, {"3.9", 3},
      {"", 0}, {"   ", 0}, {"-", 0}, {"abc", 0}, {"+-3", 0}, {"- 3", 0}, {"x12", 0},
      {"2147483647", INT32_MAX}, {"2147483648", INT32_MAX}, {"-2147483648", INT32_MIN},
      {"-2147483649", INT32_MIN}, {"99999999999999999999999999999x", INT32_MAX},
      {"-99999999999999999999999999999", INT32_MIN}};
  for (const auto& c : cases) EXPECT_EQ(NumberFromText(c.text), c.value) << '"' << c.text << '"';
  EXPECT_EQ(NumberFromText(std::string_view("123456", 3)), 123);  // the view's end ends the text
}

TEST(NumberEntry, TextRoundTripsAndRightAligns) {
  for (int32_t v : {0, -1, INT32_MAX, INT32_MIN}) EXPECT_EQ(NumberFromText(NumberText(v)), v);
  EXPECT_EQ(FormatInt(-42, 5), "  -42");
  EXPECT_EQ(FormatInt(123456, 5), "123456");
  EXPECT_EQ(FormatInt(7, -3), "7");
}

}  // namespace
