// The lattice commands of the main window: the step loop on Timer2, the random
// rule commands, the rule files with their dialogs, examples and presets,
// FREEZE and IMPROVE.
#include "LatticeFormFixture.h"
#include "app/FormHelpers.h"
#include "base/PointLists.h"
#include "base/Random.h"
#include "base/RunControls.h"
#include "base/StringLength.h"
#include "engine/StringState.h"
#include "lattice/AcceptanceTest.h"
#include "lattice/ImproveSearch.h"
#include "lattice/LatticeRuleTable.h"
#include "lattice/LatticeSettings.h"
#include "lattice/RandomRuleTable.h"
#include "lattice/RuleTableFile.h"
#include "lattice/TForm6.h"
#include "widgets/ControlColor.h"

#include <algorithm>
#include <deque>
#include <iterator>

namespace {

class Lattice : public StartedWindows {
protected:
    void SetUp() override
    {
        StartedWindows::SetUp();
        for (Timer* t : {Form1->Timer1, Form1->Timer2, Form1->Timer4, Form1->Timer5})
            t->setEnabled(false);
    }
};

std::vector<uint8_t> Table() { return {std::begin(latticeRuleTable), std::end(latticeRuleTable)}; }

// A table of 0 and 1 drawn from seed, written to path; the table is cleared after.
std::vector<uint8_t> WriteTableFile(const std::string& path, uint32_t seed)
{
    SeedRandom(seed);
    for (uint8_t& e : latticeRuleTable)
        e = Rand() % 2;
    const std::vector<uint8_t> table = Table();
    EXPECT_EQ(WriteRuleTableFile(path), RuleFileStatus::Ok);
    std::fill(std::begin(latticeRuleTable), std::end(latticeRuleTable), uint8_t{0});
    return table;
}

void EmptySquare(int side)
{
    squareRowCount = squareColumnCount = side;
    std::fill(std::begin(squareCells), std::end(squareCells), uint8_t{2});
}

} // namespace

TEST_F(Lattice, LoopTicksUntilThePatternDiesAndCountsTicks)
{
    EmptySquare(5);
    squareCells[SquareIndex(2, 2)] = 1;   // falls back to C and dies after one step
    Form1->RadioGroup1->setItemIndex(0);
    stepsPerRun = 5;
    cycleCount = 0;
    Form1->Timer2->setEnabled(true);
    Timer::fireForTest(*Form1->Timer2);
    EXPECT_EQ(squareCells[SquareIndex(2, 2)], 0);   // the four steps left were not made
    EXPECT_FALSE(Form1->Timer2->enabled());
    EXPECT_EQ(cycleCount, 1);
    EXPECT_TRUE(Form1->Dontshow1->isChecked());

    stepsPerRun = 0;   // no step, but the tick counts, backwards in reversed time
    isTimeReversed = 1;
    Form1->Button32Click();
    EXPECT_EQ(squareCells[SquareIndex(2, 2)], 0);
    EXPECT_EQ(cycleCount, 0);
}

TEST_F(Lattice, MkRandDrawsAnAcceptedTableAndSeedsAnEmptySquare)
{
    Form1->RadioGroup1->setItemIndex(0);
    Form6->RadioGroup1->setItemIndex(1);   // "Crest"
    seedRow = 0;   // on the storage's corner: two of the five cells fall outside
    seedColumn = 130;
    EmptySquare(27);
    squareCells[SquareIndex(3, 3)] = 1;
    SeedRandom(17);
    Form1->Button11Click();
    EXPECT_EQ(ruleModeIndex, 5);
    EXPECT_EQ(isRuleAccepted, 0);
    EXPECT_TRUE(Form1->Timer1->enabled());
    EXPECT_EQ(CountInSide(kSquareSide, 0), 3);
    EXPECT_EQ(squareCells[SquareIndex(1, 130)], 0);
    EXPECT_EQ(squareCells[SquareIndex(3, 3)], 2);
    EXPECT_TRUE(RunAcceptanceTest(5));
}

