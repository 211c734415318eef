// The string engine's handlers on the main window: start-up state, number
// edits, Reverse, the mouse, GO and the timer, the paint and the string files.
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "engine/Random.h"
#include "engine/RunControls.h"
#include "engine/SquareSize.h"
#include "engine/StringLength.h"
#include "engine/StringPaint.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "lattice/SeriesData.h"
#include "lattice/TForm15.h"
#include "TempWorkDir.h"
#include "widgets/ControlColor.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateWindows();
        Form1->show_();
    }
    TempWorkDir dir_;   // start-up writes "CA/ca5.dat" here
};

void SetStringA(std::initializer_list<uint8_t> cells)
{
    int i = 0;
    for (uint8_t v : cells)
        stringA[i++] = v;
}

} // namespace

TEST_F(MainWindow, StartUpLeavesARandomStartReadyToRun)
{
    EXPECT_EQ(stringLength, 27);   // the two-dimensional chooser that sets 6 is not built
    EXPECT_EQ(stepsPerRun, 1);
    EXPECT_EQ(Form1->RadioGroup2->itemIndex(), 1);
    EXPECT_EQ(stepCount, 0);
    EXPECT_EQ(seriesStepCount, -17);
    EXPECT_EQ(drawOriginX, 0);
    EXPECT_FALSE(Form1->Timer1->enabled());
    EXPECT_FALSE(Form1->Timer10->enabled());
    EXPECT_EQ(Form1->StatusBar1->simpleText(), "0");
    EXPECT_EQ(Form1->Label57->text(), "X");
    for (int i = 0; i < 27; ++i) {
        EXPECT_NE(stringA[i], 0);
        EXPECT_EQ(stringB[i], stringA[i] == 1 ? 2 : 1);
        EXPECT_EQ(stringAStart[i], stringA[i]);
    }
    // the start string was stored
    std::ifstream in("CA/ca5.dat", std::ios::binary);
    ASSERT_TRUE(in);
    char bytes[31];
    in.read(bytes, 31);
    EXPECT_EQ(bytes[0], 27);
    EXPECT_EQ(static_cast<uint8_t>(bytes[4 + 5]), stringA[5]);
}

TEST_F(MainWindow, NumberEditsConvertAndClamp)
{
    Form1->Edit1->setText("12abc");
    EXPECT_EQ(stringLength, 12);
    EXPECT_EQ(squareRowCount, 12);
    Form1->Edit1->setText("");
    EXPECT_EQ(stringLength, 0);
    Form1->Edit1->setText("99");
    EXPECT_EQ(stringLength, 27);
    EXPECT_EQ(squareColumnCount, 99);
    EXPECT_EQ(Form1->Edit1->text(), "99");
    Form1->Edit5->setText("-4");
    EXPECT_EQ(stringLength, 0);
    Form1->Edit5->setText("  30");
    EXPECT_EQ(stringLength, 27);
    Form1->Edit2->setText("7x");
    EXPECT_EQ(stepsPerRun, 7);
    EXPECT_EQ(Form1->UpDown1->position(), 7);
    Form1->Edit22->setText("15");
    EXPECT_EQ(cellWidth, 15);
    EXPECT_EQ(cellHeight, 15);
    Form1->Edit7->setText("3");
    EXPECT_EQ(requestedBPointCount, 3);
    Form1->UpDown2->setPosition(9);
    Form1->UpDown2Click();
    EXPECT_EQ(squareRowCount, 9);
    EXPECT_EQ(stringLength, 9);
    EXPECT_EQ(Form1->Edit1->text(), "9");
}

TEST_F(MainWindow, ReverseTwiceRestoresTheStringAndTheDirection)
{
    stringLength = 5;
    SetStringA({0, 1, 2, 1, 0});
    Form1->Button10Click();
    EXPECT_EQ(stringA[0], 1);
    EXPECT_EQ(stringA[1], 0);
    EXPECT_EQ(stringA[2], 2);
    EXPECT_EQ(isTimeReversed, 1);
    EXPECT_EQ(Form1->Label21->text(), "-");
    EXPECT_EQ(ColorOf(Form1->Manage), ColorHighlight);
    Form1->Button10Click();
    const uint8_t expected[] = {0, 1, 2, 1, 0};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(stringA[i], expected[i]);
    EXPECT_EQ(isTimeReversed, 0);
    EXPECT_EQ(Form1->Label21->text(), "+");
    EXPECT_EQ(ColorOf(Form1->Manage), ColorYellow);
}

