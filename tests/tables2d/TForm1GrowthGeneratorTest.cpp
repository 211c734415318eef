// "TT 2d" and the growth run's timer chain: harvests, "Stop", and refusals.
#include "Tables2dTestSupport.h"

#include "base/BinaryFile.h"
#include "base/GroupAlgebra.h"
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

// Both layers stopped after `planes` steps on the torus of `side` under the
// cross, the cell (i, j) of layer 1 holding state1(t, i, j) at step t and
// that of layer 2 state2(t, i, j); "TT 2d" runs, and Timer13 is to step this
// run as after a tick of Timer18.
template <class State1, class State2>
void LayStoppedRun(int32_t side, int32_t planes, State1 state1, State2 state2)
{
    if (!isTableGenerator2dRunning) Form1->Button214->click();
    Form1->Timer18->setEnabled(false);
    Form1->Timer13->setEnabled(true);
    growthSetup = MakeGrowthSetup(side, 0);
    isGrowthEventCountMismatch = 0;
    isRunSuccessful = 1;
    stringAStopState = stringBStopState = 1;
    stepCount = secondStepCount = stopTimeA = stopTimeB = planes;
    for (int32_t t = 0; t < planes; ++t)
        for (int32_t i = 0; i < side; ++i)
            for (int32_t j = 0; j < side; ++j) {
                growthLayer1History[t][i][j] = uint8_t(state1(t, i, j));
                growthLayer2History[t][i][j] = uint8_t(state2(t, i, j));
            }
}

// What a five-point harvest leaves: the table file, the list's size with the
// counters of "UUU", and every cell of the grid.
struct HarvestOutcome {
    int32_t records = 0;
    std::vector<uint8_t> file;
    QStringList counters, grid;
    bool operator==(const HarvestOutcome&) const = default;
};

HarvestOutcome Harvested()
{
    HarvestOutcome outcome{ttRecordCount, ReadWholeFile("RR4.dat").value_or(std::vector<uint8_t>{}),
                           {Form1->Label379->text(), Form1->Label441->text(), Form1->Label452->text()}, {}};
    const StringGrid* grid = Form1->StringGrid12;
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int col = 0; col < grid->colCount(); ++col) outcome.grid.push_back(grid->cell(col, row));
    return outcome;
}

TEST_F(TForm1GrowthGeneratorTest, ARunWhoseLayersEndWithDifferentEventCountsIsNotHarvested)
{
    // Both layers stopped after three steps with one event in layer 1, two in layer 2.
    LayStoppedRun(2, 3, [](int t, int, int) { return t == 0 ? 2 : 1; },
                  [](int t, int, int) { return t == 1 ? 1 : 0; });
    historyRowCount = 7;
    Timer::fireForTest(*Form1->Timer13);
    EXPECT_EQ(Form1->Label390->text(), "1");
    while (Form1->Timer13->enabled()) Timer::fireForTest(*Form1->Timer13);   // the run's end
    EXPECT_EQ(isGrowthEventCountMismatch, 1);
    EXPECT_EQ(historyRowCount, 7);
    EXPECT_FALSE(std::filesystem::exists("RR4.dat"));
    Form1->Button215->click();
}

