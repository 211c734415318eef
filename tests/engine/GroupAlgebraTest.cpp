#include "engine/GroupAlgebra.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/ResolutionProbe.h"

namespace {

// The group's multiplication written out independently of the code under test.
constexpr int kProduct[6][6] = {
    {0, 1, 2, 3, 4, 5}, {1, 2, 0, 4, 5, 3}, {2, 0, 1, 5, 3, 4},
    {3, 5, 4, 0, 2, 1}, {4, 3, 5, 1, 0, 2}, {5, 4, 3, 2, 1, 0},
};

TEST(GroupAlgebra, ProductAndTableMatchTheGroup) {
  for (uint32_t a = 0; a < 6; ++a)
    for (uint32_t b = 0; b < 6; ++b) {
      EXPECT_EQ(GroupProduct(a, b), kProduct[a][b]) << a << "*" << b;
      EXPECT_EQ(groupProductTable[a][b], kProduct[a][b]) << a << "*" << b;
    }
}

TEST(GroupAlgebra, IsANonCommutativeGroupOfOrderSix) {
  for (uint32_t a = 0; a < 6; ++a) {
    EXPECT_EQ(GroupProduct(0, a), static_cast<int32_t>(a));
    EXPECT_EQ(GroupProduct(a, 0), static_cast<int32_t>(a));
    for (uint32_t b = 0; b < 6; ++b)
      for (uint32_t c = 0; c < 6; ++c)
        EXPECT_EQ(GroupProduct(GroupProduct(a, b), c), GroupProduct(a, GroupProduct(b, c)))
            << a << "," << b << "," << c;
  }
  // 1 and 2 have order 3, 3..5 order 2.
  EXPECT_EQ(GroupProduct(1, 1), 2);
  EXPECT_EQ(GroupProduct(1, 2), 0);
  for (uint32_t a = 3; a < 6; ++a) EXPECT_EQ(GroupProduct(a, a), 0);
  EXPECT_EQ(GroupProduct(3, 1), 5);
  EXPECT_EQ(GroupProduct(1, 3), 4);
}

TEST(GroupAlgebra, ProductOutsideTheGroupGivesFixedValues) {
  EXPECT_EQ(GroupProduct(7, 2), 0);
  EXPECT_EQ(GroupProduct(static_cast<uint32_t>(-1), 2), 0);
  EXPECT_EQ(GroupProduct(0, 9), 9);
  EXPECT_EQ(GroupProduct(1, 9), 0);
  EXPECT_EQ(GroupProduct(2, 9), 0);
  EXPECT_EQ(GroupProduct(3, 9), 0);
  EXPECT_EQ(GroupProduct(4, 9), 1);
  EXPECT_EQ(GroupProduct(5, 9), 2);
  EXPECT_EQ(GroupProduct(5, static_cast<uint32_t>(-1)), 2);
}

TEST(GroupAlgebra, LeftDivisionUndoesTheProduct) {
  for (int32_t g = 0; g < 6; ++g)
    for (int32_t x = 0; x < 6; ++x)
      EXPECT_EQ(GroupLeftDivide(g, GroupProduct(g, x)), x) << g << "," << x;
  EXPECT_EQ(GroupLeftDivide(6, 0), 0);
  EXPECT_EQ(GroupLeftDivide(6, 3), 5);
  EXPECT_EQ(GroupLeftDivide(-1, 0), 0);
}

TEST(GroupAlgebra, KeyDivisionWritesOnlyTheKeysBytes) {
  std::memset(quotientKey, 0xEE, sizeof quotientKey);
  LeftDivideKey5(4, 0, 1, 2, 3, 4);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(quotientKey[i], GroupLeftDivide(4, i));
  for (int i = 5; i < 10; ++i) EXPECT_EQ(quotientKey[i], 0xEE);

  LeftDivideKey9(1, 5, 4, 3, 2, 1, 0, 1, 2, 3);
  quotientKey[9] = 0x77;
  LeftDivideKey6(2, 0, 1, 2, 3, 4, 5);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(quotientKey[i], GroupLeftDivide(2, i));
  EXPECT_EQ(quotientKey[6], GroupLeftDivide(1, 1));
  EXPECT_EQ(quotientKey[7], GroupLeftDivide(1, 2));
  EXPECT_EQ(quotientKey[8], GroupLeftDivide(1, 3));
  EXPECT_EQ(quotientKey[9], 0x77);

  LeftDivideKey7(3, 5, 5, 5, 5, 5, 5, 5);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(quotientKey[i], GroupLeftDivide(3, 5));
  EXPECT_EQ(quotientKey[7], GroupLeftDivide(1, 2));
}

TEST(GroupAlgebra, NormalisingByOwnElementGivesIdentityThere) {
  // Dividing a key by its k-th element puts the identity at k; dividing by
  // 1..5 in turn gives the key's five other images, all different.
  const int16_t key[8] = {3, 1, 4, 1, 5, 0, 2, 5};
  EXPECT_EQ(LeftDivideKey8(key[2], key[0], key[1], key[2], key[3], key[4], key[5], key[6], key[7]),
            GroupLeftDivide(key[2], key[7]));
  EXPECT_EQ(quotientKey[2], 0);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(GroupProduct(key[2], quotientKey[i]), key[i]);

  bool seen[6] = {};
  for (int16_t g = 0; g < 6; ++g) {
    LeftDivideKey5(g, key[0], key[1], key[2], key[3], key[4]);
    EXPECT_FALSE(seen[quotientKey[0]]);
    seen[quotientKey[0]] = true;
  }
}

TEST(GroupAlgebra, RightMultiplyRowIsTheRightProduct) {
  const uint8_t source[8] = {0, 1, 2, 3, 4, 5, 9, 2};
  std::memcpy(rtProbeSource, source, 8);
  rt1Width = 8;
  for (int16_t g = 1; g <= 5; ++g) {
    std::memset(rtProbeRow, 0xAB, 8);
    RightMultiplyRow(g);
    for (int i = 0; i < 8; ++i) {
      if (source[i] <= 5)
        EXPECT_EQ(rtProbeRow[i], kProduct[source[i]][g]) << "cell " << i << " g " << g;
      else
        EXPECT_EQ(rtProbeRow[i], 0xAB) << "cell outside the group must stay";
    }
  }
}

TEST(GroupAlgebra, RightMultiplyRowWritesNothingWhenItShouldNot) {
  std::memset(rtProbeSource, 1, 8);
  std::memset(rtProbeRow, 0xAB, 8);
  rt1Width = 8;
  for (int16_t g : {0, 6, -1, 300}) RightMultiplyRow(g);
  rt1Width = 0;
  RightMultiplyRow(2);
  rt1Width = -5;
  RightMultiplyRow(2);
  for (uint8_t b : rtProbeRow) EXPECT_EQ(b, 0xAB);

  rt1Width = 3;
  RightMultiplyRow(1);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(rtProbeRow[i], i < 3 ? 2 : 0xAB);
}

TEST(GroupAlgebra, RightMultiplyRowStaysInsideItsRow) {
  // A width above the row's eight cells is clamped (the sanitizer reports any
  // write past rtProbeRow).
  std::memset(rtProbeSource, 3, 8);
  rt1Width = 1000;
  RightMultiplyRow(4);
  for (uint8_t b : rtProbeRow) EXPECT_EQ(b, kProduct[3][4]);
}

}  // namespace
