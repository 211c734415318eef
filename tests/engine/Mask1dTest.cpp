// The mask globals built from the ticks.
#include "engine/Mask1d.h"

#include <gtest/gtest.h>

namespace {

Mask1dTicks Ticks(std::initializer_list<int> left, std::initializer_list<int> right) {
  Mask1dTicks t;
  for (int d : left) t.left[d - 1] = true;
  for (int d : right) t.right[d - 1] = true;
  return t;
}

}  // namespace

TEST(Mask1d, LeftTwoRightOneAndThreeInBothDirections) {
  const Mask1dTicks t = Ticks({2}, {1, 3});
  BuildMask1dFlags(t);
  EXPECT_EQ(mask1dLeftBits, 2);
  EXPECT_EQ(mask1dRightBits, 5);
  EXPECT_EQ(mask1dOffsetCount, 3);
  EXPECT_EQ(mask1dOffsets[0], -2);
  BuildNeighbourList(t, Mask1dDirection::RightToLeft);
  EXPECT_EQ(neighbourOffsets[1], 3);
  BuildNeighbourList(t, Mask1dDirection::LeftToRight);
  EXPECT_EQ(neighbourOffsets[1], -2);
  DeriveMask1dFromNeighbours();
  EXPECT_EQ(neighbourCount, 4);
  const int32_t sorted[] = {-2, 0, 1, 3}, positions[] = {0, 2, 3, 5};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(mask1dOffsets[i], sorted[i]);
    EXPECT_EQ(mask1dPositions[i], positions[i]);
  }
  EXPECT_EQ(mask1dDoubleLeftReach, 4);
  EXPECT_EQ(mask1dCentreIndex, 1);

  BuildMask1dFlags(Ticks({5}, {}));   // "Nac 122" leaves -5 first
  neighbourCount = 7;   // no direction: nothing listed, nothing copied
  BuildNeighbourList(t, Mask1dDirection::None);
  EXPECT_EQ(mask1dPointCount, 0);
  EXPECT_EQ(neighbourCount, 7);
  DeriveMask1dFromNeighbours();
  EXPECT_EQ(mask1dOffsets[0], -5);
  EXPECT_EQ(mask1dDoubleLeftReach, 10);   // still taken from the first offset
  EXPECT_EQ(mask1dCentreIndex, 1);
}

TEST(Mask1d, EveryBoxTickedStaysInsideTheLists) {
  Mask1dTicks all;
  for (int d = 0; d < kMask1dMaxDistance; ++d) all.left[d] = all.right[d] = true;
  BuildMask1dFlags(all);
  EXPECT_EQ(mask1dOffsetCount, 20);
  BuildNeighbourList(all, Mask1dDirection::LeftToRight);
  EXPECT_EQ(neighbourCount, kNeighbourSlots);   // centre and 19 offsets
  EXPECT_EQ(NeighbourListLength(all, Mask1dDirection::RightToLeft), kNeighbourSlots);
  DeriveMask1dFromNeighbours();
  EXPECT_EQ(mask1dOffsets[0], -10);
  EXPECT_EQ(mask1dCentreIndex, 10);
}

TEST(Mask1d, TheListLengthIsThePointCountTheListGets) {
  for (uint32_t code : {0u, 1u, 0x80001u, 0x2C5u, 0xFFFFFu}) {   // bit i < 10: left i + 1, else right i - 9
    Mask1dTicks t;
    for (int i = 0; i < 10; ++i) {
      t.left[i] = (code >> i) & 1;
      t.right[i] = (code >> (i + 10)) & 1;
    }
    for (Mask1dDirection direction :
         {Mask1dDirection::None, Mask1dDirection::LeftToRight, Mask1dDirection::RightToLeft}) {
      mask1dPointCount = -5;
      BuildNeighbourList(t, direction);
      EXPECT_EQ(NeighbourListLength(t, direction), mask1dPointCount) << code;
    }
  }
}
