// Matrix extrema and sums, colour ramps, the sort and absolute values at their edges.
#include "base/NumericHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

TEST(NumericHelpers, MatrixHelpersUseStrideNAndStartFromTheirBounds) {
  // A 2 x 2 matrix inside a 9-cell buffer: only the first four cells count.
  const int32_t m[9] = {1, 2, 3, 4, 100, 100, 100, 100, -100};
  EXPECT_EQ(MatrixSum(m, 2), 10);
  EXPECT_EQ(MatrixMaximum(m, 2), 4);
  EXPECT_EQ(MatrixMinimum(m, 2), 1);
  const int32_t far[4] = {-5000000, -7000000, 2000000, 3000000};
  EXPECT_EQ(MatrixMaximum(far, 1), -1000000);
  EXPECT_EQ(MatrixMinimum(far + 2, 1), 1000000);
  EXPECT_EQ(MatrixMaximum(nullptr, 0), -1000000);
  EXPECT_EQ(MatrixSum(nullptr, -3), 0);
  const int32_t up[4] = {INT32_MAX, 1, 0, 0}, down[4] = {INT32_MIN, -1, 0, 0};   // sums wrap in 32 bits
  EXPECT_EQ(MatrixSum(up, 2), INT32_MIN);
  EXPECT_EQ(MatrixSum(down, 2), INT32_MAX);
}

TEST(NumericHelpers, ColourRampsStayDefinedOutsideTheirRange) {
  EXPECT_EQ(GreyScaleColor(0.5), 127 + 127 * 256 + 127 * 65536);
  EXPECT_EQ(InterpolateColor(255, 0, 0, 0, 0, 255, 0.25), 191 + 63 * 65536);
  EXPECT_EQ(InterpolateChannel(0, -10, 0.55), -5);   // truncated toward zero
  // Channels are cut to 16 bits before combining; the sum wraps in 32 bits.
  EXPECT_EQ(InterpolateColor(0, 0, -1, 0, 0, -1, 0.0), -65536);
  EXPECT_EQ(InterpolateChannel(0, 10, std::nan("")), 0);
  EXPECT_EQ(InterpolateChannel(0, 10, 1e300), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(InterpolateChannel(0, 10, -1e300), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(AbsInt(INT32_MIN), INT32_MAX);
}

TEST(NumericHelpers, SortAscendingSortsOnlyTheFirstN) {
  std::vector<int32_t> b = {5, INT32_MIN, -1, 5, INT32_MAX, 0, 9};
  SortAscending(b.data(), 5);
  EXPECT_EQ(b, (std::vector<int32_t>{INT32_MIN, -1, 5, 5, INT32_MAX, 0, 9}));
  SortAscending(nullptr, 0);
  SortAscending(b.data(), -1);
  EXPECT_EQ(b[0], INT32_MIN);
}

}  // namespace
