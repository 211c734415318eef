// The group of order six, its fallbacks outside the group, and the key and row
// helpers built on it.
#include "base/GroupAlgebra.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/ResolutionProbe.h"

namespace {

// The group's multiplication written out independently of the code under test.
constexpr int kProduct[6][6] = {
    {0, 1, 2, 3, 4, 5}, {1, 2, 0, 4, 5, 3}, {2, 0, 1, 5, 3, 4},
    {3, 5, 4, 0, 2, 1}, {4, 3, 5, 1, 0, 2}, {5, 4, 3, 2, 1, 0},
};

TEST(GroupAlgebra, ProductIsAnAssociativeGroupWithIdentityAndDivisionUndoesIt) {
  for (int32_t a = 0; a < 6; ++a) {
    EXPECT_EQ(GroupProduct(0, a), a);
    EXPECT_EQ(GroupProduct(a, 0), a);
    for (int32_t b = 0; b < 6; ++b) {
      EXPECT_EQ(GroupProduct(a, b), kProduct[a][b]) << a << "*" << b;
      EXPECT_EQ(groupProductTable[a][b], kProduct[a][b]) << a << "*" << b;
      EXPECT_EQ(GroupLeftDivide(a, GroupProduct(a, b)), b) << a << "," << b;
      for (int32_t c = 0; c < 6; ++c)
        EXPECT_EQ(GroupProduct(GroupProduct(a, b), c), GroupProduct(a, GroupProduct(b, c)));
    }
  }
}

TEST(GroupAlgebra, ArgumentsOutsideTheGroupGiveFixedValues) {
  const uint32_t minus1 = static_cast<uint32_t>(-1);
  const struct { uint32_t a, b; int32_t product; } products[] = {
      {7, 2, 0}, {minus1, 2, 0}, {0, 9, 9}, {1, 9, 0}, {2, 9, 0},
      {3, 9, 0}, {4, 9, 1},      {5, 9, 2}, {5, minus1, 2}};
  for (const auto& p : products) EXPECT_EQ(GroupProduct(p.a, p.b), p.product) << p.a << "*" << p.b;
  EXPECT_EQ(GroupLeftDivide(6, 0), 0);
  EXPECT_EQ(GroupLeftDivide(6, 3), 5);
  EXPECT_EQ(GroupLeftDivide(-1, 0), 0);
}

TEST(GroupAlgebra, KeyDivisionWritesOnlyTheKeysBytes) {
  std::memset(quotientKey, 0xEE, sizeof quotientKey);
  LeftDivideKey5(4, 0, 1, 2, 3, 4);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(quotientKey[i], i < 5 ? GroupLeftDivide(4, i) : 0xEE);
  EXPECT_EQ(LeftDivideKey8(4, 4, 4, 4, 4, 4, 4, 4, 3), GroupLeftDivide(4, 3));
  EXPECT_EQ(quotientKey[8], 0xEE);
}

TEST(GroupAlgebra, RightMultiplyRowWritesOnlyInsideItsRow) {
  const uint8_t source[8] = {0, 1, 2, 3, 4, 5, 9, 2};
  std::memcpy(rtProbeSource, source, 8);
  rt1Width = 8;
  for (int16_t g = 1; g <= 5; ++g) {
    std::memset(rtProbeRow, 0xAB, sizeof rtProbeRow);
    RightMultiplyRow(g);
    for (int i = 0; i < 8; ++i)   // a source cell outside the group leaves its row cell
      EXPECT_EQ(rtProbeRow[i], source[i] <= 5 ? kProduct[source[i]][g] : 0xAB) << i << " g " << g;
  }
  std::memset(rtProbeRow, 0xAB, sizeof rtProbeRow);
  for (int16_t g : {0, 6, -1, 300}) RightMultiplyRow(g);
  for (int32_t width : {0, -5}) {
    rt1Width = width;
    RightMultiplyRow(2);
  }
  for (uint8_t b : rtProbeRow) EXPECT_EQ(b, 0xAB);
  rt1Width = 3;
  RightMultiplyRow(1);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(rtProbeRow[i], i < 3 ? kProduct[source[i]][1] : 0xAB);
  // A width above the row's ten cells is clamped (the sanitizer reports any overrun).
  rt1Width = 1000;
  RightMultiplyRow(4);
  EXPECT_EQ(rtProbeRow[7], kProduct[2][4]);
}

}  // namespace
