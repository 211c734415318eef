// The run analyses on the main window: the predictors at the end of a run,
// the trial series, the resolution tables through their menus and buttons,
// the marker check's drawing and verdict.
#include "../app/StartedWorkbench.h"
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "base/GroupAlgebra.h"
#include "base/ResolutionProbe.h"
#include "base/RunControls.h"
#include "base/SquareSize.h"
#include "base/StringLength.h"
#include "engine/Mask1d.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "runs/LearningTrials.h"
#include "runs/MarkerTheory.h"
#include "runs/RecordedRun.h"
#include "runs/ResolutionTables.h"
#include "runs/SixLetterHistory.h"
#include "runs/SixLetterLearning.h"
#include "widgets/Dialogs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

class RunAnalyses : public StartedWorkbench {
protected:
    // Ticks the run timer until the run ends (or the limit is met).
    void FinishRun(int limit = 10000)
    {
        for (int k = 0; k < limit && Form1->Timer1->enabled(); ++k)
            Timer::fireForTest(*Form1->Timer1);
        ASSERT_FALSE(Form1->Timer1->enabled());
    }
    std::vector<MessageRecord>& messages = messages_;
};

// A ready for GO, B its complement, local times and counters reset.
void SetRun(std::initializer_list<uint8_t> a)
{
    stringLength = int32_t(a.size());
    std::copy(a.begin(), a.end(), stringA);
    for (int i = 0; i < stringLength; ++i)
        stringB[i] = stringA[i] == 1 ? 2 : 1;
    std::fill(localTimeA, localTimeA + stringLength, 0);
    std::fill(localTimeB, localTimeB + stringLength, 0);
    stringAStopState = stringBStopState = 0;
    stepCount = 0;
}
void ShortRun() { SetRun({1, 1, 1}); }   // stops after three steps
// The zeros of A spread from the 1 for several rows: lastHistoryRow reaches 2 or more.
void WaveRun() { SetRun({1, 2, 2, 2, 2, 2, 2}); }

void FillHistory(int16_t letter)
{
    for (auto& row : sixLetterHistory)
        std::fill(row, row + kStringCells, letter);
}

} // namespace

TEST_F(RunAnalyses, EngineHandsTheFinishedRunToTheChosenPredictor)
{
    // "Direct Work 3" (the start-up choice): the learning step with N = 4.
    ASSERT_EQ(Form1->RadioGroup12->itemIndex(), 2);
    FillHistory(2);
    WaveRun();
    Form1->Button6Click();
    FinishRun();
    ASSERT_GE(lastHistoryRow, 2);
    EXPECT_EQ(sixLetterTable4[2 * 216 + 2 * 36 + 2 * 6 + 2], 2);
    EXPECT_EQ(stepCount, lastHistoryRow);     // left where learning stopped, and shown
    EXPECT_EQ(Form1->StatusBar1->simpleText(), QString::number(lastHistoryRow));
    EXPECT_EQ(Form1->Label30->text(), "2");

    // "Marker Work": the verdict replaces the "X" that every start shows.
    Form1->RadioGroup12->setItemIndex(1);
    ShortRun();
    Form1->Label57->setText("X");
    Form1->Button6Click();
    FinishRun();
    EXPECT_TRUE(Form1->Label57->text() == "OK!!" || Form1->Label57->text() == "NOT");
    EXPECT_EQ(stepCount, 20);

    // "NOT": nobody reuses the step counter.
    Form1->RadioGroup12->setItemIndex(0);
    ShortRun();
    Form1->Label57->setText("X");
    Form1->Button6Click();
    FinishRun();
    EXPECT_EQ(Form1->Label57->text(), "X");
    EXPECT_EQ(stepCount, 3);
}

TEST_F(RunAnalyses, TrialSeriesRunsUntilStoppedAndOnlyWhenStarted)
{
    Form1->Button125Click();   // N0 = dN0 = 0: a string of no cells, refused
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Warning");
    EXPECT_FALSE(Form1->Timer11->enabled());
    EXPECT_TRUE(Form1->Button125->isEnabled());

    Form1->Edit45->setText("4");
    Form1->Edit46->setText("3");
    Form1->Edit47->setText("2");
    Form1->Edit51->setText("1");
    Form1->RadioGroup15->setItemIndex(0);   // N = 3: conflicts never end the series
    Form1->Button125Click();
    ASSERT_TRUE(Form1->Timer11->enabled());
    EXPECT_FALSE(Form1->Button125->isEnabled());
    EXPECT_TRUE(Form1->Button126->isEnabled());
    for (int trial = 1; trial <= 3; ++trial) {
        Timer::fireForTest(*Form1->Timer11);
        EXPECT_FALSE(Form1->Timer11->enabled());
        EXPECT_GE(stringLength, 4);
        EXPECT_LE(stringLength, 7);
        EXPECT_EQ(squareColumnCount, stringLength);
        EXPECT_TRUE(Form1->Timer1->enabled());   // "Random" pressed GO
        FinishRun();
        EXPECT_TRUE(Form1->Timer11->enabled()) << trial;   // the next trial is due
        EXPECT_EQ(trialTickCount, trial);
    }

    Form1->Button126Click();   // "Stop": no finished run starts a trial again
    EXPECT_FALSE(Form1->Timer11->enabled());
    EXPECT_FALSE(isTestRunning);
    ShortRun();
    Form1->Button6Click();
    FinishRun();
    EXPECT_FALSE(Form1->Timer11->enabled());

    Form1->Button149Click();   // a recorded run sets isTestRunning, but starts no series
    ShortRun();
    Form1->Button6Click();
    FinishRun();
    EXPECT_FALSE(Form1->Timer11->enabled());
}

