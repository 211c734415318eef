#include "base/IndexHelpers.h"

namespace {

// i mod length in 0..length-1; 0 when there is no length to wrap by.
// The result is narrowed to 16 bits like every index of these helpers; the
// writers of the lengths keep them far below that range.
int16_t Modulo(int16_t i, int32_t length) {
  if (length <= 0) return 0;
  int32_t r = static_cast<int32_t>(i) % length;
  if (r < 0) r += length;
  return static_cast<int16_t>(r);
}

}  // namespace

int16_t WrapStringIndex(int16_t i) { return Modulo(i, stringLength); }

int16_t WrapStringIndexLow(int16_t i) {
  if (i >= 0) return i;
  return Modulo(i, stringLength);
}

int16_t WrapStringIndexHigh(int16_t i) {
  if (static_cast<int64_t>(i) <= static_cast<int64_t>(stringLength) - 1) return i;
  return Modulo(i, stringLength);
}

int16_t IsStringIndexNonNegative(int16_t i) { return i >= 0 ? 1 : 0; }

int16_t IsStringIndexBelowLength(int16_t i) {
  return static_cast<int64_t>(i) <= static_cast<int64_t>(stringLength) - 1 ? 1 : 0;
}

int16_t WrapSquareIndex(int16_t i) { return Modulo(i, squareColumnCount); }

int16_t IsSquareIndexInside(int16_t i) {
  return i >= 0 && static_cast<int64_t>(i) <= static_cast<int64_t>(squareColumnCount) - 1 ? 1 : 0;
}
