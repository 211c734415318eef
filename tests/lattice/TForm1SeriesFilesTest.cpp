// The KiyFile menu and the random run batches, on files the tests write.
#include "LatticeFormFixture.h"
#include "base/Random.h"
#include "base/RunControls.h"
#include "base/StringLength.h"
#include "engine/StringPaint.h"
#include "engine/StringState.h"
#include "engine/TrialBatch.h"
#include "lattice/SeriesFiles.h"
#include "widgets/Chart.h"

#include <algorithm>
#include <climits>

namespace {

class KiyFile : public StartedWindows {
protected:
    void SetUp() override
    {
        StartedWindows::SetUp();
        for (Timer* t : {Form1->Timer1, Form1->Timer10})
            t->setEnabled(false);
    }
};

int LineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

// "zap OBR" writes the rows reversed, "CTE Obr UU" rebuilds the series from them.
TEST_F(KiyFile, PairSeriesRoundTripThroughTheReversedFile)
{
    WriteText("data/UU_XX.dat", "1 5 7\n2 0 0\n");
    Form1->CTEUU1Click();
    EXPECT_EQ(uuRowCount, 2);
    Form1->zapOBR2Click();
    EXPECT_EQ(ReadText("data/OU_XX.dat"), "0  0  0  \n1  5  7  \n");

    // Reversed: a = (0, 5), b = (0, 7); step 1: S = (0, 10, 0), S0 = S2.
    Form1->CTEObrUU1Click();
    EXPECT_EQ(signedSum[1], 7);

    // Read back, the reversed file gives the rows in their first order and a zero row.
    std::filesystem::copy_file("data/OU_XX.dat", "data/UU_XX.dat", std::filesystem::copy_options::overwrite_existing);
    Form1->zapOBR2Click();
    EXPECT_EQ(uuRowCount, 3);
    EXPECT_EQ(ReadText("data/OU_XX.dat"), "0  0  0  \n1  5  7  \n2  0  0  \n");
}

TEST_F(KiyFile, MissingAndBadFilesChangeNothing)
{
    uuRowCount = 42;
    WriteText("data/OU_XX.dat", "kept\n");
    Form1->zapOBR2Click();
    EXPECT_TRUE(StatusHas("data/UU_XX.dat"));
    EXPECT_EQ(ReadText("data/OU_XX.dat"), "kept\n");

    colourSeries0[0] = 77;
    medianSeries[0] = 78;
    Form1->CTEObrUU1Click();   // "kept" is no series
    EXPECT_TRUE(StatusHas("no rows"));
    EXPECT_EQ(colourSeries0[0], 77);
    EXPECT_EQ(medianSeries[0], 78);
    EXPECT_EQ(uuRowCount, 42);
}

// The fit over the recorded steps less two writes three files; no target, no ratio.
TEST_F(KiyFile, LambdaFitWritesItsThreeFiles)
{
    Form1->Edit17->setText("p1");
    seriesStepCount = 5;
    Form1->zaplambdKdatO1Click();
    EXPECT_EQ(seriesStepCount, 3);
    EXPECT_EQ(ReadText("data/RO_p1.dat"), "3  0.000000  0.000000  ");
    EXPECT_EQ(LineCount(ReadText("data/KO_p1.dat")), 3);
    EXPECT_EQ(LineCount(ReadText("data/LO_p1.dat")), 3);
    EXPECT_TRUE(StatusHas("no ratio"));

    seriesStepCount = INT32_MIN + 1;   // lowered without overflow; nothing to fit
    Form1->zaplambdKdatO1Click();
    EXPECT_EQ(seriesStepCount, INT32_MIN);
    EXPECT_EQ(ReadText("data/KO_p1.dat"), "");
}

// "fopen lambd" keeps one stream open; "fclose lambd" and "Close" close it once.
TEST_F(KiyFile, LambdStreamIsOpenedAndClosedOnce)
{
    Form1->N1b1Click();
    ASSERT_NE(seriesFile, nullptr);
    std::fputs("x", seriesFile);
    Form1->N1b1Click();   // the first stream is closed before the file is made anew
    ASSERT_NE(seriesFile, nullptr);
    Form1->N2b1Click();
    Form1->N2b1Click();
    EXPECT_EQ(seriesFile, nullptr);
    EXPECT_EQ(ReadText("data/lambd.dat"), "");

    Form1->N1b1Click();
    Form1->Timer10->setEnabled(true);
    Form1->Timer1->setEnabled(true);
    Form1->Close1Click();
    Form1->Close1Click();
    EXPECT_EQ(seriesFile, nullptr);
    EXPECT_FALSE(Form1->Timer10->enabled());
    EXPECT_FALSE(Form1->Timer1->enabled());

    std::filesystem::remove_all("data");
    std::ofstream("data") << "a file where the folder should be";
    Form1->N1b1Click();
    EXPECT_EQ(seriesFile, nullptr);
    EXPECT_TRUE(StatusHas("lambd.dat"));
}

TEST_F(KiyFile, RisMinitChartsOnePointPerRecordedStep)
{
    stepCount = 40;
    Form1->Risminit1Click();
    EXPECT_EQ(Form1->Chart3->pointCount(Form1->Series6), 40);
    EXPECT_TRUE(std::filesystem::exists("data/U33_XX.dat"));
    stepCount = 2000000;
    Form1->Risminit1Click();
    EXPECT_EQ(Form1->Chart3->pointCount(Form1->Series6), kSeriesLength - 1);
}

TEST_F(KiyFile, RunRestartCommands)
{
    stringLength = 5;
    const uint8_t start[] = {0, 1, 2, 1, 0};
    std::copy(std::begin(start), std::end(start), stringAStart);
    std::fill(std::begin(stringA), std::end(stringA), uint8_t{2});
    stringA[6] = 1;   // past the string: untouched
    stepCount = 9;
    seriesStepCount = 30;
    Form1->Estobr1->setChecked(true);
    Form1->Button20Click();   // "V N 2": the start string, "V nacalo", GO
    EXPECT_TRUE(std::equal(std::begin(start), std::end(start), stringA));
    EXPECT_FALSE(Form1->Estobr1->isChecked());
    EXPECT_EQ(stepCount, 0);
    EXPECT_EQ(seriesStepCount, -17);
    EXPECT_EQ(drawOriginX, 0);
    EXPECT_TRUE(Form1->Timer1->enabled());

    Form1->Dopolnenie1Click();
    const uint8_t exchanged[] = {0, 2, 1, 2, 0};
    EXPECT_TRUE(std::equal(std::begin(exchanged), std::end(exchanged), stringA));
    EXPECT_EQ(stringA[6], 1);

    Form1->Iszapaa1Click();
    EXPECT_EQ(stringLength, 20);
    EXPECT_EQ(Form1->Edit5->text(), "20");
    EXPECT_EQ(requestedBPointCount, 4);
    EXPECT_EQ(Form1->Edit7->text(), "4");

    Form1->XXXn1->setChecked(false);
    Form1->Button13Click();
    EXPECT_TRUE(Form1->Estobr1->isChecked());
    EXPECT_FALSE(Form1->notpaint1->isChecked());
    EXPECT_TRUE(Form1->XXXn1->isChecked());   // the warm-up ran
    EXPECT_EQ(isTimeReversed, 0);
}

// One run set-up: a length from [min, max) held within 27 cells, at least two B
// points, GO; only the tick turns Timer10 off.
TEST_F(KiyFile, RunSetUpDrawsLengthCellsAndBPoints)
{
    SeedRandom(5);
    Form1->Timer10->setEnabled(true);
    for (int k = 0; k < 40; ++k) {
        Form1->Button89Click();
        const int32_t shown = Form1->Edit1->text().toInt();
        EXPECT_GE(shown, 20);
        EXPECT_LT(shown, 40);
        EXPECT_EQ(stringLength, std::min(shown, 27));
        EXPECT_GE(requestedBPointCount, 2);
        EXPECT_LE(requestedBPointCount, stringLength / 2);
        EXPECT_EQ(Form1->Edit7->text().toInt(), requestedBPointCount);
    }
    EXPECT_TRUE(Form1->Timer10->enabled());
    EXPECT_TRUE(Form1->Timer1->enabled());
    Timer::fireForTest(*Form1->Timer10);
    EXPECT_FALSE(Form1->Timer10->enabled());
    EXPECT_EQ(trialBatchRunCount, 41);

    Form1->Edit26->setText("6");
    Form1->Edit27->setText("7");
    Form1->Button89Click();
    EXPECT_EQ(requestedBPointCount, 2);
    EXPECT_EQ(cellWidth, 83);
}

// A range the batch cannot draw from is refused with a note before anything changes.
TEST_F(KiyFile, BatchStartRefusesRangesThatCannotRun)
{
    trialStatistics[5] = 12;
    trialBatchRunCount = 9;
    for (auto [min, max] : {std::pair{"3", "40"}, std::pair{"20", "20"}, std::pair{"30", "25"}}) {
        Form1->Edit26->setText(min);
        Form1->Edit27->setText(max);
        Form1->Timer101Click();
        Form1->zaplambdX1Click();
        EXPECT_FALSE(Form1->Timer101->isChecked());
        EXPECT_FALSE(Form1->zaplambdX1->isChecked());
        EXPECT_FALSE(Form1->Timer10->enabled());
        EXPECT_EQ(trialStatistics[5], 12);
        EXPECT_EQ(trialBatchRunCount, 9);
        EXPECT_TRUE(StatusHas("nothing started"));
    }
    Form1->Edit26->setText("6");
    Form1->zaplambdX1Click();
    EXPECT_TRUE(Form1->zaplambdX1->isChecked());
    EXPECT_TRUE(Form1->Timer10->enabled());
    EXPECT_EQ(trialBatchRunCount, 0);
}

// A batch of three runs ends; "Labe 88" shows an average only where its count is not 0.
TEST_F(KiyFile, ShortBatchCountsItsRunsAndShowsTheResults)
{
    SeedRandom(11);
    Form1->Edit28->setText("300");
    Form1->Edit29->setText("3");
    Form1->Timer101Click();
    ASSERT_TRUE(Form1->Timer10->enabled());
    int ticks = 0;
    for (; ticks < 100000 && (Form1->Timer10->enabled() || Form1->Timer1->enabled()); ++ticks)
        Timer::fireForTest(Form1->Timer10->enabled() ? *Form1->Timer10 : *Form1->Timer1);
    EXPECT_LT(ticks, 100000);
    EXPECT_EQ(trialStatistics[5], 4);
    EXPECT_EQ(trialBatchRunCount, 4);
    EXPECT_EQ(trialStatistics[9] + trialStatistics[10] + trialStatistics[6], 3);

    Form1->Label76->setText("x");
    trialStatistics[5] = 1500;
    trialStatistics[7] = 0;
    trialStatistics[8] = 50;
    trialStatistics[22] = 4;
    trialStatistics[23] = 10;
    Form1->Button88Click();
    EXPECT_EQ(Form1->Label10->text(), "1000");
    EXPECT_EQ(Form1->Label76->text(), "x");
    EXPECT_EQ(Form1->Label88->text(), "2");
}
