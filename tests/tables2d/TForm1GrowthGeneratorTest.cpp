// "TT 2d" and the growth run's timer chain: harvests, "Stop", and refusals.
#include "Tables2dTestSupport.h"

#include "base/StringLength.h"
#include "engine/StringState.h"
#include "mask2d/Mask2dPath.h"
#include "tables1d/TableGenerator.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/TForm1GrowthRunEnd.h"
#include "tables2d/TwoDimState.h"

using namespace table2dtest;

namespace {

class TForm1GrowthGeneratorTest : public Window2dTest {
protected:
    void SetUp() override
    {
        Window2dTest::SetUp();
        // The cross on a 6 x 6 torus, random seeding, fresh tables.
        Form1->RadioGroup20->setItemIndex(0);
        mask2dPointCount = 5;
        Form1->Edit1->setText("6");
        Form1->CheckBox61->setChecked(true);
        Form1->CheckBox58->setChecked(true);
        Form1->Button170Click();
        ttFileName2d = path("RT2/T4.dat");
        Form1->ShowTwoDimToolbar();
    }
};

TEST_F(TForm1GrowthGeneratorTest, RunsAreHarvestedIntoTheFivePointTableUntilStop)
{
    ASSERT_TRUE(WriteWholeFile(ttFileName2d, std::vector<uint8_t>(30, 1)));
    Form1->Button214->click();
    EXPECT_EQ(std::filesystem::file_size(ttFileName2d), 0u);   // emptied; five points go to "RR4.dat"
    // Until the end of the first harvested run is through.
    runChain(40 * 300, [] { return std::filesystem::exists("RR4.dat") && !IsGrowthRunEnding(); });
    ASSERT_TRUE(messages_.empty()) << firstMessage();
    ASSERT_TRUE(std::filesystem::exists("RR4.dat"));
    EXPECT_EQ(Form1->Label390->text(), "1");
    const int32_t keys = harvestClassCount[0];
    ASSERT_GT(keys, 0);
    EXPECT_EQ(Form1->Label379->text(), QString::number(ttRecordCount));
    EXPECT_EQ(std::filesystem::file_size("RR4.dat"), size_t(4 + 6 * keys * 13));
    EXPECT_EQ(Form1->StringGrid12->rowCount(), 6 * keys + 1);
    EXPECT_TRUE(Form1->Timer18->enabled());   // the next run is on its way

    // "Stop" while a run steps: that run is dropped.
    Timer::fireForTest(*Form1->Timer18);
    Timer::fireForTest(*Form1->Timer13);
    Form1->Button215->click();
    EXPECT_FALSE(Form1->Timer13->enabled() || Form1->Timer18->enabled());
    EXPECT_EQ(isTableGenerator2dRunning, 0);
    EXPECT_TRUE(Form1->Button214->isVisibleTo(Form1));
}

TEST_F(TForm1GrowthGeneratorTest, ARunWhoseLayersEndWithDifferentEventCountsIsNotHarvested)
{
    // Both layers stopped after three steps with one event in layer 1, two in layer 2.
    growthSetup = MakeGrowthSetup(2, 0);
    stringAStopState = stringBStopState = 1;
    stepCount = secondStepCount = stopTimeA = stopTimeB = 3;
    for (int t = 0; t < 3; ++t)
        for (int c = 0; c < 4; ++c) {
            growthLayer1History[t][c / 2][c % 2] = t == 0 ? 2 : 1;
            growthLayer2History[t][c / 2][c % 2] = t == 1 ? 1 : 0;
        }
    historyRowCount = 7;
    Form1->Timer13->setEnabled(true);
    Timer::fireForTest(*Form1->Timer13);
    EXPECT_EQ(Form1->Label390->text(), "1");
    while (Form1->Timer13->enabled()) Timer::fireForTest(*Form1->Timer13);   // the run's end
    EXPECT_EQ(isGrowthEventCountMismatch, 1);
    EXPECT_EQ(historyRowCount, 7);
    EXPECT_FALSE(std::filesystem::exists("RR4.dat"));
}

// The end of a successful run comes on ticks of its own: the tick that ends
// the run shows its labels and keeps Timer13 on for the derivation and the
// harvest, which arm the next run once through. "Stop", or a new run, while
// they are under way finishes them first: a run that has ended is harvested,
// as when its end came within its last tick.
TEST_F(TForm1GrowthGeneratorTest, TheEndOfARunFollowsOnTicksOfItsOwnAndStopFinishesIt)
{
    const auto stepToARunsEnd = [] {
        for (int run = 0; run < 40 && !IsGrowthRunEnding(); ++run) {
            Timer::fireForTest(*Form1->Timer18);
            while (Form1->Timer13->enabled() && !IsGrowthRunEnding()) Timer::fireForTest(*Form1->Timer13);
        }
        return IsGrowthRunEnding();
    };
    Form1->Button214->click();
    ASSERT_TRUE(stepToARunsEnd());
    EXPECT_EQ(Form1->Label390->text(), "1");
    EXPECT_TRUE(Form1->Timer13->enabled());
    EXPECT_FALSE(Form1->Timer18->enabled());
    Timer::fireForTest(*Form1->Timer13);   // a share of the end
    ASSERT_TRUE(IsGrowthRunEnding());
    Form1->Button215->click();
    EXPECT_FALSE(IsGrowthRunEnding());
    EXPECT_FALSE(Form1->Timer13->enabled() || Form1->Timer18->enabled());
    const int32_t harvested = harvestClassCount[0];
    EXPECT_GT(harvested, 0);
    EXPECT_TRUE(std::filesystem::exists("RR4.dat"));
    EXPECT_EQ(Form1->StringGrid12->rowCount(), ttRecordCount + 1);

    // A new run seeded over an ended one harvests that one first.
    Form1->Button214->click();
    ASSERT_TRUE(stepToARunsEnd());
    Form1->Button159Click();
    EXPECT_FALSE(IsGrowthRunEnding());
    EXPECT_GE(harvestClassCount[0], harvested);
    EXPECT_TRUE(Form1->Timer13->enabled());   // stepping the new run

    // Left alone, the end runs through, harvests and arms the next run.
    while (Form1->Timer13->enabled() && !IsGrowthRunEnding()) Timer::fireForTest(*Form1->Timer13);
    ASSERT_TRUE(stepToARunsEnd());
    int ticks = 0;
    for (; Form1->Timer13->enabled(); ++ticks) Timer::fireForTest(*Form1->Timer13);
    EXPECT_GE(ticks, 2);
    EXPECT_FALSE(IsGrowthRunEnding());
    EXPECT_TRUE(Form1->Timer18->enabled());
    ASSERT_TRUE(messages_.empty()) << firstMessage();
    Form1->Button215->click();
}

TEST_F(TForm1GrowthGeneratorTest, TheGeneratorRefusesToStartWhereItWouldSpoilATable)
{
    isGenerating1d = 1;   // "TT 1d" fills the same tables
    Form1->Button214->click();
    isGenerating1d = 0;
    const std::string tableFile = ttFileName2d;
    ttFileName2d = path("blocked/RT2/T4.dat");   // a folder that cannot be created
    ASSERT_TRUE(WriteWholeFile(path("blocked"), std::vector<uint8_t>{1}));
    Form1->Button214->click();
    EXPECT_EQ(messages_.size(), 2u);
    EXPECT_EQ(isTableGenerator2dRunning, 0);
    EXPECT_FALSE(Form1->Timer18->enabled() || std::filesystem::exists(tableFile));

    // Tables filled under another mask are cleared on the next start.
    ttFileName2d = tableFile;
    NoteHarvestMask(1);
    tt5Used[123] = 1;
    Form1->Button214->click();
    EXPECT_EQ(tt5Used[123], 0);
    EXPECT_EQ(isTableGenerator2dRunning, 1);

    // While it runs no table is opened over its list; one-dimensional work keeps "Stop" in view.
    answers_.push_back(QString::fromStdString(tableFile));
    Form1->OpenTT2dim1->trigger();
    EXPECT_EQ(answers_.size(), 1u);
    Form1->ControlBar1MouseDown();
    EXPECT_EQ(isTwoDimMode, 0);
    EXPECT_TRUE(Form1->Button215->isVisibleTo(Form1));
    Form1->Button215->click();
    EXPECT_TRUE(Form1->Button204->isVisibleTo(Form1));
    EXPECT_FALSE(Form1->GroupBox33->isVisibleTo(Form1));

    // A restart without a torus of at least 2 x 2 stops the generator.
    Form1->Button214->click();
    Form1->Edit1->setText("1");
    Timer::fireForTest(*Form1->Timer18);
    EXPECT_FALSE(Form1->Timer13->enabled());
    EXPECT_EQ(isTableGenerator2dRunning, 0);
    EXPECT_EQ(messages_.size(), 2u);
}

TEST_F(TForm1GrowthGeneratorTest, TheFileSeedingTakesOnlyAUsableSideFromItsFile)
{
    Form1->CheckBox61->setChecked(false);
    Form1->Button159Click();   // no file: the side stays, the fixed configuration
    EXPECT_EQ(stringLength, 6);
    EXPECT_EQ(growthLayer1Cells[4][4] * 10 + growthLayer1Cells[0][0], 12);
    for (const std::vector<uint8_t>& bad : {std::vector<uint8_t>{200, 7}, {1}, {}}) {   // garbage, short
        ASSERT_TRUE(WriteWholeFile("DAT/nacpos2.dat", bad));
        Form1->Button179Click();
        EXPECT_EQ(stringLength, 6);
    }
    ASSERT_TRUE(WriteWholeFile("DAT/nacpos2.dat", std::vector<uint8_t>{9, 0, 0}));
    Form1->Button159Click();
    EXPECT_EQ(growthSetup.side, 9);
    EXPECT_EQ(growthLayer1Cells[8][8], 2);   // the file's cells are not used
}

} // namespace
