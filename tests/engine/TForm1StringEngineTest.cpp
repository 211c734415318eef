// The string engine's handlers on the main window: start-up state, number
// edits, Reverse, the mouse, GO and the timer, the paint and the string files.
#include "../app/StartedWorkbench.h"
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "base/Random.h"
#include "base/RunControls.h"
#include "base/SquareSize.h"
#include "base/StringLength.h"
#include "engine/StringPaint.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "lattice/QhistBatch.h"
#include "lattice/TForm15.h"
#include "widgets/ControlColor.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace {

using MainWindow = StartedWorkbench;

// String A's first cells and the length.
void SetStringA(std::initializer_list<uint8_t> cells)
{
    stringLength = static_cast<int32_t>(cells.size());
    std::copy(cells.begin(), cells.end(), stringA);
}

} // namespace

// The random start is a string of 1s and 2s, B its complement, and is stored.
TEST_F(MainWindow, StartUpLeavesARandomStartAndStoresIt) {
    for (int i = 0; i < stringLength; ++i) {
        EXPECT_NE(stringA[i], 0);
        EXPECT_EQ(stringB[i], stringA[i] == 1 ? 2 : 1);
        EXPECT_EQ(stringAStart[i], stringA[i]);
    }
    std::ifstream in("CA/ca5.dat", std::ios::binary);
    char bytes[31] = {};
    ASSERT_TRUE(in.read(bytes, 31));
    EXPECT_EQ(bytes[0], stringLength);
    EXPECT_EQ(static_cast<uint8_t>(bytes[4 + 5]), stringA[5]);
}

TEST_F(MainWindow, NumberEditsConvertAndClamp) {
    Form1->Edit1->setText("12abc");
    EXPECT_EQ(squareRowCount, 12);
    Form1->Edit1->setText("");
    EXPECT_EQ(stringLength, 0);
    Form1->Edit1->setText("99");   // the square takes 99, the string at most its 27 cells
    EXPECT_EQ(stringLength, 27);
    EXPECT_EQ(squareColumnCount, 99);
    Form1->Edit5->setText("-4");
    EXPECT_EQ(stringLength, 0);
    Form1->Edit5->setText("  30");
    EXPECT_EQ(stringLength, 27);
    Form1->Edit2->setText("7x");
    EXPECT_EQ(stepsPerRun, 7);
    EXPECT_EQ(Form1->UpDown1->position(), 7);
    Form1->Edit22->setText("15");
    EXPECT_EQ(cellHeight, 15);
    Form1->UpDown2->setPosition(9);
    Form1->UpDown2Click();
    EXPECT_EQ(stringLength, 9);
    EXPECT_EQ(Form1->Edit1->text(), "9");
}

TEST_F(MainWindow, ReverseTwiceRestoresTheStringAndTheDirection) {
    SetStringA({0, 1, 2, 1, 0});
    Form1->Button10Click();
    EXPECT_EQ(stringA[0], 1);
    EXPECT_EQ(stringA[1], 0);
    EXPECT_EQ(isTimeReversed, 1);
    EXPECT_EQ(Form1->Label21->text(), "-");
    Form1->Button10Click();
    EXPECT_EQ(std::vector<uint8_t>(stringA, stringA + 5), (std::vector<uint8_t>{0, 1, 2, 1, 0}));
    EXPECT_EQ(isTimeReversed, 0);
    EXPECT_EQ(Form1->Label21->text(), "+");
}

TEST_F(MainWindow, MousePressTogglesOnlyCellsOfTheString) {
    SetStringA({2, 1, 0, 2});
    stringB[1] = 2;
    Form1->FormMouseDown(Qt::LeftButton, Qt::NoModifier, 30, 10);   // column 1
    EXPECT_EQ(stringA[1], 2);
    EXPECT_EQ(stringB[1], 1);
    stringA[4] = 2;
    Form1->FormMouseDown(Qt::LeftButton, Qt::NoModifier, 10, 60);        // below the two rows
    Form1->FormMouseDown(Qt::LeftButton, Qt::NoModifier, 25 * 30, 10);   // right of the storage
    Form1->FormMouseDown(Qt::LeftButton, Qt::NoModifier, 25 * 4 + 3, 10);   // right of the string
    cellWidth = 0;
    Form1->FormMouseDown(Qt::LeftButton, Qt::NoModifier, 3, 3);
    EXPECT_EQ(stringA[0], 2);
    EXPECT_EQ(stringA[4], 2);
}

