#include "lattice/TForm12.h"
#include "lattice/VideoFrameSize.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(TForm12, BuildingTheWindowKeepsTheFrameSize)
{
    TForm12 form;
    EXPECT_EQ(frameWidth, 352);
    EXPECT_EQ(frameHeight, 704);
    EXPECT_EQ(form.RadioGroup1->title(), "Size");
    // The main window's start-up moves "Size" to item 9 and then 4; both must be changes.
    EXPECT_NE(form.RadioGroup1->itemIndex(), 9);
}

TEST(TForm12, StartUpSequenceRunsTheSizeHandlerTwice)
{
    TForm12 form;
    form.RadioGroup1->setItemIndex(9);
    EXPECT_EQ(frameWidth, 432);
    EXPECT_EQ(frameHeight, 432);
    form.RadioGroup1->setItemIndex(4);
    EXPECT_EQ(frameWidth, 512);
    EXPECT_EQ(frameHeight, 512);

    form.RadioGroup1->setItemIndex(-1);   // no item: the size stays
    EXPECT_EQ(frameWidth, 512);
    EXPECT_EQ(frameHeight, 512);
}

TEST(TForm12, EveryItemSetsTheSizeItsCaptionShows)
{
    TForm12 form;
    ASSERT_EQ(form.RadioGroup1->count(), kFrameSizeItemCount);
    const QRegularExpression size(R"(^(\d+) x (\d+)$)");
    for (int item = kFrameSizeItemCount - 1; item >= 0; --item) {
        form.RadioGroup1->setItemIndex(item);
        const auto match = size.match(form.RadioGroup1->itemText(item));
        ASSERT_TRUE(match.hasMatch()) << item;
        EXPECT_EQ(frameWidth, match.captured(1).toInt()) << item;
        EXPECT_EQ(frameHeight, match.captured(2).toInt()) << item;
    }
}
