#include "base/NumberEntry.h"

#include <limits>

int32_t NumberFromText(std::string_view text) {
  size_t pos = 0;
  const auto isBlank = [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
  };
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // Magnitude limit: one more for the negative side, which reaches INT32_MIN.
  const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                 : std::numeric_limits<int32_t>::max();
  int64_t magnitude = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    magnitude = magnitude * 10 + (text[pos] - '0');
    if (magnitude > limit) magnitude = limit;  // saturate, keep scanning harmlessly
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

std::string NumberText(int32_t value) { return std::to_string(value); }

std::string FormatInt(int value, int width) {
  std::string text = std::to_string(value);
  if (width > 0 && text.size() < static_cast<size_t>(width)) {
    text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
  }
  return text;
}
