// The series files of the KiyFile menu: reading pair series, the reversed
// copy, the phase and median series rebuilt from it, the ratio fit and the
// text of its result files.
#include "../base/TempWorkDir.h"
#include "TextFileSupport.h"
#include "lattice/SeriesFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// A reversed series of the given first and second columns, as the rebuild reads it.
PairSeries Series(std::initializer_list<int32_t> first, std::initializer_list<int32_t> second)
{
    PairSeries s;
    std::copy(first.begin(), first.end(), s.first.begin());
    std::copy(second.begin(), second.end(), s.second.begin());
    s.rowCount = static_cast<int32_t>(first.size());
    return s;
}

} // namespace

TEST(SeriesFiles, PairSeriesStopsAtAZeroAndReversesWithTheStoppingRow)
{
    TempWorkDir dir;
    WriteText("data/UU_XX.dat", "1 5 7\n2 0 0\n3 9 9\n");
    PairSeries s;
    ASSERT_EQ(ReadPairSeries("data/UU_XX.dat", s), SeriesFileStatus::Ok);
    EXPECT_EQ(s.rowCount, 2);
    EXPECT_EQ(ReversedPairSeriesText(s), "0  0  0  \n1  5  7  \n");

    // A first row of value 0 does not stop; numbers run over lines and carry signs.
    WriteText("data/UU_XX.dat", "1 0 4 2\n-3 +6 3 0 -1");
    ASSERT_EQ(ReadPairSeries("data/UU_XX.dat", s), SeriesFileStatus::Ok);
    EXPECT_EQ(s.rowCount, 3);
    EXPECT_EQ((std::vector<int32_t>{s.first[0], s.second[0], s.first[1], s.second[1], s.second[2]}),
              (std::vector<int32_t>{0, 4, -3, 6, -1}));
}

// A file cut before its 0 row counts the failed row as zeros; one without a
// readable row, with a number past 32 bits, or missing leaves the series alone.
TEST(SeriesFiles, ShortGarbageAndMissingFiles)
{
    TempWorkDir dir;
    PairSeries s = Series({4, 5}, {6, 7});
    WriteText("data/short.dat", "1 5 7\n2 8 9\n3 4");
    ASSERT_EQ(ReadPairSeries("data/short.dat", s), SeriesFileStatus::Ok);
    EXPECT_EQ(s.rowCount, 3);
    EXPECT_EQ(s.first[1], 8);
    EXPECT_EQ(s.first[2], 0);   // the unfinished row is not taken in part
    EXPECT_EQ(s.second[2], 0);

    WriteText("data/midway.dat", "1 5 7\nx 2 3\n");
    ASSERT_EQ(ReadPairSeries("data/midway.dat", s), SeriesFileStatus::Ok);
    EXPECT_EQ(s.rowCount, 2);

    s = Series({4, 5}, {6, 7});
    WriteText("data/garbage.dat", "\x01\x02garbage 1 2 3");
    EXPECT_EQ(ReadPairSeries("data/garbage.dat", s), SeriesFileStatus::Malformed);
    WriteText("data/big.dat", "1 4294967296 3\n");
    EXPECT_EQ(ReadPairSeries("data/big.dat", s), SeriesFileStatus::Malformed);
    WriteText("data/empty.dat", "");
    EXPECT_EQ(ReadPairSeries("data/empty.dat", s), SeriesFileStatus::Malformed);
    EXPECT_EQ(ReadPairSeries("data/none.dat", s), SeriesFileStatus::Missing);
    EXPECT_EQ(s.rowCount, 2);
    EXPECT_EQ(s.first[1], 5);
    EXPECT_EQ(s.second[0], 6);
}

// Without a 0 row the reader stops at its row limit: the rebuild's fold stays inside the series.
TEST(SeriesFiles, LongFilesAreCutAtTheRowLimit)
{
    TempWorkDir dir;
    std::string text;
    for (int i = 0; i < kSeriesLength + 10; ++i)
        text += std::to_string(i) + " " + std::to_string(i + 1) + " 1\n";
    WriteText("data/long.dat", text);
    PairSeries s;
    ASSERT_EQ(ReadPairSeries("data/long.dat", s), SeriesFileStatus::Ok);
    EXPECT_EQ(s.rowCount, kPairRowLimit + 1);
    EXPECT_EQ(s.first[kPairRowLimit - 1], kPairRowLimit);
    EXPECT_EQ(s.first[kPairRowLimit], 0);
    EXPECT_LE(s.rowCount + 2, kSeriesLength - 1);
    RebuildPhaseSeries(s);   // the sanitizer checks every index of the fold
    const int32_t last = s.rowCount - 1;
    EXPECT_EQ(colourSeries0[last], 0);
    EXPECT_EQ(colourSeries1[last], 0);
    EXPECT_EQ(colourSeries2[last], s.first[last - 1]);
}