TEST_F(MainWindow, GoTicksStepsUntilTheRunEndsAndStopClosesNothingUnopened) {
    SetStringA({1, 1, 1});
    std::fill(stringB, stringB + 3, uint8_t{2});
    stepsPerRun = 1;
    Form1->RadioGroup12->setItemIndex(0);   // no predictor reuses stepCount as its row counter
    Form1->Button6Click();
    for (int k = 0; k < 10 && Form1->Timer1->enabled(); ++k)
        Timer::fireForTest(*Form1->Timer1);
    EXPECT_FALSE(Form1->Timer1->enabled());
    EXPECT_EQ(stepCount, 3);
    EXPECT_EQ(Form1->Label33->text(), "Yes");
    Form1->Button1Click();   // "One st." makes one step even with more per press
    EXPECT_EQ(stepCount, 4);
    Form1->WriteLOGfile1->setChecked(true);
    Form1->Timer101->setChecked(true);
    Form1->Button7Click();   // the Qhist stream was never opened: nothing to close
    EXPECT_EQ(qhistFile, nullptr);
    EXPECT_FALSE(Form1->Timer101->isChecked());
}

TEST_F(MainWindow, DualStartKeepsNBAndEveryStartRecoloursManage) {
    SetStringA({1, 2, 2, 1, 2});
    std::copy(stringA, stringA + 5, stringAStart);
    Form1->Edit7->setText("4");
    Form1->Button42Click();   // "D": 1 where the start string held 2
    const uint8_t dual[] = {2, 1, 1, 2, 1};
    EXPECT_TRUE(std::equal(dual, dual + 5, stringA));
    EXPECT_EQ(requestedBPointCount, 4);   // "NB=" of the next random start is kept
    Form1->Button10Click();
    Form1->Button10Click();   // Reverse twice: "Manage" yellow
    Form1->CheckBox43->setChecked(true);   // "Not Draw" skips the fill only
    Form1->XXX1Click();
    EXPECT_EQ(ColorOf(Form1->Manage), ColorButtonFace);
}

TEST_F(MainWindow, TimeTimesTwoDoublesUpToABound) {
    for (int k = 0; k < 3; ++k)
        Form1->Time21Click();
    EXPECT_EQ(Form1->Timer1->interval(), 8);
    for (int k = 0; k < 40; ++k)
        Form1->Time21Click();
    EXPECT_EQ(Form1->Timer1->interval(), 1 << 30);
}

