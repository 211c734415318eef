// Numbers typed into the main window's edits are kept in ranges where every
// computation on them holds.
#include "StartedWorkbench.h"
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "base/RunControls.h"
#include "base/StringLength.h"
#include "engine/DrawingRanges.h"
#include "engine/StringPaint.h"
#include "engine/StringState.h"
#include "runs/RecordedRun.h"
#include "runs/RunViewState.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

class NumberRanges : public StartedWorkbench {
protected:
    void SetUp() override
    {
        StartedWorkbench::SetUp();
        Form1->Image17MouseDown();
    }
};

} // namespace

// Cell sizes and draw origins at the int limits: every picture still draws, without overflow.
TEST_F(NumberRanges, CellSizesAndDrawOriginsStayDrawable)
{
    Form1->Edit22->setText("2147483647");
    EXPECT_EQ(cellWidth, kMaxCellSize);
    Form1->Edit25->setText("-5");
    EXPECT_EQ(cellHeight, 0);
    Form1->Edit49->setText("99999999999");
    Form1->Edit50->setText("2147483647");
    EXPECT_EQ(cellWidth, kMaxCellSize);
    EXPECT_EQ(cellHeight, kMaxCellSize);
    EXPECT_EQ(Form1->Edit49->text(), "99999999999");   // the edit keeps what was typed
    Form1->Edit21->setText("2147483647");
    Form1->Edit20->setText("-2147483648");
    Form1->Edit24->setText("2147483647");
    EXPECT_EQ(drawOriginX, kMaxDrawOffset);
    EXPECT_EQ(drawOriginY, -kMaxDrawOffset);
    EXPECT_EQ(paintShiftX, kMaxDrawOffset);

    Form1->CheckBox33->setChecked(false);   // "Ordinary" off: the paint draws the cells
    Form1->Button116Click();
    Form1->RadioGroup9->setItemIndex(1);    // shifted right by paintShiftX
    Form1->RadioGroup11->setItemIndex(1);   // lowered by paintShiftRows cells
    paintShiftRows = 2147483647;
    localTimeA[0] = 2147483647;
    localTimeB[1] = -2147483647;
    stringA[0] = 0;
    stringB[1] = 2;
    for (const char* size : {"2147483647", "1", "0"}) {
        Form1->Edit22->setText(size);
        Form1->Button3Click();
        Form1->Button149Click();   // a recorded run and its picture
        Form1->Button198Click();
        Form1->Button104Click();
        Form1->Button33Click();
        Form1->FormMouseDown(Qt::LeftButton, Qt::NoModifier, 2147483647, 1);
    }

    Form1->Edit21->setText("-7");   // ordinary values are kept as typed
    Form1->Edit49->setText("31");
    EXPECT_EQ(drawOriginX, -7);
    EXPECT_EQ(cellWidth, 31);
}

// With "unStop" far stop steps are kept within the run tables, and every loop ends.
TEST_F(NumberRanges, StopStepsStayWithinTheRunTables)
{
    Form1->CheckBox49->setChecked(true);
    Form1->Edit52->setText("-2147483649");
    Form1->Edit53->setText("-27");
    EXPECT_EQ(stopStepA, 0);
    EXPECT_EQ(stopStepB, 0);
    Form1->Button146Click();
    EXPECT_EQ(isRunSuccessful, 1);   // both strings stopped at once; the run ends at step 3
    EXPECT_EQ(stopTimeA, 0);
    EXPECT_EQ(stopTimeB, 0);
    Form1->Button149Click();
    Form1->Button2Click();   // the engine finds both strings stopped and ends the run

    Form1->Edit52->setText("99999999999");
    Form1->Edit53->setText("600");
    EXPECT_EQ(stopStepA, kMaxStopStep);
    EXPECT_EQ(stopStepB, 600);
    Form1->Button149Click();   // steps beyond the row limit are never reached
    EXPECT_EQ(isRunSuccessful, 0);
    Form1->Button151Click();

    Form1->Edit52->setText("9");
    Form1->Edit53->setText("12");
    Form1->Button146Click();
    EXPECT_EQ(isRunSuccessful, 1);
    EXPECT_EQ(stopTimeA, 9);
    EXPECT_EQ(stopTimeB, 12);
}

// A huge number of steps per press is cut to the bound: one tick ends soon.
TEST_F(NumberRanges, OneTickOfTheRunTimerMakesABoundedNumberOfSteps)
{
    Form1->Edit2->setText("2147483647");
    ASSERT_EQ(stepsPerRun, kMaxStepsPerRun);
    Form1->Edit2->setText("-3");
    EXPECT_EQ(stepsPerRun, 0);
    Form1->UpDown1->setPosition(Form1->UpDown1->max());
    Form1->UpDown1Click();
    EXPECT_LE(stepsPerRun, kMaxStepsPerRun);
    Form1->Edit2->setText("99999");

    // No mask box ticked: a 0 cell becomes 1, a 1 cell 0, so the zeros never die out.
    Form1->CheckBox3->setChecked(false);
    Form1->CheckBox14->setChecked(false);
    stringLength = 5;
    for (int i = 0; i < 5; ++i)
        stringA[i] = stringB[i] = uint8_t(i % 2);
    stepCount = 0;
    stringAStopState = stringBStopState = 0;
    isSingleStep = 0;   // left set by the start-up's random start
    Form1->Button6Click();
    Timer::fireForTest(*Form1->Timer1);
    EXPECT_EQ(stepCount, kMaxStepsPerRun);
    Timer::fireForTest(*Form1->Timer1);
    EXPECT_EQ(stepCount, 2 * kMaxStepsPerRun);
    EXPECT_TRUE(Form1->Timer1->enabled());
}
