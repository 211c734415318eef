// The series charts window: its edits, the show handler's order, the views on
// the charts, the text log readers and "DO".
#include "LatticeFormFixture.h"
#include "base/RunControls.h"
#include "engine/StringState.h"
#include "base/PointLists.h"
#include "lattice/PointFile.h"
#include "base/SeriesData.h"
#include "lattice/SeriesViews.h"
#include "lattice/SquarePatternFile.h"
#include "lattice/TForm14.h"

using SeriesWindow = StartedWindows;

TEST_F(SeriesWindow, EditsStoreTheirGlobalsWhichBuildingTheWindowLeaves)
{
    TForm14& f = *Form14;
    EXPECT_EQ(seriesEnd, 0);   // the edit shows 800: building the window ran no handler
    ExpectEditsStoreTheirGlobals({{f.Edit1, &seriesThreshold}, {f.Edit2, &seriesBegin}, {f.Edit3, &seriesEnd},
                                  {f.Edit4, &pointRecordIndex}, {f.Edit6, &seriesScale1},
                                  {f.Edit7, &seriesScale2}, {f.Edit10, &randomFlipCount}});
}

TEST_F(SeriesWindow, ShowingDrawsTheRunSoFarThenFollowsTheRecordedSeries)
{
    TForm14& f = *Form14;
    Form1->Edit1->setText("9");
    stepCount = 299;
    seriesStepCount = 61;
    f.RadioGroup1->setItemIndex(2);
    Form1->Showgrafics1Click();
    EXPECT_EQ(f.Edit5->text(), "27");   // 9 * 9 / 3
    EXPECT_EQ(f.Edit9->text(), "100");
    EXPECT_EQ(f.Series1.pointCount(), 100);   // "View" ran up to step 100
    EXPECT_EQ(f.Series7.pointCount(), 100);
    EXPECT_EQ(f.Series4.pointCount(), 100);
    EXPECT_EQ(f.RadioGroup1->itemIndex(), 0);
    EXPECT_EQ(seriesEnd, 20);   // 61 / 3, not shown
    EXPECT_EQ(f.Edit3->text(), "100");

    // The second "View" ends at the run's step again.
    stepCount = 59;
    f.Button7Click();
    EXPECT_EQ(f.Edit3->text(), "20");
    EXPECT_EQ(f.Series1.pointCount(), 20);
}

TEST_F(SeriesWindow, ViewsClearWhatTheyFillAndFollowTheSwitches)
{
    TForm14& f = *Form14;
    EXPECT_TRUE(f.CheckBox1->isChecked());   // start-up ticks the switches
    f.Edit2->setText("0");
    f.Edit3->setText("10");
    f.Button1Click();
    EXPECT_EQ(f.Series1.pointCount(), 10);

    f.Edit3->setText("40");
    f.CheckBox1->setChecked(false);   // "View 2" without the first sums
    f.Button8Click();
    EXPECT_EQ(f.Series1.pointCount(), 20);
    EXPECT_EQ(f.Series4.pointCount(), 0);
    EXPECT_EQ(f.Series5.pointCount(), 20);
    f.CheckBox5->setChecked(false);   // "1" without green: Series2 and Series5 stay empty
    f.Button16Click();
    EXPECT_EQ(f.Series1.pointCount(), 40);
    EXPECT_EQ(f.Series2.pointCount(), 0);
    EXPECT_EQ(f.Series5.pointCount(), 0);
}

TEST_F(SeriesWindow, TextLogReadersNeedAChosenLogAndReportWhatTheyRead)
{
    TForm14& f = *Form14;
    textLogColumns[0][0] = -9;
    f.Button4Click();   // no log chosen yet
    EXPECT_EQ(textLogColumns[0][0], -9);
    EXPECT_TRUE(StatusHas("No text log"));

    f.Button10Click();
    EXPECT_EQ(textLogName, "LOG/text.log");
    f.Button5Click();
    EXPECT_EQ(textLogColumns[0][0], -9);
    EXPECT_TRUE(StatusHas("missing"));

    WriteText("LOG/text.log", "1 2 3 a 11 b 12 c 13\n4 5 6 a 14 b 15 c\n");
    f.Button13Click();
    EXPECT_EQ(textLogColumns[0][0], 11);
    EXPECT_EQ(textLogColumns[2][1], 0);   // the cut record is not taken
    EXPECT_TRUE(StatusHas("1 records read"));
    WriteText("LOG/text.log", "\x01\x02\x03 binary");
    f.Button14Click();
    EXPECT_EQ(textLogColumns[0][0], 11);
    EXPECT_TRUE(StatusHas("not in the log's form"));
}

TEST_F(SeriesWindow, DoRestartsFromTheChosenRecordAndRuns)
{
    WriteText("8r50/8r.dat", "0 1 1 2 2 3 3 4 4 5 5 6 6 7 7 8 8\n1 10 1 10 2 10 3 10 4 10 5 10 6 10 7 10 8\n");
    Form1->Edit1->setText("20");
    stepCount = 44;
    Form14->Edit4->setText("1");
    Form14->Button6Click();
    EXPECT_EQ(stepCount, 0);
    EXPECT_TRUE(Form1->Timer1->enabled());
    EXPECT_EQ(bPointCount, 8);
    EXPECT_EQ(bPointX[0], 10);
    EXPECT_EQ(bPointY[7], 8);
    EXPECT_EQ(squareCells[SquareIndex(8, 10)], 1);
}
