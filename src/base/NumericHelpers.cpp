#include "base/NumericHelpers.h"

#include <algorithm>
#include <cmath>
#include <limits>

int32_t MatrixMaximum(const int32_t* m, int16_t n) {
  int32_t best = -1000000;
  for (int32_t i = 0; i < n; ++i)
    for (int32_t j = 0; j < n; ++j) best = std::max(best, m[i * n + j]);
  return best;
}

int32_t MatrixMinimum(const int32_t* m, int16_t n) {
  int32_t best = 1000000;
  for (int32_t i = 0; i < n; ++i)
    for (int32_t j = 0; j < n; ++j) best = std::min(best, m[i * n + j]);
  return best;
}

int32_t MatrixSum(const int32_t* m, int16_t n) {
  // Unsigned arithmetic gives the 32-bit wrap-around without overflow.
  uint32_t sum = 0;
  for (int32_t i = 0; i < n; ++i)
    for (int32_t j = 0; j < n; ++j) sum += static_cast<uint32_t>(m[i * n + j]);
  return static_cast<int32_t>(sum);
}

int32_t InterpolateChannel(int16_t a, int16_t b, double t) {
  const double v = a + (static_cast<double>(b) - a) * t;
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);  // truncates toward zero
}

int32_t InterpolateColor(int16_t r1, int16_t g1, int16_t b1, int16_t r2, int16_t g2, int16_t b2,
                         double t) {
  const auto channel = [t](int16_t a, int16_t b) {
    return static_cast<uint32_t>(static_cast<int16_t>(InterpolateChannel(a, b, t)));
  };
  const uint32_t colour = channel(r1, r2) + channel(g1, g2) * 256u + channel(b1, b2) * 65536u;
  return static_cast<int32_t>(colour);
}

int32_t GreyScaleColor(double t) { return InterpolateColor(0, 0, 0, 255, 255, 255, t); }

void SortAscending(int32_t* a, int32_t n) {
  if (n < 1) return;
  std::sort(a, a + n);
}

int32_t AbsInt(int32_t v) {
  if (v == std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::max();
  return v < 0 ? -v : v;
}

double AbsDouble(double v) { return v >= 0 ? v : -v; }
