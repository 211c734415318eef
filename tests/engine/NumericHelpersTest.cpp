#include "engine/NumericHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/ViewTransform.h"

namespace {

TEST(NumericHelpers, MatrixExtremaStartFromTheirBounds) {
  const int32_t m[9] = {-5000000, -2000000, -3000000, -1000001, -7000000,
                        -1000000 - 9, -2000000, -2000000, -1200000};
  EXPECT_EQ(MatrixMaximum(m, 3), -1000000);
  EXPECT_EQ(MatrixMinimum(m, 3), -7000000);
  const int32_t big[4] = {2000000, 3000000, 1000001, 4000000};
  EXPECT_EQ(MatrixMinimum(big, 2), 1000000);
  EXPECT_EQ(MatrixMaximum(big, 2), 4000000);
  EXPECT_EQ(MatrixMaximum(nullptr, 0), -1000000);
  EXPECT_EQ(MatrixMinimum(nullptr, 0), 1000000);
  EXPECT_EQ(MatrixSum(nullptr, 0), 0);
  EXPECT_EQ(MatrixSum(nullptr, -3), 0);
}

TEST(NumericHelpers, MatrixUsesRowStrideN) {
  // A 2 x 2 matrix inside a 9-cell buffer: only the first four cells count.
  const int32_t m[9] = {1, 2, 3, 4, 100, 100, 100, 100, -100};
  EXPECT_EQ(MatrixSum(m, 2), 10);
  EXPECT_EQ(MatrixMaximum(m, 2), 4);
  EXPECT_EQ(MatrixMinimum(m, 2), 1);
}

TEST(NumericHelpers, MatrixSumWrapsAroundIn32Bits) {
  const int32_t m[4] = {INT32_MAX, 1, INT32_MIN, -1};
  EXPECT_EQ(MatrixSum(m, 1), INT32_MAX);
  const int32_t up[4] = {INT32_MAX, 1, 0, 0};
  EXPECT_EQ(MatrixSum(up, 2), INT32_MIN);
  const int32_t down[4] = {INT32_MIN, -1, 0, 0};
  EXPECT_EQ(MatrixSum(down, 2), INT32_MAX);
  EXPECT_EQ(MatrixSum(m, 2), -1);
}

TEST(NumericHelpers, ColourRamps) {
  EXPECT_EQ(GreyScaleColor(0.5), 127 + 127 * 256 + 127 * 65536);
  EXPECT_EQ(GreyScaleColor(0.0), 0);
  EXPECT_EQ(GreyScaleColor(1.0), 0xFFFFFF);
  EXPECT_EQ(InterpolateColor(255, 0, 0, 0, 0, 255, 0.25), 191 + 63 * 65536);
  // Truncation is toward zero, also for negative results.
  EXPECT_EQ(InterpolateChannel(0, -10, 0.55), -5);
  EXPECT_EQ(InterpolateChannel(10, 0, 0.55), 4);
  EXPECT_EQ(InterpolateChannel(0, 100, 2.0), 200);
}

TEST(NumericHelpers, ColourChannelsOutsideTheirRangeStayDefined) {
  // Channels are cut to 16 bits before combining; the sum wraps in 32 bits.
  EXPECT_EQ(InterpolateColor(0, 0, -1, 0, 0, -1, 0.0), -65536);
  EXPECT_EQ(InterpolateColor(0, 0, 0, 0, 0, 32767, 1.0) , 32767 * 65536);
  EXPECT_EQ(InterpolateColor(0, 32767, 32767, 0, 32767, 32767, 0.0),
            static_cast<int32_t>(32767u * 256u + 32767u * 65536u));
  EXPECT_EQ(InterpolateChannel(0, 10, std::nan("")), 0);
  EXPECT_EQ(InterpolateChannel(0, 10, 1e300), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(InterpolateChannel(0, 10, -1e300), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(InterpolateChannel(0, 1, INFINITY), std::numeric_limits<int32_t>::max());
}

TEST(NumericHelpers, SortAscending) {
  std::vector<int32_t> a = {3, 1, 2};
  SortAscending(a.data(), 3);
  EXPECT_EQ(a, (std::vector<int32_t>{1, 2, 3}));
  std::vector<int32_t> b = {5, INT32_MIN, -1, 5, INT32_MAX, 0, 9};
  SortAscending(b.data(), 5);  // only the first five
  EXPECT_EQ(b, (std::vector<int32_t>{INT32_MIN, -1, 5, 5, INT32_MAX, 0, 9}));
  SortAscending(nullptr, 0);
  std::vector<int32_t> c = {2, 1};
  SortAscending(c.data(), -1);
  EXPECT_EQ(c, (std::vector<int32_t>{2, 1}));
}

TEST(NumericHelpers, AbsoluteValues) {
  EXPECT_EQ(AbsInt(-7), 7);
  EXPECT_EQ(AbsInt(7), 7);
  EXPECT_EQ(AbsInt(INT32_MIN + 1), INT32_MAX);
  EXPECT_EQ(AbsInt(INT32_MIN), INT32_MAX);
  EXPECT_EQ(AbsDouble(-2.5), 2.5);
  EXPECT_EQ(AbsDouble(2.5), 2.5);
}

TEST(ViewTransform, OffsetScaleAndOriginApplyInOrder) {
  EXPECT_DOUBLE_EQ(WorldToScreenX(100.0), 80.0);
  EXPECT_DOUBLE_EQ(WorldToScreenY(-10.0), -8.0);
  viewOffsetX = 10;
  viewScale = 2.0;
  viewOriginX = 5;
  viewOffsetY = -3;
  viewOriginY = 100;
  EXPECT_DOUBLE_EQ(WorldToScreenX(10.0), (8.0 + 10) * 2.0 + 5);
  EXPECT_DOUBLE_EQ(WorldToScreenY(10.0), (8.0 - 3) * 2.0 + 100);
}

}  // namespace
