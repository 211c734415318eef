// The square pattern loaders and the start patterns of the Initial menu, on
// files the tests write.
#include "LatticeFormFixture.h"
#include "base/PointLists.h"
#include "base/RunControls.h"
#include "base/StringLength.h"
#include "engine/StringState.h"
#include "lattice/SquarePatternFile.h"
#include "lattice/TForm13.h"

#include <algorithm>

namespace {

class Loaders : public StartedWindows {
protected:
    void SetUp() override
    {
        StartedWindows::SetUp();
        Form1->RadioGroup8->setItemIndex(1);   // "2 dim."
        std::filesystem::create_directories("CA");
    }
};

// A pattern: C cells at (r, c) with (r + c) % 7 == 0, B cells where
// (r * c) % 11 == 1, empty elsewhere; the cells past side 70 too.
std::vector<uint8_t> Pattern()
{
    std::vector<uint8_t> cells(kSquareCellCount, 2);
    for (int r = 0; r < kSquareSide; ++r)
        for (int c = 0; c < kSquareSide; ++c) {
            if ((r + c) % 7 == 0)
                cells[SquareIndex(r, c)] = 0;
            else if ((r * c) % 11 == 1)
                cells[SquareIndex(r, c)] = 1;
        }
    return cells;
}

} // namespace

TEST_F(Loaders, PresetTakesThePatternClearsTheMaskAndWarmsUp)
{
    const std::vector<uint8_t> pattern = Pattern();
    WriteBytes("CA/ca70_2.dat", pattern);
    Form1->Edit2->setText("6");
    Form1->XXXn1->setChecked(false);
    frozenMask[SquareIndex(3, 3)] = 1;

    Form1->Read7021Click();
    EXPECT_EQ(squareRowCount, 70);
    EXPECT_EQ(squareColumnCount, 70);
    EXPECT_EQ(stringLength, 27);   // the strings keep their 27 cells
    EXPECT_EQ(Square(), pattern);  // reversed runs and steps go to the string engine
    EXPECT_EQ(cPointCount, CountInSide(70, 0));
    EXPECT_EQ(bPointCount, CountInSide(70, 1));
    EXPECT_EQ(cPointY[1], 0);
    EXPECT_EQ(cPointX[1], 7);
    EXPECT_EQ(frozenMask[SquareIndex(3, 3)], 0);
    EXPECT_EQ(stepsPerRun, 1);
    EXPECT_EQ(Form1->Edit2->text(), "1");
    EXPECT_TRUE(Form1->XXXn1->isChecked());
}

TEST_F(Loaders, MissingOrShortPresetChangesNoCellButTheOtherStepsRun)
{
    std::fill(std::begin(squareCells), std::end(squareCells), 1);
    const std::vector<uint8_t> before = Square();
    squareRowCount = squareColumnCount = 10;
    Form1->N1k1Click();
    EXPECT_EQ(Square(), before);
    EXPECT_TRUE(StatusHas("CA/c_1kx.dat"));
    EXPECT_EQ(squareRowCount, 70);
    EXPECT_EQ(bPointCount, kPointListCapacity);   // rebuilt from the old cells
    EXPECT_EQ(cPointCount, 0);

    WriteBytes("CA/c5a_923.dat", std::vector<uint8_t>(100, 0));
    Form1->N1a9231Click();
    EXPECT_EQ(Square(), before);
    EXPECT_TRUE(StatusHas("shorter"));
}