// Weights that never pass end the attempts (a flag left set by the test button
// lets nothing through); table and square stay and a box says why.
TEST_F(Lattice, MkRandGivesUpOnWeightsThatNeverPass)
{
    std::fill(std::begin(ruleWeightsX), std::end(ruleWeightsX), 0.0);
    std::fill(std::begin(latticeRuleTable), std::end(latticeRuleTable), uint8_t{0});
    latticeRuleTable[7] = 1;
    const std::vector<uint8_t> before = Table();
    isRuleAccepted = 1;
    Form1->Button31Click();   // a rejecting test leaves the flag set
    EXPECT_EQ(isRuleAccepted, 1);
    const std::vector<uint8_t> square = Square();
    Form1->Button11Click();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].caption, "Warning");
    EXPECT_EQ(Table(), before);
    EXPECT_EQ(Square(), square);
    EXPECT_FALSE(Form1->Timer1->enabled());

    Form1->Edit8->setText("101");   // "+" at more than 100 percent sets every empty entry
    Form1->Button59->click();
    EXPECT_EQ(std::count(latticeRuleTable, latticeRuleTable + kLatticeRuleHalf, 1), kLatticeRuleHalf - 1);
    EXPECT_EQ(squareCells[SquareIndex(82, 120)], 0);   // the default seed
    EXPECT_TRUE(Form1->Timer1->enabled());
}

TEST_F(Lattice, RuleFileCommandsAndTheirDialogs)
{
    const std::vector<uint8_t> table = WriteTableFile("examp/Ex04.dat", 8);
    std::deque<QString> answers = {"examp/Ex04.dat", "", "none.dat", "out/rule.dat"};
    SetFileDialogAnswers(&answers);
    Form1->RadioGroup1->setItemIndex(0);
    Form1->ReadRCA1Click();
    EXPECT_EQ(Table(), table);
    EXPECT_EQ(Form1->RadioGroup1->itemIndex(), 5);
    EXPECT_EQ(Form1->RadioGroup2->itemIndex(), 0);

    Form1->RadioGroup1->setItemIndex(0);
    Form1->ReadRCA1Click();   // cancelled: nothing happens
    EXPECT_EQ(Form1->RadioGroup1->itemIndex(), 0);

    latticeRuleTable[0] ^= 1;
    const std::vector<uint8_t> changed = Table();
    Form1->ReadRCA1Click();   // missing: the table stays, the rest follows
    EXPECT_EQ(Table(), changed);
    EXPECT_TRUE(StatusHas("none.dat"));
    EXPECT_EQ(Form1->RadioGroup1->itemIndex(), 5);

    Form1->WriteRCA1Click();
    SetFileDialogAnswers(nullptr);
    EXPECT_EQ(rcaFileName, "out/rule.dat");
    std::fill(std::begin(latticeRuleTable), std::end(latticeRuleTable), uint8_t{0});
    ASSERT_EQ(ReadRuleTableFile("out/rule.dat"), RuleFileStatus::Ok);
    EXPECT_EQ(Table(), changed);
}

TEST_F(Lattice, ExamplesStartTheLoopWithTheirTableAndMode)
{
    const std::vector<uint8_t> table = WriteTableFile("examp/Ex06.dat", 21);
    Form1->Dontshow1->setChecked(true);
    Form1->N62Click();
    EXPECT_EQ(Table(), table);
    EXPECT_EQ(Form1->RadioGroup1->itemIndex(), 4);
    EXPECT_FALSE(Form1->Label28->isHidden());
    EXPECT_FALSE(Form1->Dontshow1->isChecked());
    ASSERT_TRUE(Form1->Timer2->enabled());
    Timer::fireForTest(*Form1->Timer2);
    EXPECT_EQ(cycleCount, 1);

    // A missing table: the rest still follows; the status bar names the file.
    Form1->Timer2->setEnabled(false);
    Form1->Ex171Click();
    EXPECT_EQ(Table(), table);
    EXPECT_TRUE(StatusHas("examp/Ex17.dat"));
    EXPECT_EQ(squareColumnCount, 29);
    EXPECT_EQ(stringLength, 27);
    EXPECT_EQ(Form1->Edit1->text(), "29");
    EXPECT_EQ(Form1->Edit2->text(), "6");
    EXPECT_EQ(Form1->RadioGroup1->itemIndex(), 5);
    EXPECT_TRUE(Form1->Timer1->enabled());
}

