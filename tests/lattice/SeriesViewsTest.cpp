// The views of the series charts window and its text log reader.
#include "base/SeriesData.h"
#include "lattice/SeriesViews.h"
#include "../base/TempWorkDir.h"
#include "TextFileSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <algorithm>
#include <string>

namespace {

enum { S1, S2, S3, S4, S5, S6, S7 };

void Range(int32_t begin, int32_t end)
{
    seriesBegin = begin;
    seriesEnd = end;
}

} // namespace

TEST(SeriesViews, ViewPlotsTheColourSeriesOverTheChosenSteps)
{
    for (int k = 0; k < kSeriesLength; ++k) {
        colourSeries0[k] = k;
        colourSeries1[k] = 2 * k;
        colourSeries2[k] = 3 * k;
        lambdaResidual[k] = -k;
    }
    Range(5, 8);
    SeriesView v = ViewColours();
    for (int s : {S1, S2, S3, S4, S7})
        EXPECT_TRUE(v[s].cleared) << s;
    EXPECT_FALSE(v[S5].cleared);
    ASSERT_EQ(v[S1].points.size(), 3u);
    EXPECT_EQ(v[S1].points[0].x, 5);
    EXPECT_EQ(v[S2].points[2].y, 14);
    EXPECT_EQ(v[S3].points[1].y, 18);
    EXPECT_EQ(v[S4].points[0].y, -5);

    // Typed ranges beyond the series start at step 0 and end at their last entry.
    Range(-30, INT_MAX);
    v = ViewColours();
    ASSERT_EQ(v[S1].points.size(), size_t(kSeriesLength));
    EXPECT_EQ(v[S1].points.front().x, 0);
    EXPECT_EQ(v[S4].points.back().x, kSeriesLength - 1);
}

TEST(SeriesViews, PairsAndTriplesReadOnlyEntriesThatExist)
{
    seriesThreshold = 10000;
    Range(0, 7);   // zero series: y = 0 in red at x = 0, 1, 2, 3
    SeriesView v = ViewPairs({});
    ASSERT_EQ(v[S1].points.size(), 4u);
    EXPECT_EQ(v[S1].points[3].x, 3);
    EXPECT_EQ(v[S1].points[0].colour, kChartRed);
    EXPECT_EQ(v[S4].points.size(), 3u);   // k below end - 1
    EXPECT_EQ(v[S5].points.size(), 3u);
    v = ViewPairs({.sumsA = false, .sumsB = false});
    EXPECT_TRUE(v[S4].cleared);
    EXPECT_TRUE(v[S4].points.empty());

    chartSeriesA[2] = 10000;
    chartSeriesA[4] = 9;
    chartSeriesA[5] = 3;
    chartSeriesB[2] = 12000;
    v = ViewPairs({});
    EXPECT_EQ(v[S1].points[1].y, 10000);   // capped, in green
    EXPECT_EQ(v[S1].points[1].colour, kChartGreen);
    EXPECT_EQ(v[S2].points[1].colour, kChartRed);
    EXPECT_EQ(v[S1].points[2].y, 3);   // half(9 - 3)
    EXPECT_EQ(v[S4].points[2].y, 12);   // A[4] + A[5]

    // The last step read is the last entry of the 20000-entry series.
    Range(19990, 100000);
    v = ViewPairs({});
    EXPECT_EQ(v[S1].points.back().x, 19998 / 2);
    v = ViewTriples();
    EXPECT_EQ(v[S1].points.back().x, 19996 / 3);   // reads 19996 .. 19998
    EXPECT_TRUE(v[S4].points.empty());
    EXPECT_FALSE(v[S4].cleared);

    Range(0, 7);   // k = 0 and 3; 6 would read past the end step
    chartSeriesA[0] = 20000;   // over the threshold: no point for A at k = 0
    v = ViewTriples();
    ASSERT_EQ(v[S1].points.size(), 1u);
    EXPECT_EQ(v[S1].points[0].x, 1);
    EXPECT_EQ(v[S1].points[0].y, 4);   // third(0 + 9 + 3)
    EXPECT_EQ(v[S2].points.size(), 2u);
}