TEST_F(MainWindow, MousePressTogglesOnlyCellsOfTheString)
{
    stringLength = 4;
    SetStringA({2, 1, 0, 2});
    stringB[1] = 2;
    Form1->FormMouseDown(Qt::LeftButton, Qt::NoModifier, 30, 10);   // column 1
    EXPECT_EQ(stringA[1], 2);
    EXPECT_EQ(stringB[1], 1);
    Form1->FormMouseDown(Qt::LeftButton, Qt::NoModifier, 10, 60);   // below the two rows
    EXPECT_EQ(stringA[0], 2);
    Form1->FormMouseDown(Qt::LeftButton, Qt::NoModifier, 25 * 30, 10);   // right of the string
    EXPECT_EQ(stringA[26], stringA[26]);
    stringA[4] = 2;
    Form1->FormMouseDown(Qt::LeftButton, Qt::NoModifier, 25 * 4 + 3, 10);
    EXPECT_EQ(stringA[4], 2);
    cellWidth = 0;
    Form1->FormMouseDown(Qt::LeftButton, Qt::NoModifier, 3, 3);
    EXPECT_EQ(stringA[0], 2);
    Form1->FormMouseMove(Qt::NoModifier, 12, 7);
    EXPECT_EQ(Form1->Label13->text(), "2");
    EXPECT_EQ(Form1->Label14->text(), "1");
}

TEST_F(MainWindow, GoTicksStepsUntilTheRunEndsAndStopStopsAll)
{
    stringLength = 3;
    SetStringA({1, 1, 1});
    for (int i = 0; i < 3; ++i)
        stringB[i] = 2;
    stepCount = 0;
    stepsPerRun = 1;
    Form1->Button6Click();
    EXPECT_TRUE(Form1->Timer1->enabled());
    for (int k = 0; k < 10 && Form1->Timer1->enabled(); ++k)
        Timer::fireForTest(*Form1->Timer1);
    EXPECT_FALSE(Form1->Timer1->enabled());
    EXPECT_EQ(stepCount, 3);
    EXPECT_EQ(Form1->Label25->text(), "2");
    EXPECT_EQ(Form1->Label34->text(), "2");
    EXPECT_EQ(Form1->Label33->text(), "Yes");

    Form1->Button1Click();   // "One st." makes one step even with more per press
    EXPECT_EQ(stepCount, 4);
    Form1->WriteLOGfile1->setChecked(true);
    Form1->Timer101->setChecked(true);
    Form1->Button7Click();   // the Qhist stream was never opened: nothing to close
    EXPECT_EQ(qhistFile, nullptr);
    EXPECT_FALSE(Form1->Timer101->isChecked());
    EXPECT_TRUE(Form1->Button6->isEnabled());
}

TEST_F(MainWindow, TimeTimesTwoDoublesUpToABound)
{
    Form1->Time21Click();
    Form1->Time21Click();
    Form1->Time21Click();
    EXPECT_EQ(Form1->Timer1->interval(), 8);
    for (int k = 0; k < 40; ++k)
        Form1->Time21Click();
    EXPECT_EQ(Form1->Timer1->interval(), 1 << 30);
}

TEST_F(MainWindow, PaintDrawsTheCellsAndRecordsTheirTraces)
{
    Form1->CheckBox33->setChecked(false);   // "Ordinary" off
    Form1->CheckBox43->setChecked(false);   // "Not Draw" off
    Form1->CheckBox1->setChecked(true);     // "mA": A's 2 cells in red
    Form1->Button8Click();
    stringLength = 2;
    SetStringA({0, 2});
    stringB[0] = stringB[1] = 1;           // B's 1 cells are not drawn ("mdB" off)
    localTimeA[0] = 7;
    localTimeA[1] = 7;
    drawOriginX = 0;
    drawOriginY = 100;
    stringAStopState = stringBStopState = 0;
    Form1->Button3Click();
    // cell 0 (value 0, "mC"): a black disc; its row is 7 * 0.75 * 25 = 131 lower
    const int y = 100 + 131 + 12;
    EXPECT_EQ(Form1->canvas().pixel(12, y), ColorBlack);
    // cell 1 (value 2, "mA"): a red ring, hollow in the middle
    EXPECT_EQ(Form1->canvas().pixel(25 + 12, y), ColorButtonFace);
    EXPECT_EQ(Form1->canvas().pixel(25 + 12, 100 + 131 + 3), ColorRed);
    EXPECT_EQ(zeroTraceA[3][0], 1);
    EXPECT_EQ(twoTraceA[2][1], 1);
    EXPECT_EQ(lastHistoryRow, 3);

    localTimeA[0] = 200;   // row 100: beyond the trace rows, not recorded
    localTimeA[1] = 1;     // row -1 of the 2-trace: not recorded
    Form1->Button3Click();
    EXPECT_EQ(lastHistoryRow, 100);
}