TEST_F(Lattice, PresetsLoadTableAndStartWithoutALoop)
{
    const std::vector<uint8_t> table = WriteTableFile("!EXPO/renormg.rca", 22);
    EmptySquare(131);
    Form1->N26Click();
    EXPECT_EQ(Table(), table);
    EXPECT_EQ(Form1->Edit2->text(), "4");
    EXPECT_EQ(Form1->Edit3->text(), "2");
    EXPECT_EQ(Form1->RadioGroup2->itemIndex(), 0);
    for (auto [r, c] : {std::pair{20, 100}, {23, 10}, {50, 60}, {21, 103}})
        EXPECT_EQ(squareCells[SquareIndex(r, c)], 1);
    EXPECT_FALSE(Form1->Timer2->enabled());

    Form1->Edit3->setText("1");
    Form1->Soliton1Click();   // missing, and places nothing
    EXPECT_TRUE(StatusHas("!EXPO/soliton.rca"));
    EXPECT_TRUE(Form1->Mousesoliton1->isChecked());
    EXPECT_EQ(cPointPen, 2);
    EXPECT_EQ(CountInSide(kSquareSide, 1), 4);
}

TEST_F(Lattice, FreezeTickRunsOnceAfterBeginAndDoImmediateKeepsFrozenCells)
{
    EmptySquare(6);
    std::fill(std::begin(frozenMask), std::end(frozenMask), uint8_t{3});
    Form1->BEGIN1Click();
    EXPECT_EQ(frozenMask[SquareIndex(5, 5)], 0);
    EXPECT_EQ(frozenMask[SquareIndex(6, 0)], 3);   // outside the square
    Form1->Go1Click();
    stepCount = 9;
    Timer::fireForTest(*Form1->Timer4);
    EXPECT_EQ(stepCount, 0);
    EXPECT_TRUE(Form1->Timer1->enabled());
    EXPECT_EQ(ColorOf(Form1->Manage), ColorYellow);
    Form1->Timer1->setEnabled(false);
    Timer::fireForTest(*Form1->Timer4);   // disarmed: nothing
    EXPECT_FALSE(Form1->Timer1->enabled());

    ShowNumber(Form1->Edit2, 1);
    frozenMask[SquareIndex(1, 1)] = 1;
    squareCells[SquareIndex(1, 1)] = 1;
    squareCells[SquareIndex(4, 4)] = 0;
    cPointCount = 1;
    cPointY[0] = 2;
    cPointX[0] = 3;
    Form1->Finish1Click();
    EXPECT_FALSE(Form1->Timer4->enabled());
    EXPECT_EQ(stepsPerRun, 4);
    EXPECT_EQ(Form1->Edit2->text(), "1");   // the steps are not shown
    EXPECT_EQ(squareCells[SquareIndex(1, 1)], 1);
    EXPECT_EQ(squareCells[SquareIndex(4, 4)], 2);
    EXPECT_EQ(squareCells[SquareIndex(2, 3)], 0);
    EXPECT_TRUE(Form1->Timer1->enabled());
}

TEST_F(Lattice, FrozenMaskGreyMapAndClearing)
{
    Form1->CheckBox43->setChecked(false);
    squareRowCount = squareColumnCount = 4;
    std::fill(std::begin(frozenMask), std::end(frozenMask), uint8_t{0});
    frozenMask[SquareIndex(1, 1)] = 255;
    frozenMask[SquareIndex(2, 3)] = 1;
    Form1->Drawfrozen1Click();
    Canvas& c = Form1->canvas();
    EXPECT_EQ(c.pixel(7, 7), RGBColor(254, 254, 254));
    EXPECT_EQ(c.pixel(17, 12), ColorBlack);   // 1 * 255 / 256 is 0
    EXPECT_EQ(c.pixel(600, 600), ColorButtonFace);
    c.clear(ColorWhite);
    Form1->CheckBox43->setChecked(true);   // "Not Draw"
    Form1->Button41Click();
    EXPECT_EQ(c.pixel(7, 7), ColorWhite);

    Form1->RadioGroup8->setItemIndex(0);   // "X ma" on "1 dim.": the string's five cells
    stringLength = 5;
    std::fill(frozenMask, frozenMask + 8, uint8_t{9});
    std::fill(improveMaskCopy, improveMaskCopy + 8, uint8_t{9});
    Form1->Button39Click();
    for (const uint8_t* mask : {frozenMask, improveMaskCopy})
        EXPECT_EQ(std::vector<uint8_t>(mask, mask + 8), (std::vector<uint8_t>{9, 0, 0, 0, 0, 0, 9, 9}));
    EXPECT_EQ(frozenMask[SquareIndex(1, 1)], 255);
    Form1->RadioGroup8->setItemIndex(1);
    Form1->Button39Click();
    EXPECT_EQ(frozenMask[SquareIndex(1, 1)], 0);
}

