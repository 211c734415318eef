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

#include <algorithm>
#include <functional>
#include <set>

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

namespace {

// A level line a view draws: in Chart1 or Chart2, at y from x0 to x1, in colour.
struct Level {
    int chart;   // 1 or 2
    double y;
    TColor colour;
};

struct ViewCase {
    const char* name;
    std::function<void()> lay;   // the series and switches the view reads
    void (TForm14::*view)();
    double x0, x1;               // the x range of the view's points
    std::vector<Level> levels;
};

void Fill(int32_t* series, int32_t value)
{
    std::fill(series, series + 40, value);
}

void Descend(int32_t* series, int32_t by)   // series[k] = -by * k
{
    for (int k = 0; k < 40; ++k)
        series[k] = -by * k;
}

} // namespace

// Each view on series laid so that each of its chart series is a level line:
// every series is drawn in the colour the view gives it along its whole
// length, black included, and the plot shows no other colour but the greys of
// its background and grid, whatever colours the chart's theme would pick.
TEST_F(SeriesWindow, EveryViewDrawsEachSeriesAlongItsLengthInItsColourAndNoOther)
{
    TForm14& f = *Form14;
    f.Chart1->resize(639, 230);
    f.Chart2->resize(639, 230);
    const auto grey = [](TColor c) { return (c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == (c >> 16); };
    const ViewCase cases[] = {
        {"View",
         [] {
             Fill(colourSeries0, 300);
             Fill(colourSeries1, 200);
             Fill(colourSeries2, 100);
             Fill(lambdaResidual, -50);
         },
         &TForm14::Button1Click, 0, 19,
         {{1, 300, ColorGreen}, {1, 200, ColorBlue}, {1, 100, ColorRed}, {1, 0, ColorBlack}, {2, -50, ColorBlack}}},
        // Steps 0, 2, .. 18 at x = 0 .. 9: A below the threshold (red), B at it
        // (red), C below it (blue); the sums of A - K (red) and B - J (green).
        {"View 2",
         [] {
             Descend(chartSeriesA, 16000);   // half(A[k] - A[k + 1]) = 8000
             Fill(chartSeriesB, 20000);      // capped at 10000
             Descend(chartSeriesC, 4000);    // 2000
             for (int k = 0; k < 40; ++k) {
                 chartSeriesK[k] = chartSeriesA[k] - 3000;   // sums of 6000
                 chartSeriesJ[k] = chartSeriesB[k] - 1000;   // sums of 2000
             }
         },
         &TForm14::Button8Click, 0, 9,
         {{1, 8000, ColorRed}, {1, 10000, ColorRed}, {1, 2000, ColorBlue}, {2, 6000, ColorRed}, {2, 2000, ColorGreen}}},
        {"View3",   // steps 0, 3, .. 15 at x = 0 .. 5
         [] {
             Fill(chartSeriesA, 300);
             Fill(chartSeriesB, 600);
             Fill(chartSeriesC, 900);
         },
         &TForm14::Button9Click, 0, 5, {{1, 300, ColorRed}, {1, 600, ColorGreen}, {1, 900, ColorBlue}}},
        {"C0-A2",   // steps 1 .. 18: A - K red, B - J green
         [] {
             Fill(chartSeriesA, 300);
             Fill(chartSeriesB, 600);
             Fill(chartSeriesK, 0);
             Fill(chartSeriesJ, 0);
         },
         &TForm14::Button11Click, 1, 18, {{2, 300, ColorRed}, {2, 600, ColorGreen}}},
        {"View - on abc(G-B)-R",   // A + half(|0.5 B - 0.5 C|) maroon, A red
         [] {
             Fill(chartSeriesA, 300);
             Fill(chartSeriesB, 500);
             Fill(chartSeriesC, 100);
             Form14->Edit6->setText("50");
             Form14->RadioGroup1->setItemIndex(0);
         },
         &TForm14::Button12Click, 0, 19, {{2, 400, ColorMaroon}, {2, 300, ColorRed}}},
        {"View - on abc(R-B)-G",   // B + half(|0.5 A - 0.5 C|) maroon, 2 B green
         [] {
             Fill(chartSeriesA, 500);
             Fill(chartSeriesB, 300);
             Fill(chartSeriesC, 100);
             Form14->Edit6->setText("50");
             Form14->Edit7->setText("200");
             Form14->RadioGroup1->setItemIndex(1);
         },
         &TForm14::Button12Click, 0, 19, {{2, 400, ColorMaroon}, {2, 600, ColorGreen}}},
        {"0-1",   // D - G red, E + 200 - H green, F + 400 - I blue
         [] {
             Fill(chartSeriesD, 0);
             Fill(chartSeriesE, 0);
             Fill(chartSeriesF, 0);
         },
         &TForm14::Button15Click, 0, 19, {{1, 0, ColorRed}, {1, 200, ColorGreen}, {1, 400, ColorBlue}}},
        {"1",   // G capped (green), H not (green), I blue
         [] {
             Fill(chartSeriesG, 20000);
             Fill(chartSeriesH, 3000);
             Fill(chartSeriesI, 6000);
         },
         &TForm14::Button16Click, 0, 19, {{1, 10000, ColorGreen}, {1, 3000, ColorGreen}, {1, 6000, ColorBlue}}},
        {"0",   // D not capped (red), E capped (red), F blue
         [] {
             Fill(chartSeriesD, 3000);
             Fill(chartSeriesE, 20000);
             Fill(chartSeriesF, 6000);
         },
         &TForm14::Button17Click, 0, 19, {{1, 3000, ColorRed}, {1, 10000, ColorRed}, {1, 6000, ColorBlue}}},
    };
    for (const ViewCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (const TForm14::SeriesRef* s : {&f.Series1, &f.Series2, &f.Series3, &f.Series4, &f.Series5, &f.Series6,
                                            &f.Series7})
            s->chart->clearSeries(s->index);
        f.Edit1->setText("10000");
        f.Edit2->setText("0");
        f.Edit3->setText("20");
        c.lay();
        (f.*c.view)();
        const ChartImage chart1(*f.Chart1), chart2(*f.Chart2);
        std::set<TColor> allowed1, allowed2;
        for (const Level& l : c.levels) {
            const ChartImage& drawn = l.chart == 1 ? chart1 : chart2;
            EXPECT_EQ(drawn.columnsMissing(c.x0, c.x1, l.y, l.colour), 0)
                << "Chart" << l.chart << " at " << l.y << " in " << std::hex << l.colour;
            (l.chart == 1 ? allowed1 : allowed2).insert(l.colour);
        }
        for (const auto& [drawn, allowed] : {std::pair(&chart1, &allowed1), std::pair(&chart2, &allowed2)})
            for (const TColor found : drawn->colours())
                EXPECT_TRUE(grey(found) || allowed->count(found)) << "a colour nobody gave: " << std::hex << found;
    }
}

// The axes follow the points the charts hold: after "View" over steps 0 .. 19,
// "View" over 3 .. 16 clears the series and the x axes fit 3 .. 16, the y axes
// the new values (with their margin of 5% above and below).
TEST_F(SeriesWindow, AfterAViewOverOtherStepsTheAxesFitTheNewPoints)
{
    TForm14& f = *Form14;
    for (int k = 0; k < 20; ++k) {
        colourSeries0[k] = k < 3 || k > 16 ? 1000 : 40;
        colourSeries1[k] = 20;
        colourSeries2[k] = 10;
        lambdaResidual[k] = k < 3 ? -500 : k;
    }
    f.Edit2->setText("0");
    f.Edit3->setText("20");
    f.Button1Click();
    f.Chart1->flushNow();
    f.Chart2->flushNow();
    EXPECT_DOUBLE_EQ(ChartAxis(*f.Chart1, Qt::Horizontal).max, 19);
    EXPECT_DOUBLE_EQ(ChartAxis(*f.Chart1, Qt::Vertical).max, 1050);

    f.Edit2->setText("3");
    f.Edit3->setText("17");
    f.Button1Click();
    f.Chart1->flushNow();
    f.Chart2->flushNow();
    const AxisRange x1 = ChartAxis(*f.Chart1, Qt::Horizontal), y1 = ChartAxis(*f.Chart1, Qt::Vertical);
    const AxisRange x2 = ChartAxis(*f.Chart2, Qt::Horizontal), y2 = ChartAxis(*f.Chart2, Qt::Vertical);
    EXPECT_DOUBLE_EQ(x1.min, 3);
    EXPECT_DOUBLE_EQ(x1.max, 16);
    EXPECT_DOUBLE_EQ(y1.min, 0 - 2);    // black zeros to green 40
    EXPECT_DOUBLE_EQ(y1.max, 40 + 2);
    EXPECT_DOUBLE_EQ(x2.min, 3);
    EXPECT_DOUBLE_EQ(x2.max, 16);
    EXPECT_DOUBLE_EQ(y2.min, 3 - 0.65);
    EXPECT_DOUBLE_EQ(y2.max, 16 + 0.65);
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