TEST_F(MainWindow, StringFilesThroughTheMenus)
{
    stringLength = 5;
    SetStringA({2, 1, 1, 0, 2});
    Form1->Wsq21Click();
    stringLength = 9;
    SetStringA({1, 1, 1, 1, 1});
    for (int i = 0; i < 5; ++i)
        stringB[i] = 0;
    Form1->sq21Click();   // bare load: A and the length, B untouched
    EXPECT_EQ(stringLength, 5);
    EXPECT_EQ(squareRowCount, 5);
    EXPECT_EQ(Form1->Edit1->text(), "5");
    EXPECT_EQ(stringA[0], 2);
    EXPECT_EQ(stringB[0], 0);

    stepCount = 40;
    Form1->Rsq31Click();   // missing file: reported, nothing read, the resets still happen
    EXPECT_TRUE(Form1->StatusBar1->simpleText().contains("missing"));
    EXPECT_EQ(stringLength, 5);
    EXPECT_EQ(stepCount, 0);

    Form1->Wsq41Click();
    stringB[3] = 1;
    Form1->sq41Click();    // full load: B rebuilt, a 0 of A leaves B's cell
    EXPECT_EQ(stringB[0], 1);
    EXPECT_EQ(stringB[1], 2);
    EXPECT_EQ(stringB[3], 1);

    { std::ofstream("CA/ca.dat", std::ios::binary) << "short"; }
    stringLength = 7;
    Form1->ReadCA1Click();
    EXPECT_EQ(stringLength, 7);
    EXPECT_TRUE(Form1->StatusBar1->simpleText().contains("short"));

    std::ofstream("CA/ca5.dat", std::ios::binary | std::ios::trunc) << std::string(31, '\xee');
    Form1->Rsq51Click();
    EXPECT_EQ(stringLength, 7);
    EXPECT_TRUE(Form1->StatusBar1->simpleText().contains("length"));
}

TEST_F(MainWindow, KindSquareKeepsTheStringsInsideTheirCells)
{
    Form::modalHook = [](Form&) {};
    Form1->RadioGroup3->setItemIndex(2);
    Form::modalHook = nullptr;
    EXPECT_EQ(squareRowCount, 51);
    EXPECT_EQ(stringLength, 27);
    EXPECT_EQ(Form1->RadioGroup2->itemIndex(), 1);
    Form1->RadioGroup3->setItemIndex(0);
    EXPECT_EQ(Form1->RadioGroup2->itemIndex(), 0);
}

TEST_F(MainWindow, RandomStartIsReproducibleFromTheGeneratorState)
{
    stringLength = 27;
    requestedCPointCount = 0;
    requestedBPointCount = 2;
    SeedRandom(99);
    Form1->Button58Click();
    uint8_t first[27];
    std::copy(stringA, stringA + 27, first);
    SeedRandom(99);
    Form1->Button58Click();
    EXPECT_TRUE(std::equal(first, first + 27, stringA));
    EXPECT_EQ(stepCount, 0);
    EXPECT_EQ(colourSeries0[0], 2);
}

TEST_F(MainWindow, TrialTickKeepsTheLengthWithinTheStrings)
{
    SeedRandom(5);
    Form1->Timer101Click();
    EXPECT_TRUE(Form1->Timer101->isChecked());
    EXPECT_TRUE(Form1->Timer10->enabled());
    for (int k = 0; k < 5; ++k) {
        Form1->Timer10->setEnabled(true);
        Timer::fireForTest(*Form1->Timer10);
        EXPECT_LE(stringLength, 27);
        EXPECT_GE(requestedBPointCount, 2);
        EXPECT_FALSE(Form1->Timer10->enabled());
        EXPECT_TRUE(Form1->Timer1->enabled());
    }
}

TEST_F(MainWindow, BackwardsStepAndMaskCommands)
{
    stringLength = 4;
    SetStringA({2, 2, 2, 2});
    stepCount = 5;
    Form1->Button50Click();   // no 0 or 1: as one forward step, counted backwards
    EXPECT_EQ(stepCount, 4);
    EXPECT_EQ(isTimeReversed, 0);
    EXPECT_EQ(isSingleStep, 0);
    EXPECT_EQ(stringA[0], 2);

    Form1->CheckBox4->setChecked(true);   // left 2
    Form1->Button228Click();              // "mk"
    EXPECT_EQ(Form1->Label107->text(), "3");
    EXPECT_EQ(Form1->Label108->text(), "1");
    EXPECT_FALSE(Form1->Image17->isVisible());
}
