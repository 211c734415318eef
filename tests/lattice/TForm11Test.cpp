// The IMPROVE statistics window: what showing it takes from the search, and its edits.
#include "lattice/TForm11.h"

#include "lattice/ImproveSearch.h"
#include "lattice/ImproveTimes.h"

#include <gtest/gtest.h>

TEST(TForm11, ShowingItFillsEditsAndRecordsAndKeepsTheLastWithoutRecords)
{
    TForm11 form;
    improveTimeCrit = 12;
    improveStartIndex = -3;
    form.Label6->setText("9");
    form.Label32->setText("old");
    form.FormShow();
    EXPECT_EQ(form.Edit1->text(), "12");
    EXPECT_EQ(form.Edit3->text(), "-3");
    EXPECT_EQ(form.Label6->text(), "0");
    EXPECT_EQ(form.Label10->text(), "0");
    EXPECT_EQ(form.Label32->text(), "old");   // no records: the last stays

    for (int k = 0; k < 10; ++k) {
        improveRecordVcrit[k] = 100 + k;
        improveRecordIndex[k] = 200 + k;
    }
    improveRecordCount = 9;
    form.FormShow();
    EXPECT_EQ(form.Label10->text(), "9");
    EXPECT_EQ(form.Label24->text(), "106");
    EXPECT_EQ(form.Label31->text(), "206");
    EXPECT_EQ(form.Label33->text(), "108");
    EXPECT_EQ(form.Label32->text(), "208");

    form.Edit3->setText("40");
    EXPECT_EQ(improveStartIndex, 40);
    form.Edit2->setText("7s");
    EXPECT_EQ(improveTimeAll, 7);
}