// Phases by i mod 3 with the fold at both ends: rows a = 1, 2, 4, 8, 16.
TEST(SeriesFiles, PhaseSeriesFoldAtBothEnds)
{
    RebuildPhaseSeries(Series({1, 2, 4, 8, 16}, {0, 0, 0, 0, 0}));
    // i = 0: S0 = 2 a0, S1 = 2 a1, S2 = a1 (the fold of -1) + a2.
    EXPECT_EQ(colourSeries0[0], 2);
    EXPECT_EQ(colourSeries1[0], 4);
    EXPECT_EQ(colourSeries2[0], 6);
    // i = 4 (phase 1): S1 = 2 a4, S2 = 2 a5 = 0, S0 = a3 + a7 = 8: past the rows all is 0.
    EXPECT_EQ(colourSeries1[4], 32);
    EXPECT_EQ(colourSeries2[4], 0);
    EXPECT_EQ(colourSeries0[4], 8);
}

// A tie keeps the class (median S1 when S0 = S1, else S2); a change of class
// flips the sign and the running sum then subtracts; sums are held at 32 bits.
TEST(SeriesFiles, MedianClassSignAndSignedSum)
{
    // S at i = 0..3: (2, 6, 7), (6, 6, 8) tie, (10, 12, 8) class 0, (10, 18, 4).
    RebuildPhaseSeries(Series({1, 3, 4, 5, 9}, {10, 20, 30, 40, 50}));
    const int8_t classes[] = {1, 1, 0, 0};
    const int32_t medians[] = {6, 6, 10, 10};
    const int8_t signs[] = {1, 1, -1, -1};
    const int32_t sums[] = {10, 30, 0, -40};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(medianClass[i], classes[i]) << i;
        EXPECT_EQ(medianSeries[i], medians[i]) << i;
        EXPECT_EQ(medianSign[i], signs[i]) << i;
        EXPECT_EQ(signedSum[i], sums[i]) << i;
    }
    EXPECT_EQ(lastMedianClass, 0);

    // i = 2 of 1, 1, 1, 1, 2: S = (2, 3, 2), S0 = S2.
    RebuildPhaseSeries(Series({1, 1, 1, 1, 2}, {1, 1, 1, 1, 1}));
    EXPECT_EQ(medianClass[2], 0);
    EXPECT_EQ(medianSeries[2], 2);
    EXPECT_EQ(signedSum[4], 5);

    const int32_t big = std::numeric_limits<int32_t>::max();
    RebuildPhaseSeries(Series({big, big, big, big}, {big, big, -big, big}));
    EXPECT_EQ(colourSeries0[0], big);
    EXPECT_EQ(signedSum[1], big);
}

// Without a target no ratio (no division by zero); with one, k is the first
// largest |Y| and the fit truncates toward zero; n is held at the series.
TEST(SeriesFiles, LambdaFit)
{
    for (int i = 0; i < 6; ++i)
        medianSeries[i] = 10 * i;   // X = 10 (i - 1)
    LambdaFitResult fit = FitLambda(6);
    EXPECT_TRUE(fit.degenerate);
    EXPECT_EQ(fit.ratio, 0.0);
    EXPECT_EQ(fit.inverse, 0.0);
    EXPECT_EQ(fit.x[5], 40);
    EXPECT_EQ(lambdaFit[3], 0);
    EXPECT_EQ(RatioFileText(fit), "6  0.000000  0.000000  ");

    const int32_t target[] = {0, 1, 4, -7, 7, 2};   // Y = target - 1: -1, 0, 3, -8, 6, 1
    std::copy(std::begin(target), std::end(target), lambdaTarget);
    fit = FitLambda(6);
    ASSERT_FALSE(fit.degenerate);
    EXPECT_DOUBLE_EQ(fit.ratio, -8.0 / 20.0);   // k = 3: Y = -8, X = 20
    EXPECT_DOUBLE_EQ(fit.inverse, -2.5);
    EXPECT_EQ(lambdaFit[0], 4);    // -10 * -0.4
    EXPECT_EQ(lambdaFit[5], -16);
    EXPECT_EQ(lambdaFit[2], -4);
    EXPECT_EQ(lambdaResidual[2], 3 - -4);
    EXPECT_EQ(RatioFileText(fit), "6  -0.400000  -2.500000  ");
    EXPECT_EQ(FitLambda(kSeriesLength + 5).n, kSeriesLength);
}

TEST(SeriesFiles, ResultFileRows)
{
    RebuildPhaseSeries(Series({1, 3, 4, 5, 9}, {10, 20, 30, 40, 50}));
    std::fill(std::begin(lambdaTarget), std::end(lambdaTarget), 0);
    lambdaTarget[2] = 5;
    // medians 6, 6, 10: X = (0, 0, 4), Y = (0, 0, 5), ratio 1.25, signs 1, 1, -1.
    const LambdaFitResult fit = FitLambda(3);
    EXPECT_EQ(FitFileText(fit), "0    0   0   0  0  0   0   \n"
                                "0    0   0   0  0  0   0   \n"
                                "0    5   5   0  -100  0   4   \n");
    EXPECT_EQ(LevelFileText(1), "0    0    2 6 7     6     0 0 0    0   1    1    \n");
    EXPECT_EQ(LevelFileText(-3), "");
}