TEST_F(Loaders, NumberedPresetFollowsItsChoice)
{
    const std::vector<uint8_t> pattern = Pattern();
    WriteBytes("CA/ca70_3.dat", pattern);
    Form1->Edit10->setText("4");
    EXPECT_EQ(presetFileChoice, 4);
    Form1->UpDown6->setPosition(4);
    Form1->UpDown6Click();
    EXPECT_EQ(Form1->Edit10->text(), "4");
    Form1->Read7022Click();
    EXPECT_EQ(Square(), pattern);

    std::fill(std::begin(squareCells), std::end(squareCells), 2);
    Form1->Edit10->setText("7");   // no such preset: nothing opened
    Form1->Read701Click();
    EXPECT_EQ(CountInSide(131, 2), kSquareCellCount);
    EXPECT_TRUE(StatusHas("No preset 7"));

    // "70_1" on "Normal": the preset, three steps per press, the grid of 5-pixel cells.
    // The grid sets no pen style: it keeps the one the string paint of the FREEZE
    // reset left, which is clear after a marked 0 cell. With "Ordinary" (as at
    // start-up) that paint marks no cell and leaves its solid pen.
    Form1->Edit10->setText("4");
    Form1->RadioGroup7->setItemIndex(1);
    Form1->XXcnc1->setChecked(true);
    Form1->CheckBox33->setChecked(true);
    Form1->N7011Click();
    EXPECT_EQ(Square(), pattern);
    EXPECT_EQ(stepsPerRun, 3);
    EXPECT_FALSE(Form1->XXXn1->isChecked());
    EXPECT_FALSE(Form1->XXcnc1->isChecked());
    EXPECT_EQ(Form1->canvas().pixel(100, 5), ColorBlack);
    EXPECT_EQ(Form1->canvas().pixel(5, 100), ColorBlack);
}

TEST_F(Loaders, FlipLoadersChangeAtMostTheirCountBetweenOneAndTwo)
{
    const std::vector<uint8_t> pattern = Pattern();
    WriteBytes("CA/ca70x.dat", pattern);
    Form1->RadioGroup7->setItemIndex(1);   // "Normal"
    Form1->isdef1->setChecked(false);
    Form1->N70xx1Click();
    EXPECT_EQ(Square(), pattern);

    Form1->isdef1->setChecked(true);
    randomFlipCount = 8;
    Form1->N70xx1Click();
    int changed = 0;   // which cells swap is the unit test's
    for (int i = 0; i < kSquareCellCount; ++i)
        changed += squareCells[i] != pattern[i];
    EXPECT_GE(changed, 1);
    EXPECT_LE(changed, 8);
    EXPECT_EQ(stepsPerRun, 3);

    // Away from "Normal" "D1X" loads "CA/ca_1d.dat" with flips, then settles.
    WriteBytes("CA/ca_1d.dat", pattern);
    Form1->RadioGroup7->setItemIndex(0);
    Form1->isdef1->setChecked(false);
    Form1->D1X1Click();
    EXPECT_EQ(Square(), pattern);
    EXPECT_TRUE(Form1->XXXn1->isChecked());
}

TEST_F(Loaders, NamedPatternsRoundTripAndStayInTheirFolder)
{
    const std::vector<uint8_t> pattern = Pattern();
    std::copy(pattern.begin(), pattern.end(), squareCells);
    Form1->Edit17->setText("run7");
    Form1->zapobr1Click();
    ASSERT_TRUE(std::filesystem::exists("obr/run7.dat"));

    Form1->Edit17->setText("../../escape");   // refused: the old name stays
    EXPECT_EQ(patternName, "run7");
    EXPECT_TRUE(StatusHas("obr"));

    std::fill(std::begin(squareCells), std::end(squareCells), 2);
    Form1->cteobr1Click();
    EXPECT_EQ(Square(), pattern);
    EXPECT_EQ(squareRowCount, 70);
}

TEST_F(Loaders, CListReadersKeepTheBListAndStayInTheList)
{
    WriteBytes("CA/ca10.dat", std::vector<uint8_t>(kSquareCellCount, 0));
    bPointCount = 3;
    Form1->Read991Click();
    EXPECT_EQ(squareRowCount, 99);
    EXPECT_EQ(cPointCount, kPointListCapacity);
    EXPECT_EQ(bPointCount, 3);

    squareRowCount = squareColumnCount = 5;
    std::vector<uint8_t> cells(kSquareCellCount, 2);
    cells[SquareIndex(4, 4)] = 0;
    cells[SquareIndex(9, 9)] = 0;   // outside the side
    WriteBytes("CA/ca31.dat", cells);
    Form1->Read311Click();
    EXPECT_EQ(cPointCount, 1);
    EXPECT_EQ(squareRowCount, 5);
}