TEST(SeriesViews, DifferencesScaledAndCappedViews)
{
    for (int k = 0; k < 10; ++k) {
        chartSeriesA[k] = 10 * k;
        chartSeriesB[k] = 3 * k;
        chartSeriesC[k] = k;
        chartSeriesK[k] = k;
        chartSeriesJ[k] = 1;
    }
    Range(2, 6);
    SeriesView v = ViewDifferences();   // k = 3, 4
    ASSERT_EQ(v[S4].points.size(), 2u);
    EXPECT_EQ(v[S4].points[0].x, 3);
    EXPECT_EQ(v[S4].points[0].y, 27);
    EXPECT_EQ(v[S5].points[1].y, 11);

    seriesScale1 = 50;
    seriesScale2 = 200;
    v = ViewScaled({.graphItem = 0});   // X = A, Y = B, Z = C: A + half(|0.5 (B - C)|)
    EXPECT_EQ(v[S4].points[0].y, 20 + 1);   // half(|3 - 1|) for k = 2
    EXPECT_EQ(v[S5].points[0].y, 20);
    v = ViewScaled({.graphItem = 2});   // X = C, Y = A, Z = B
    EXPECT_EQ(v[S4].points[0].y, 2 + 3);   // half(|0.5 (20 - 6)|) = 3
    EXPECT_EQ(v[S5].points[0].y, 4);      // 2 C
    v = ViewScaled({.graphItem = -1});
    EXPECT_TRUE(v[S4].cleared);
    EXPECT_TRUE(v[S4].points.empty());

    seriesThreshold = 5;
    chartSeriesG[2] = 7;
    chartSeriesH[2] = 7;
    v = ViewCapped({}, true);   // the capped point of G in green, of H in red
    EXPECT_EQ(v[S1].points[0].y, 5);
    EXPECT_EQ(v[S1].points[0].colour, kChartGreen);
    EXPECT_EQ(v[S2].points[0].colour, kChartRed);
    EXPECT_EQ(v[S1].points[1].colour, kChartRed);
}

TEST(SeriesViews, EndStepOfTheRun)
{
    EXPECT_EQ(SeriesEndOfSteps(INT_MAX), 715827882);
    EXPECT_EQ(SeriesEndOfSteps(-1), 0);
}

// Records fill one entry each; a bad or cut record ends the read and is not taken.
TEST(TextLog, FillsOneEntryPerRecordAndStopsAtABadOne)
{
    TempWorkDir dir;
    for (auto& column : textLogColumns)
        std::fill(std::begin(column), std::end(column), -1);
    int records = 0;
    EXPECT_EQ(ReadTextLog("LOG/text.log", records), FileOutcome::Missing);
    EXPECT_EQ(textLogColumns[0][0], -1);

    std::string text;
    for (int i = 0; i < 5; ++i)
        text += std::to_string(i) + " 0 0 f3= " + std::to_string(10 + i) + " f6= " + std::to_string(20 + i) +
                "\tnb= " + std::to_string(30 + i) + "\n";
    WriteText("LOG/text.log", text);
    EXPECT_EQ(ReadTextLog("LOG/text.log", records), FileOutcome::Read);
    EXPECT_EQ(records, 5);
    EXPECT_EQ(textLogColumns[0][4], 14);
    EXPECT_EQ(textLogColumns[1][0], 20);
    EXPECT_EQ(textLogColumns[2][4], 34);
    EXPECT_EQ(textLogColumns[0][5], -1);   // the rest as it was

    WriteText("LOG/text.log", "1 2 3 a 7 b 8 c 9\n1 2 3 a 7 b oops c 9\n");
    EXPECT_EQ(ReadTextLog("LOG/text.log", records), FileOutcome::Malformed);
    EXPECT_EQ(records, 1);
    EXPECT_EQ(textLogColumns[0][0], 7);
    EXPECT_EQ(textLogColumns[0][1], 11);

    WriteText("LOG/text.log", "1 2 3 a 5 b 6 c 7\n1 2 3 a");
    EXPECT_EQ(ReadTextLog("LOG/text.log", records), FileOutcome::Short);
    EXPECT_EQ(records, 1);
    EXPECT_EQ(textLogColumns[0][0], 5);

    text.clear();   // no more than the columns hold
    for (int i = 0; i < kTextLogRecords + 3; ++i)
        text += "0 0 0 w " + std::to_string(i) + " w 0 w 0\n";
    WriteText("LOG/text.log", text);
    EXPECT_EQ(ReadTextLog("LOG/text.log", records), FileOutcome::Read);
    EXPECT_EQ(records, kTextLogRecords);
    EXPECT_EQ(textLogColumns[0][kTextLogRecords - 1], kTextLogRecords - 1);
}