TEST_F(MainWindow, PaintDrawsTheCellsAndRecordsTheirTraces) {
    Form1->CheckBox33->setChecked(false);   // "Ordinary" off
    Form1->CheckBox43->setChecked(false);   // "Not Draw" off
    Form1->CheckBox1->setChecked(true);     // "mA": A's 2 cells in red
    Form1->Button8Click();
    SetStringA({0, 2});
    stringB[0] = stringB[1] = 1;           // B's 1 cells are not drawn ("mdB" off)
    localTimeA[0] = localTimeA[1] = 7;
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

// Under "Not Draw" a traced 0 cell still leaves the clear pen of its fill, and
// the large digits, which set no pen style, then draw nothing.
TEST_F(MainWindow, NotDrawLeavesThePenOfTheLastMarkedCellForLaterDrawings) {
    Form1->CheckBox33->setChecked(false);   // "Ordinary" off
    Form1->CheckBox43->setChecked(true);    // "Not Draw"
    Form1->CheckBox29->setChecked(true);    // "mC": A's 0 cells
    Form1->CheckBox37->setChecked(false);   // black, not grey
    Form1->Button8Click();
    SetStringA({0});
    stringB[0] = 1;
    localTimeA[0] = 0;
    stringAStopState = stringBStopState = 0;
    Canvas& c = Form1->canvas();
    c.pen.style = PenStyle::Solid;
    c.pen.width = 1;
    c.brush.style = BrushStyle::Clear;
    c.brush.color = ColorRed;
    Form1->Button3Click();
    EXPECT_EQ(c.pen.style, PenStyle::Clear);
    EXPECT_EQ(c.pen.width, 0);
    EXPECT_EQ(c.brush.style, BrushStyle::Solid);
    EXPECT_EQ(c.brush.color, ColorBlack);
    EXPECT_EQ(zeroTraceA[0][0], 1);

    // The "1" of stepsPerRun: a line at x = 0.8 * 30 * 3 = 72 from y = (0.8 * 20 + 202) * 3 = 654 to 750.
    stepsPerRun = 1;
    const TColor before = c.pixel(72, 700);
    Form1->Button46Click();
    EXPECT_EQ(c.pixel(72, 700), before);
    c.pen.style = PenStyle::Solid;   // the same digits with a visible pen
    Form1->Button46Click();
    EXPECT_EQ(c.pixel(72, 700), ColorGreen);
}

TEST_F(MainWindow, StringFilesThroughTheMenus) {
    SetStringA({2, 1, 1, 0, 2});
    Form1->Wsq21Click();
    SetStringA({1, 1, 1, 1, 1, 1, 1, 1, 1});
    std::fill(stringB, stringB + 5, uint8_t{0});
    Form1->sq21Click();   // bare load: A and the length, B untouched
    EXPECT_EQ(stringLength, 5);
    EXPECT_EQ(Form1->Edit1->text(), "5");
    EXPECT_EQ(stringA[0], 2);
    EXPECT_EQ(stringB[0], 0);
    Form1->Wsq41Click();
    stringB[3] = 1;
    Form1->sq41Click();    // full load: B rebuilt, a 0 of A leaves B's cell
    EXPECT_EQ(stringB[0], 1);
    EXPECT_EQ(stringB[3], 1);

    const struct { const char* file; const char* bytes; void (TForm1::*read)(); const char* why; } bad[] = {
        {nullptr, nullptr, &TForm1::Rsq31Click, "missing"},
        {"CA/ca.dat", "short", &TForm1::ReadCA1Click, "short"},
        {"CA/ca5.dat", "\xee\xee\xee\xee garbage garbage garbage garbag", &TForm1::Rsq51Click, "length"}};
    for (const auto& b : bad) {
        stepCount = 40;
        if (b.file)
            std::ofstream(b.file, std::ios::binary | std::ios::trunc) << b.bytes;
        (Form1->*b.read)();   // reported, nothing read, the resets still happen
        EXPECT_TRUE(Form1->StatusBar1->simpleText().contains(b.why)) << b.why;
        EXPECT_EQ(stringLength, 5);
        EXPECT_EQ(stepCount, 0);
    }
}

TEST_F(MainWindow, ACommandWhoseStringFileIsMissingKeepsTheReportAndDoesNotRun) {
    // The first run has no "CA/ca.dat" and no "CA/ca2.dat".
    Form1->Edit7->setText("4");
    const std::vector<uint8_t> before(stringA, stringA + kStringCells);
    stopTimeA = 9;
    stepCount = 40;
    Form1->Button106Click();   // "R"
    EXPECT_TRUE(Form1->StatusBar1->simpleText().contains("ca2.dat"));
    EXPECT_FALSE(Form1->Timer1->enabled());
    EXPECT_EQ(requestedBPointCount, 4);
    EXPECT_EQ(std::vector<uint8_t>(stringA, stringA + kStringCells), before);
    EXPECT_EQ(stopTimeA, 9);   // "R" resets nothing before it has its string
    Form1->UpDown5Click();     // "R" and GO
    Form1->Button25Click();    // "R sq(2)" and the step count
    EXPECT_FALSE(Form1->Timer1->enabled());
    EXPECT_EQ(stepCount, 40);

    Form1->Button22Click();    // "Read square" and GO: the resets of the load still happen
    EXPECT_TRUE(Form1->StatusBar1->simpleText().contains("CA/ca.dat"));
    EXPECT_FALSE(Form1->Timer1->enabled());
    EXPECT_EQ(stopTimeA, 0);
    EXPECT_EQ(std::vector<uint8_t>(stringA, stringA + kStringCells), before);

    Form1->Wsq21Click();       // with the file there, "R" restarts from it and runs
    Form1->Button106Click();
    EXPECT_TRUE(Form1->Timer1->enabled());
}

TEST_F(MainWindow, KindSquareKeepsTheStringsInsideTheirCells) {
    Form::modalHook = [](Form&) {};
    Form1->RadioGroup3->setItemIndex(2);
    Form::modalHook = nullptr;
    EXPECT_EQ(squareRowCount, 51);
    EXPECT_EQ(stringLength, 27);
    Form1->RadioGroup3->setItemIndex(0);
    EXPECT_EQ(Form1->RadioGroup2->itemIndex(), 0);
}

TEST_F(MainWindow, TrialTickKeepsTheLengthWithinTheStrings) {
    SeedRandom(5);
    Form1->Timer101Click();
    EXPECT_TRUE(Form1->Timer10->enabled());
    for (int k = 0; k < 5; ++k) {
        Form1->Timer10->setEnabled(true);
        Timer::fireForTest(*Form1->Timer10);
        EXPECT_LE(stringLength, 27);
        EXPECT_TRUE(Form1->Timer1->enabled());
    }
}