TEST_F(Loaders, SquareTransfersAndTheParadoxMarker)
{
    const std::vector<uint8_t> pattern = Pattern();
    std::copy(pattern.begin(), pattern.end(), squareCells);
    Form1->Button53Click();   // creates the file when it is missing
    std::fill(std::begin(squareCells), std::end(squareCells), 2);
    Form1->Readsqwrite1Click();
    EXPECT_EQ(Square(), pattern);
    EXPECT_EQ(isRedrawNeeded, 1);

    WriteBytes("CA/caPAR.dat", {});   // empty: nothing to read
    paradoxMarker = 9;
    Form1->ReadsqPARAD1Click();
    EXPECT_EQ(paradoxMarker, 9);
    EXPECT_TRUE(StatusHas("caPAR.dat"));
    WriteBytes("CA/caPAR.dat", {0xC3, 0x01, 0x7F});
    Form1->ReadsqPARAD1Click();
    EXPECT_EQ(paradoxMarker, 0xC3);
}

TEST_F(Loaders, StartPatternsFromTheInitialMenu)
{
    // "CBC... nB times" with one point: one C cell at the centre, GO, lists kept.
    squareRowCount = squareColumnCount = 9;
    std::fill(std::begin(squareCells), std::end(squareCells), 2);
    requestedBPointCount = 1;
    cPointCount = 4;
    Form1->CBCNtimes1Click();
    EXPECT_EQ(squareCells[SquareIndex(4, 4)], 0);
    EXPECT_EQ(CountInSide(131, 2), kSquareCellCount - 1);
    EXPECT_EQ(cPointCount, 4);
    EXPECT_TRUE(Form1->Timer1->enabled());
    EXPECT_EQ(stepCount, 0);

    // "DO" with empty lists: every cell of the side empty.
    cPointCount = bPointCount = 0;
    requestedCPointCount = requestedBPointCount = 0;
    Form1->DO3Click();
    EXPECT_EQ(CountInSide(9, 2), 81);

    // "N rand. point C": more than the list holds is cut, with a note.
    requestedCPointCount = 6000;
    Form1->NpointC1Click();
    EXPECT_EQ(cPointCount, kPointListCapacity);
    EXPECT_EQ(bPointCount, 0);
    EXPECT_TRUE(StatusHas("4900"));
    EXPECT_GT(CountInSide(9, 0), 0);

    // A side of 0 leaves nothing to draw into: refused.
    squareRowCount = squareColumnCount = 0;
    cPointCount = 2;
    Form1->NpointC1Click();
    Form1->NrandpointB1Click();
    EXPECT_EQ(cPointCount, 2);
    EXPECT_TRUE(StatusHas("no cells"));

    // "6*N points" with n = 0: an empty square; the Clear after GO stops the timer.
    squareRowCount = squareColumnCount = 9;
    requestedCPointCount = 0;
    Form1->N6Npoints1Click();
    EXPECT_EQ(CountInSide(9, 2), 81);
    EXPECT_EQ(cPointCount, 0);
    EXPECT_FALSE(Form1->Timer1->enabled());

    requestedCPointCount = 1000;   // 6 x 1000 would overrun the list
    Form1->N6Npoints1Click();
    EXPECT_EQ(cPointCount, 6 * 816);
    EXPECT_TRUE(StatusHas("816"));
}

TEST_F(Loaders, VideoAreaClearAndMakeVideoKeepHiddenPanelsHidden)
{
    Canvas& c = Form1->canvas();
    c.brush.color = ColorRed;
    c.fillRect(0, 0, 800, 800);
    Form1->CheckBox43->setChecked(true);   // "Not Draw"
    Form1->Clearall1Click();
    EXPECT_EQ(c.pixel(100, 100), ColorRed);
    Form1->CheckBox43->setChecked(false);
    Form1->Clearall1Click();
    EXPECT_EQ(c.pixel(703, 703), ColorButtonFace);
    EXPECT_EQ(c.pixel(705, 705), ColorRed);

    Form1->Maevideo1Click();
    EXPECT_TRUE(Form1->Manage->isHidden());
    Form1->Unmakevideo1Click();
    EXPECT_FALSE(Form1->Manage->isHidden());
    EXPECT_FALSE(Form1->GroupBox4->isHidden());   // shown again, but on the hidden panel
    EXPECT_TRUE(Form1->pnlLatticeExperiments->isHidden());
    EXPECT_FALSE(Form1->GroupBox4->isVisible());
}
