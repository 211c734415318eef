#include "lattice/VideoFrameSize.h"

#include <gtest/gtest.h>

// An item past the group (no index check would read past the size table) keeps the size.
TEST(VideoFrameSize, ItemOutsideTheGroupKeepsTheSize)
{
    SetFrameSizeFromItem(2);
    for (int item : {-1, 12, -2147483647 - 1, 2147483647}) {
        SetFrameSizeFromItem(item);
        EXPECT_EQ(frameWidth, 8448);
        EXPECT_EQ(frameHeight, 704);
    }
}