// On a torus of 2, every cell the same: layer 1 holds 2, 0, 1, 2 and layer 2
// 0, 1, 2, 0 at steps 0..3, both stopped. Events of layer 1 at steps 0, 1, 3
// (elements 0, 4, 0), of layer 2 at 0, 2, 3, so historyRowCount = 3; the
// fronts differ by 0, 1 - 2 = -1 and 0, and the increment of event 1 is 1.
// The walk takes event 1 alone: every window is (4, 4, 4, 4, 4), followed by
// element 0 with the value 1. The list is that key times the group: 6
// records, the key itself first with its value 1.
TEST_F(TForm1GrowthGeneratorTest, ARunThatEndsWithinItsTickIsHarvestedInThatTick)
{
    const uint8_t layer1[4] = {2, 0, 1, 2}, layer2[4] = {0, 1, 2, 0};
    LayStoppedRun(2, 4, [&](int t, int, int) { return layer1[t]; }, [&](int t, int, int) { return layer2[t]; });
    Timer::fireForTest(*Form1->Timer13);

    ASSERT_TRUE(messages_.empty()) << firstMessage();
    EXPECT_EQ(Form1->Label381->text() + Form1->Label382->text() + Form1->Label383->text(), "442");
    EXPECT_EQ(Form1->Label390->text(), "1");
    EXPECT_EQ(historyRowCount, 3);
    EXPECT_FALSE(IsGrowthRunEnding() || Form1->Timer13->enabled());
    EXPECT_TRUE(Form1->Timer18->enabled());   // the next run, from this very tick

    const HarvestOutcome outcome = Harvested();
    EXPECT_EQ(outcome.records, 6);
    EXPECT_EQ(outcome.counters, QStringList({"6", "1", "0"}));
    // 6, then the records: five key bytes, the value and the count.
    ASSERT_EQ(outcome.file.size(), 4u + 6 * 13);
    EXPECT_EQ(std::vector<uint8_t>(outcome.file.begin(), outcome.file.begin() + 17),
              std::vector<uint8_t>({6, 0, 0, 0, 4, 4, 4, 4, 4, 1, 0, 0, 0, 0, 0, 0, 0}));
    for (int g = 1; g < 6; ++g) {
        const size_t at = 4 + size_t(g) * 13;
        EXPECT_EQ(outcome.file[at], GroupProduct(g, 4)) << g;
        EXPECT_EQ(outcome.file[at + 5], 0) << g;   // the group images carry the value 0
    }
    ASSERT_EQ(Form1->StringGrid12->rowCount(), 7);
    EXPECT_EQ(outcome.grid.mid(8, 8), QStringList({"0", "+y", "+y", "+y", "+y", "+y", "1", "0"}));
    Form1->Button215->click();
}

// 240 steps on the largest torus: the derivation alone takes the budget of
// several ticks. The end goes on over the ticks after the run's last step and
// leaves what the derivation and the harvest leave when run at once; "Stop",
// or a new run, while it goes on, finishes it first.
TEST_F(TForm1GrowthGeneratorTest, AnEndTooLargeForATickGoesOnOverTicksWithTheSameOutcome)
{
    // Layer 2 has the events of layer 1 with the other value, so no warning comes.
    const uint8_t layer1[3] = {2, 0, 1}, layer2[3] = {0, 2, 1};
    const auto layRun = [&] {
        Form1->Button170Click();
        std::filesystem::remove("RR4.dat");
        LayStoppedRun(kGrowthSide, 240, [&](int t, int i, int j) { return layer1[(t + i + 2 * j) % 3]; },
                      [&](int t, int i, int j) { return layer2[(t + i + 2 * j) % 3]; });
    };
    const auto endingRun = [&] {
        layRun();
        Timer::fireForTest(*Form1->Timer13);   // its last step, and the end begins
        EXPECT_TRUE(IsGrowthRunEnding() && Form1->Timer13->enabled());
        EXPECT_FALSE(Form1->Timer18->enabled() || std::filesystem::exists("RR4.dat"));
    };
    layRun();
    Form1->Button161Click();
    Form1->Button162Click();
    const HarvestOutcome atOnce = Harvested();
    ASSERT_GT(atOnce.records, 6);

    endingRun();
    int ticks = 1;
    for (; Form1->Timer13->enabled() && ticks < 1000; ++ticks) Timer::fireForTest(*Form1->Timer13);
    EXPECT_GT(ticks, 2);
    EXPECT_FALSE(IsGrowthRunEnding());
    EXPECT_TRUE(Form1->Timer18->enabled());
    EXPECT_EQ(Harvested(), atOnce);

    endingRun();
    Timer::fireForTest(*Form1->Timer13);
    Form1->Button215->click();
    EXPECT_FALSE(IsGrowthRunEnding() || Form1->Timer13->enabled() || Form1->Timer18->enabled());
    EXPECT_EQ(Harvested(), atOnce);

    endingRun();
    Form1->Button159Click();
    EXPECT_FALSE(IsGrowthRunEnding());
    EXPECT_EQ(Harvested(), atOnce);
    EXPECT_TRUE(Form1->Timer13->enabled());   // stepping the new run
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