TEST_F(RunAnalyses, FourPointAmbiguityEndsLearningAndTheSeries)
{
    Form1->Edit45->setText("5");
    Form1->Button125Click();
    Form1->Timer1->setEnabled(true);
    stringLength = 3;
    lastHistoryRow = 3;
    FillHistory(1);
    sixLetterHistory[3][1] = 2;   // key (1, 1, 1, 1) is followed by 1 and then by 2
    Form1->Button93Click();       // "Npoint" is on item 1: N = 4, its table emptied
    Form1->Button119Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Y3 X1 (2)   1  1  1  1    T1    AMBIGUITY!!!  ");
    EXPECT_EQ(messages[0].caption, "Warning");
    EXPECT_FALSE(Form1->Timer1->enabled());
    EXPECT_FALSE(Form1->Timer11->enabled());
    EXPECT_FALSE(isTrialSeriesActive);
    EXPECT_EQ(stepCount, 2);
}

TEST_F(RunAnalyses, ResolutionTablesThroughTheirMenusAndButtons)
{
    ttRecordCount = 2;
    rt1Width = 3;
    const uint8_t rows[2][3] = {{1, 2, 0}, {uint8_t(GroupProduct(1, 4)), uint8_t(GroupProduct(2, 4)), 4}};
    for (int i = 0; i < 2; ++i)
        std::memcpy(rt1Keys[i], rows[i], 3);
    Form1->Copy1U1->trigger();
    EXPECT_EQ(Form1->RichEdit6->lines(), (QStringList{"  1   2  0    0", " -2  -0 -1    0"}));
    EXPECT_EQ(Form1->Label216->text(), "2");
    Form1->CopyU21->trigger();
    EXPECT_EQ(Form1->RichEdit5->lineCount(), 2);
    EXPECT_EQ(Form1->Label196->text() + Form1->Label197->text(), "32");
    EXPECT_EQ(Form1->Label199->text(), QString::number(neighbourCount));

    Form1->Cytcr1->trigger();   // "CH !!!" on: "Comp.+" checks for ambiguity too
    Form1->Button132Click();
    EXPECT_EQ(Form1->Label218->text(), "2");   // 2 + 2 rows, two pairs
    EXPECT_EQ(Form1->RichEdit5->lines().first(), "  1   2  0    0");
    EXPECT_FALSE(messages.empty());
    for (const MessageRecord& m : messages)
        EXPECT_TRUE(m.text == "IS AMB 1" || m.text == "IS AMB 2");

    rtuCount = 1;
    Form1->CopyU11->trigger();   // the table list's count follows, the listings go
    EXPECT_EQ(ttRecordCount, 1);
    EXPECT_EQ(Form1->RichEdit5->lineCount(), 0);
    EXPECT_EQ(Form1->RichEdit6->lineCount(), 0);

    Form1->Res01231->trigger();   // checked at start-up: now cleared, nothing hidden
    EXPECT_FALSE(Form1->Res01231->isChecked());
    Form1->RichEdit8->setVisible(true);
    Form1->Res01231->trigger();
    EXPECT_TRUE(Form1->RichEdit8->isHidden());
}

TEST_F(RunAnalyses, TheoryDrawsItsPredictionAndShowsTheVerdict)
{
    Form1->CheckBox37->setChecked(false);
    stringLength = 5;
    const uint8_t start[] = {1, 2, 2, 2, 2};
    std::copy(start, start + 5, stringA);
    Form1->Button5Click();   // the marker reset from string A
    ClearTraces(27, true);
    lastHistoryRow = 0;
    Form1->Button98Click();
    EXPECT_EQ(stepCount, 20);
    // Row 0 holds the verdict's only compared row: the marker at column 0 is
    // a predicted 0 that the cleared trace does not show.
    EXPECT_EQ(Form1->Label57->text(), "NOT");
    // Drawing row 1 shows grid row 0: the grey prediction around column 0's markers.
    const Canvas& cv = Form1->canvas();
    EXPECT_EQ(cv.pixel(12, 22), ColorGray);
    EXPECT_EQ(cv.pixel(12, 30), ColorBlack);
    EXPECT_NE(cv.pixel(62, 22), ColorGray);   // column 2: no marker in row 0

    zeroTraceA[0][0] = 1;
    Form1->Button98Click();
    EXPECT_EQ(Form1->Label57->text(), "OK!!");

    Form1->Button111Click();   // no "CA/M_11.dat": reported in the status bar
    EXPECT_TRUE(Form1->StatusBar1->simpleText().contains("M_11"));
}