TEST_F(Lattice, ImproveTrialInvertsTheNextFreeEntryAndTheDecisionUndoesOrSaves)
{
    std::fill(std::begin(latticeRuleTable), std::end(latticeRuleTable), uint8_t{0});
    latticeRuleTable[kLatticeRuleHalf + 1] = 1;   // entry 1 is fixed
    ASSERT_EQ(WriteRuleTableFile("IMPROVE/imp000.dat"), RuleFileStatus::Ok);
    const std::vector<uint8_t> base = Table();
    latticeRuleTable[9] = 1;
    improveStartIndex = 0;
    Form1->DO1Click();
    EXPECT_EQ(Table(), base);
    EXPECT_EQ(Form1->Edit2->text(), "1");
    ASSERT_TRUE(Form1->Timer5->enabled());
    Timer::fireForTest(*Form1->Timer5);
    EXPECT_EQ(improveEntryIndex, 2);
    EXPECT_EQ(latticeRuleTable[2], 1);
    EXPECT_FALSE(Form1->Timer5->enabled());
    EXPECT_TRUE(Form1->Timer1->enabled());
    Form1->Button45Click();   // not improved: back to the base table
    EXPECT_EQ(Table(), base);

    ToggleRuleTableEntry(improveEntryIndex);
    isImproved = 1;
    improveVcrit = 7;
    Form1->Button45Click();
    const std::vector<uint8_t> kept = Table();
    ASSERT_EQ(ReadRuleTableFile("IMPROVE/imp001.dat"), RuleFileStatus::Ok);
    EXPECT_EQ(Table(), kept);
    EXPECT_EQ(improveRecordIndex[1], 2);
    EXPECT_EQ(improveRecordVcrit[1], 7);
    EXPECT_EQ(improveRecordCount, 2);

    improveRecordCount = kImproveRecordCapacity;   // no record past the arrays
    Form1->Button45Click();
    EXPECT_EQ(improveRecordCount, kImproveRecordCapacity);
    improveRecordCount = 0;   // nor over the base table
    Form1->Button45Click();
    ASSERT_EQ(ReadRuleTableFile("IMPROVE/imp000.dat"), RuleFileStatus::Ok);
    EXPECT_EQ(Table(), base);

    std::fill(std::begin(latticeRuleTable), std::end(latticeRuleTable), uint8_t{1});
    Form1->Timer1->setEnabled(false);
    Form1->Timer5->setEnabled(true);
    Timer::fireForTest(*Form1->Timer5);   // every entry fixed: the search stops
    EXPECT_FALSE(Form1->Timer5->enabled());
    EXPECT_FALSE(Form1->Timer1->enabled());
    EXPECT_EQ(Table(), std::vector<uint8_t>(kLatticeRuleTableSize, 1));
}

TEST_F(Lattice, HiddenCommandsReachTheirHandlers)
{
    Form1->Nofreeze1->trigger();
    EXPECT_EQ(stepsPerRun, 4);
    Form1->T21->trigger();   // the handler, not Qt, toggles the mark; "T=3" follows
    EXPECT_FALSE(Form1->T21->isChecked());
    EXPECT_TRUE(Form1->T31->isChecked());
    Form1->Button37->click();
    EXPECT_EQ(latticeRuleTable[kLatticeRuleHalf + RuleEntryIndex(0, 0, 1, 0)], 1);
}
