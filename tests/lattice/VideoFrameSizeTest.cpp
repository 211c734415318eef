#include "lattice/VideoFrameSize.h"

#include <gtest/gtest.h>

TEST(VideoFrameSize, StartsAtTheFirstItemsSize)
{
    EXPECT_EQ(frameWidth, 352);
    EXPECT_EQ(frameHeight, 704);
}

TEST(VideoFrameSize, EachItemGivesTheSizeItsCaptionNames)
{
    const int expected[kFrameSizeItemCount][2] = {
        {352, 704}, {864, 656}, {8448, 704}, {352, 352}, {512, 512}, {352, 100},
        {704, 704}, {120, 100}, {704, 432}, {432, 432}, {792, 432}, {792, 640},
    };
    for (int item = kFrameSizeItemCount - 1; item >= 0; --item) {
        SetFrameSizeFromItem(item);
        EXPECT_EQ(frameWidth, expected[item][0]) << "item " << item;
        EXPECT_EQ(frameHeight, expected[item][1]) << "item " << item;
    }
}

TEST(VideoFrameSize, ItemOutsideTheGroupKeepsTheSize)
{
    SetFrameSizeFromItem(2);
    for (int item : {-1, 12, -2147483647 - 1, 2147483647}) {
        SetFrameSizeFromItem(item);
        EXPECT_EQ(frameWidth, 8448);
        EXPECT_EQ(frameHeight, 704);
    }
}
