// The symmetry classes of cross records: rotations and mirror images of the
// arms join a class, the unchanged arms are reported as a repeat.
#include "base/TableRecords.h"
#include "tables2d/CrossSymmetryClasses.h"

#include <gtest/gtest.h>

#include <array>

namespace {

void LayRecords(const std::vector<std::array<uint8_t, 5>>& keys)
{
    for (size_t r = 0; r < keys.size(); ++r) std::copy(keys[r].begin(), keys[r].end(), ttKeys[r]);
}

TEST(CrossSymmetryClasses, RotationsAndMirrorImagesOfTheArmsFormAClass)
{
    LayRecords({
        {0, 1, 2, 3, 4},   // opens class 0
        {0, 2, 3, 4, 1},   // rotated by one arm
        {3, 1, 2, 3, 4},   // another centre: a class of its own
        {0, 1, 1, 1, 1},   // opens class 2
        {0, 1, 1, 1, 1},   // the same arms: a repeat, and a rotation of them as well
        {0, 1, 2, 3, 4},   // the arms of record 0 unchanged: a repeat only; opens class 3
        {0, 4, 3, 2, 1},   // mirrored: in class 0 and, counted again, in class 3
        {0, 3, 4, 1, 2},   // beyond the records looked at
    });
    const CrossSymmetryCount count = CountCrossSymmetryClasses(7);
    ASSERT_EQ(count.classes.size(), 4u);
    const int32_t firsts[4] = {0, 2, 3, 5}, sizes[4] = {3, 1, 2, 2};
    for (size_t c = 0; c < 4; ++c) {
        EXPECT_EQ(count.classes[c].firstRecord, firsts[c]) << c;
        EXPECT_EQ(count.classes[c].size, sizes[c]) << c;
    }
    EXPECT_EQ(count.repeatedArms, (std::vector<std::pair<int32_t, int32_t>>{{0, 5}, {3, 4}}));

    // Every image of the arms under the eight symmetries, once each.
    LayRecords({
        {2, 1, 2, 3, 4}, {2, 2, 3, 4, 1}, {2, 3, 4, 1, 2}, {2, 4, 1, 2, 3},
        {2, 3, 2, 1, 4}, {2, 2, 1, 4, 3}, {2, 1, 4, 3, 2}, {2, 4, 3, 2, 1},
        {2, 1, 3, 2, 4},   // arms 2 and 3 exchanged: no symmetry of the square
    });
    const CrossSymmetryCount all = CountCrossSymmetryClasses(9);
    ASSERT_EQ(all.classes.size(), 2u);
    EXPECT_EQ(all.classes[0].size, 8);
    EXPECT_TRUE(all.repeatedArms.empty());
    EXPECT_TRUE(CountCrossSymmetryClasses(0).classes.empty());
}

} // namespace
