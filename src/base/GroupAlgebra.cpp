#include "base/GroupAlgebra.h"

#include <algorithm>

#include "base/ResolutionProbe.h"

const uint8_t groupProductTable[6][6] = {
    {0, 1, 2, 3, 4, 5},
    {1, 2, 0, 4, 5, 3},
    {2, 0, 1, 5, 3, 4},
    {3, 5, 4, 0, 2, 1},
    {4, 3, 5, 1, 0, 2},
    {5, 4, 3, 2, 1, 0},
};

uint8_t quotientKey[10] = {};

int32_t GroupProduct(uint32_t a, uint32_t b) {
  if (a > 5) return 0;
  if (a == 0) return static_cast<int32_t>(b);
  if (b <= 5) return groupProductTable[a][b];
  // Out-of-range right factors keep the values the table generators have
  // always produced for them.
  switch (a) {
    case 4: return 1;
    case 5: return 2;
    default: return 0;
  }
}

int32_t GroupLeftDivide(int32_t g, int32_t c) {
  for (int32_t x = 0; x < 5; ++x) {
    if (GroupProduct(static_cast<uint32_t>(g), static_cast<uint32_t>(x)) == c) return x;
  }
  return 5;
}

namespace {

template <size_t N>
void DivideKey(int16_t g, const int16_t (&cells)[N]) {
  static_assert(N <= sizeof quotientKey);
  for (size_t i = 0; i < N; ++i) {
    quotientKey[i] = static_cast<uint8_t>(GroupLeftDivide(g, cells[i]));
  }
}

}  // namespace

void LeftDivideKey5(int16_t g, int16_t k0, int16_t k1, int16_t k2, int16_t k3, int16_t k4) {
  DivideKey(g, {k0, k1, k2, k3, k4});
}

void LeftDivideKey6(int16_t g, int16_t k0, int16_t k1, int16_t k2, int16_t k3, int16_t k4,
                    int16_t k5) {
  DivideKey(g, {k0, k1, k2, k3, k4, k5});
}

void LeftDivideKey7(int16_t g, int16_t k0, int16_t k1, int16_t k2, int16_t k3, int16_t k4,
                    int16_t k5, int16_t k6) {
  DivideKey(g, {k0, k1, k2, k3, k4, k5, k6});
}

int32_t LeftDivideKey8(int16_t g, int16_t k0, int16_t k1, int16_t k2, int16_t k3, int16_t k4,
                       int16_t k5, int16_t k6, int16_t k7) {
  DivideKey(g, {k0, k1, k2, k3, k4, k5, k6, k7});
  return quotientKey[7];
}

void LeftDivideKey9(int16_t g, int16_t k0, int16_t k1, int16_t k2, int16_t k3, int16_t k4,
                    int16_t k5, int16_t k6, int16_t k7, int16_t k8) {
  DivideKey(g, {k0, k1, k2, k3, k4, k5, k6, k7, k8});
}

void RightMultiplyRow(int16_t g) {
  if (g < 1 || g > 5) return;
  const int32_t width = std::clamp<int32_t>(rt1Width, 0, sizeof rtProbeRow);
  for (int32_t i = 0; i < width; ++i) {
    const uint8_t source = rtProbeSource[i];
    if (source <= 5) rtProbeRow[i] = static_cast<uint8_t>(GroupProduct(source, g));
  }
}
