// The series charts window: its edits, the show handler's order, the views on
// the charts, the text log readers and "DO".
#include "../widgets/ChartImage.h"
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

// "View" on series of known levels: in Chart1 the three colour series green,
// blue and red and the black series (zeros) black; in Chart2 the residual black.
TEST_F(SeriesWindow, ViewDrawsEachSeriesInItsColourBlackIncluded)
{
    TForm14& f = *Form14;
    for (int k = 0; k < 20; ++k) {
        colourSeries0[k] = 300;
        colourSeries1[k] = 200;
        colourSeries2[k] = 100;
        lambdaResidual[k] = k < 10 ? -50 : 50;
    }
    f.Edit2->setText("0");
    f.Edit3->setText("20");
    f.Button1Click();
    const ChartImage chart1(*f.Chart1), chart2(*f.Chart2);
    const std::pair<double, TColor> levels[] = {{300, ColorGreen}, {200, ColorBlue}, {100, ColorRed}, {0, ColorBlack}};
    for (const auto& [y, colour] : levels)
        for (const double x : {3.0, 9.5, 16.0})
            EXPECT_TRUE(chart1.coloursAround(x, y).count(colour)) << "Chart1 at " << x << ", " << y;
    for (const auto& [x, y] : {std::pair(4.0, -50.0), std::pair(9.5, 0.0), std::pair(15.0, 50.0)})
        EXPECT_TRUE(chart2.coloursAround(x, y).count(ColorBlack)) << "Chart2 at " << x << ", " << y;

    // "View 2": points below the threshold are red in the green Series1, points
    // at the threshold red in the blue Series2; no green is left.
    for (int k = 0; k < 20; ++k) {
        chartSeriesA[k] = -4000 * k;   // half(A[k] - A[k + 1]) = 2000
        chartSeriesB[k] = 20000;    // capped at 10000
    }
    f.Button8Click();
    const ChartImage pairs(*f.Chart1);
    EXPECT_TRUE(pairs.coloursAround(5, 2000).count(ColorRed));
    EXPECT_TRUE(pairs.coloursAround(5, 10000).count(ColorRed));
    EXPECT_EQ(pairs.count(ColorGreen), 0);
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
