#include "lattice/LatticeSettings.h"
#include "lattice/ChangeStatistics.h"
#include "lattice/TForm12.h"
#include "lattice/VideoFrameSize.h"
#include "lattice/VideoSettings.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(TForm12, BuildingTheWindowRunsNoHandler)
{
    TForm12 form;
    EXPECT_EQ(frameWidth, 352);
    EXPECT_EQ(timeBarLeft, 38);   // the edit shows 48 until the window is shown
    // The main window's start-up moves "Size" to item 9 and then 4; both must be changes.
    EXPECT_NE(form.RadioGroup1->itemIndex(), 9);
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

// Showing writes the globals into the edits and selects "Cir" each time; every
// edit stores its own global, the bar's edges clamped.
TEST(TForm12, ShowingWritesTheGlobalsAndEveryEditStoresItsOwn)
{
    TForm12 form;
    form.show_();
    EXPECT_EQ(form.Edit1->text(), "r016");
    EXPECT_EQ(form.Edit3->text(), "100");
    EXPECT_EQ(form.Edit6->text(), "38");
    EXPECT_EQ(form.Edit9->text(), "673");
    EXPECT_EQ(form.Edit10->text(), "2526");
    EXPECT_EQ(form.Edit11->text(), "3");

    form.Edit1->setText("clip 7");
    form.Edit5->setText("-4");
    form.Edit10->setText("12abc");
    form.Edit11->setText("");
    form.Edit9->setText("99999999");   // far off any canvas: kept at the edge limit
    EXPECT_EQ(videoName, "clip 7");
    EXPECT_EQ(videoPointY, -4);
    EXPECT_EQ(timeBarTotalSteps, 12);
    EXPECT_EQ(statColourModulus, 0);
    EXPECT_EQ(timeBarBottom, kTimeBarEdgeLimit);
    EXPECT_EQ(form.Edit9->text(), "99999999");

    form.hide_();
    form.RadioGroup2->setItemIndex(1);
    form.show_();
    EXPECT_EQ(form.RadioGroup2->itemIndex(), 0);
    EXPECT_EQ(form.Edit9->text(), "100000");
    EXPECT_EQ(form.Edit5->text(), "-4");
}
