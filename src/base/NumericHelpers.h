#pragma once
// Small numeric helpers shared by all subsystems: extrema and sums of square
// int32 matrices, colour ramps for heat maps (Windows colour values
// red + green*256 + blue*65536), an ascending sort and absolute values.
// None has undefined behaviour for any argument.

#include <cstdint>

// Largest cell of the n x n matrix m (row stride n). Starts from -1000000, so
// a cell must exceed that to count; n <= 0 gives -1000000.
int32_t MatrixMaximum(const int32_t* m, int16_t n);
// Smallest cell, starting from 1000000; n <= 0 gives 1000000.
int32_t MatrixMinimum(const int32_t* m, int16_t n);
// Sum of all n x n cells with 32-bit wrap-around; n <= 0 gives 0.
int32_t MatrixSum(const int32_t* m, int16_t n);

// a + (b - a) * t truncated toward zero. A result beyond the int32 range is
// clamped to it and a NaN result (t NaN) gives 0.
int32_t InterpolateChannel(int16_t a, int16_t b, double t);
// Colour value of the three interpolated channels, each taken as 16-bit
// signed before combining; the sum wraps around in 32 bits.
int32_t InterpolateColor(int16_t r1, int16_t g1, int16_t b1, int16_t r2, int16_t g2, int16_t b2,
                         double t);
// Grey from black (t = 0) to white (t = 1); t = 0.5 gives 127,127,127.
int32_t GreyScaleColor(double t);

// Sorts a[0..n-1] ascending in place; n < 1 does nothing.
void SortAscending(int32_t* a, int32_t n);

// a + b wrapping around in 32 bits, as the counters of a run that never ends do
// after some billions of steps, instead of overflowing.
inline int32_t AddWrapping(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

// v held inside the int32 range.
inline int32_t SaturateToInt32(int64_t v) {
  return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : static_cast<int32_t>(v);
}

// a + b held at INT64_MAX when it would overflow (counts of placements that
// run past 64 bits stay at the largest).
inline int64_t SaturatingAdd64(int64_t a, int64_t b) {
  int64_t sum;
  return __builtin_add_overflow(a, b, &sum) ? INT64_MAX : sum;
}

// Absolute value; INT32_MIN, whose absolute value has no int32, gives INT32_MAX.
int32_t AbsInt(int32_t v);
// v if v >= 0, else -v.
double AbsDouble(double v);
