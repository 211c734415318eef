// The fixed-mask commands of the main window: builders, openers and their
// refusals, the checks' verdicts, "ddTol", and tables learned backwards.
#include "TableTestSupport.h"
#include "base/StringLength.h"
#include "runs/EventTables.h"
#include "runs/RecordedRun.h"
#include "runs/RunViewState.h"
#include "tables1d/FixedMaskTools.h"
#include "tables1d/FixedTableFiles.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/TableGenerator.h"

#include <numeric>

using namespace tabletest;

namespace {

class TForm1FixedMaskTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Form1->Edit1->setText("27");   // the whole string, not the start-up torus
    }

    // Presses the command until its recorded run ended with both strings stopped.
    void pressUntilARunSucceeds(const std::function<void()>& press)
    {
        int presses = 0;
        do press();
        while (!isRunSuccessful && ++presses < 60);
        ASSERT_TRUE(isRunSuccessful);
    }
    // The list as it stands, written as a fixture file.
    static void writeFixture(const FixedTableFile& file)
    {
        ASSERT_EQ(WriteFixedTableFile(file, ttKeys, ttRecordCount), TableFileStatus::Ok);
    }
    static size_t sizeOf(const std::string& file) { return std::filesystem::file_size(file); }
};

TEST_F(TForm1FixedMaskTest, MaskOneOneBuilderListsItsLayersAndTheWriterSavesThem)
{
    Form1->Button202Click();   // preset (1,1): empty tables
    Form1->Button153->click();
    const int32_t n = ttRecordCount;
    EXPECT_GT(n, 0);
    EXPECT_EQ(n, std::count(tt3Used, tt3Used + 6 * kKeys3, 1));
    EXPECT_EQ(Form1->StringGrid11->rowCount(), n + 1);
    EXPECT_FALSE(std::filesystem::exists("RT"));   // this builder writes nothing
    Form1->Button165->click();
    EXPECT_EQ(sizeOf(kTableFileRT11.path), 4u + 7u * unsigned(n));
}

TEST_F(TForm1FixedMaskTest, MaskThreeOneLoopLearnsOnTimer12AndEndsAtAContradiction)
{
    Form1->Button201Click();   // preset (3,1)
    Form1->Button173->click();
    for (int i = 0; i < 60 && Form1->Label353->text() != "1"; ++i) Timer::fireForTest(*Form1->Timer12);
    ASSERT_TRUE(messages_.empty()) << firstMessage();
    const int32_t n = ttRecordCount;
    EXPECT_EQ(std::accumulate(harvestClassCount, harvestClassCount + 6, 0), n);
    EXPECT_EQ(sizeOf(kTableFileRT31.path), 4u + 12u * unsigned(n));
    EXPECT_TRUE(Form1->Timer12->enabled());

    // Every key now holds a value no run produces: the first window learned contradicts it.
    std::fill(std::begin(tt4Used), std::end(tt4Used), uint8_t(0));
    std::fill(std::begin(tt4Value), std::end(tt4Value), uint8_t(100));
    for (int i = 0; i < 60 && Form1->Timer12->enabled(); ++i) Timer::fireForTest(*Form1->Timer12);
    EXPECT_FALSE(Form1->Timer12->enabled());
    ASSERT_EQ(messages_.size(), 1u);
    const QStringList conflicts = {"WRONG MASK!!", "IS 111111", "IS 222222", "IS 333333", "IS 444444", "IS 5555555"};
    EXPECT_TRUE(conflicts.contains(messages_[0].text)) << firstMessage();
    EXPECT_EQ(ttRecordCount, n);
}

TEST_F(TForm1FixedMaskTest, TheMaskSevenThreePassKeepsItsOwnShapeWhateverMaskIsCurrent)
{
    Form1->Button193Click();   // "mk 7,3": the current table file of six points is written too
    ttFileName1d = path("RT/R5_0703.dat");
    ASSERT_TRUE(CreateEmptyFile(ttFileName1d));
    mask1dCentreIndex = 0;     // the grid's sign still reads cell 3
    pressUntilARunSucceeds([] { Form1->Button195->click(); });
    ASSERT_TRUE(messages_.empty()) << firstMessage();
    const int32_t keys = Form1->Label449->text().toInt();
    ASSERT_GT(keys, 0);
    EXPECT_EQ(ttRecordCount, 6 * keys);
    EXPECT_EQ(sizeOf(kTableFileRT73.path), 4u + 14u * unsigned(6 * keys));
    EXPECT_EQ(sizeOf(ttFileName1d), 4u + 14u * unsigned(6 * keys));
    for (int32_t r : {0, keys, 5 * keys + 1}) {
        EXPECT_EQ(ttKeys[r][0], GroupProduct(uint32_t(r / keys), ttKeys[r % keys][0]));
        EXPECT_EQ(Form1->StringGrid11->cell(7, r + 1), ttKeys[r][3] < 3 ? "-1" : "+1");
    }
    EXPECT_FALSE(Form1->Timer17->enabled());
}

TEST_F(TForm1FixedMaskTest, OpenersLoadTheirFilesAndARefusedFileChangesNothing)
{
    // A mask (1,1) table: block 0 as written, blocks 1..5 rebuilt from it.
    LayTable(AllKeysOver({0, 4}, 3, 1), 3);
    for (int32_t r = 0; r < 24; ++r) ttValues[r] = r - 3;
    ttRecordCount = 24;
    writeFixture(kTableFileR2_0101);
    std::fill(ttKeys[4], ttKeys[24], uint8_t(0));
    std::fill_n(ttHitCount, 24, 8);
    Form1->CheckBox62->setChecked(true);
    Form1->Button154->click();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(mask1dPointCount, 3);
    EXPECT_EQ(ttRecordCount, 24);
    EXPECT_EQ(ttHitCount[23], 8);   // counts are not in the file
    EXPECT_EQ(ttKeys[4 * 3 + 1][2], GroupProduct(3, ttKeys[1][2]));
    EXPECT_EQ(ttKeysPermuted[5][0], PermuteCell(1, ttKeys[5][0]));
    const char* const words[6] = {"-x", "-y", "-z", "+x", "+y", "+z"};
    EXPECT_EQ(Form1->StringGrid11->cell(1, 6), words[ttKeysPermuted[5][0]]);   // "62": the permuted copy shown
    EXPECT_EQ(Form1->StringGrid11->cell(4, 5), "+1");   // the value 1 of record 4

    // Refused files: short, missing; the list, the point count and the labels stay.
    std::vector<uint8_t> bytes = ReadWholeFile(kTableFileR2_0101.path).value();
    bytes.resize(bytes.size() - 1);
    ASSERT_TRUE(WriteWholeFile(kTableFileR4_0503.path, bytes));
    const std::vector<uint8_t> listBefore(&ttKeys[0][0], &ttKeys[0][0] + 24 * kTableKeyBytes);
    Form1->Button191->click();
    Form1->Button174->click();
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_NE(messages_[0].text.indexOf("shorter"), -1);
    EXPECT_NE(messages_[1].text.indexOf("RT/RT31.dat"), -1);   // says how the missing file comes about
    EXPECT_EQ(mask1dPointCount, 3);
    EXPECT_EQ(ttRecordCount, 24);
    EXPECT_EQ(std::vector<uint8_t>(&ttKeys[0][0], &ttKeys[0][0] + 24 * kTableKeyBytes), listBefore);
    EXPECT_EQ(Form1->Label302->text(), "0");

    // "TPP Check/6" groups the first nine records of the (1,1) file by mirror keys:
    // (0,0,4) with (4,0,0), 1*(0,0,4) with 1*(4,0,0), five alone.
    Form1->Button156->click();
    EXPECT_EQ(ttRecordCount, 7);
    EXPECT_EQ(symmetryClassSize[1], 2);
    EXPECT_EQ(symmetryClassSize[4], 2);
    EXPECT_EQ(Form1->StringGrid11->cell(5, 2), "2");

    // The six-point file goes on to the current table file as it was read.
    LayTable(AllKeysOver({0, 4}, 6, 3), 6);
    writeFixture(kTableFileR5_0703);
    ttFileName1d = path("RT/R5_1309.dat");   // a six-point table file of another name
    ASSERT_TRUE(CreateEmptyFile(ttFileName1d));
    ttRecordCount = 0;
    Form1->Button194->click();
    EXPECT_EQ(mask1dPointCount, 6);
    EXPECT_EQ(ReadWholeFile(ttFileName1d), ReadWholeFile(kTableFileR5_0703.path));
}

TEST_F(TForm1FixedMaskTest, FixedChecksReportTheirVerdictsFromTheirOwnTables)
{
    // (3,1): the check opens its file first, so a table broken in memory is checked as the file holds it.
    LayPaddedClosedTable(4, 2, 27);
    writeFixture(kTableFileR3_0301);
    std::swap_ranges(ttKeys[28], ttKeys[28] + 4, ttKeys[55]);
    Form1->Button169->click();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(Form1->Label302->text(), "162");
    EXPECT_EQ(Form1->StatusBar1->simpleText(), "161");
    std::swap_ranges(ttKeys[28], ttKeys[28] + 4, ttKeys[55]);
    writeFixture(kTableFileR3_0301);
    Form1->Button169->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "IS UNLOCKED");

    // (1,1) uses the permuted copy as it stands: made wrong, a reference cell 0 reports it.
    messages_.clear();
    LayPaddedClosedTable(3, 1, 9);
    BuildPermutedCopy(3);
    Form1->Button164->click();
    EXPECT_TRUE(messages_.empty());
    std::swap_ranges(&ttKeysPermuted[0][0], &ttKeysPermuted[9][0], &ttKeysPermuted[9][0]);
    Form1->Button164->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "IS OOOOOOOOOOO");

    // (5,3), opened from its file, shows the counts it reached and writes nothing.
    messages_.clear();
    LayPaddedClosedTable(5, 2, 117);
    writeFixture(kTableFileR4_0503);
    ttRecordCount = 0;
    Form1->Button191->click();
    EXPECT_EQ(mask1dPointCount, 5);
    EXPECT_EQ(ttRecordCount, 702);
    Form1->Button192->click();
    EXPECT_TRUE(messages_.empty());
    EXPECT_GT(ttHitCount[0], 0);
    EXPECT_EQ(Form1->StringGrid11->cell(7, 1), QString::number(ttHitCount[0]));

    // (7,3) writes its counts to the current table file.
    mask1dPointCount = 6;
    ttFileName1d = path("RT/R5_0703.dat");
    ASSERT_TRUE(CreateEmptyFile(ttFileName1d));
    LayPaddedClosedTable(6, 3, 99);
    std::fill_n(ttHitCount, 594, 0);
    Form1->Button196->click();
    EXPECT_TRUE(messages_.empty());
    TableFileContent written;
    ASSERT_EQ(ReadRecordFile(ttFileName1d, RecordLayout{6, true, false}, written), TableFileStatus::Ok);
    EXPECT_EQ(written.counts, std::vector<int32_t>(ttHitCount, ttHitCount + 594));
    EXPECT_GT(std::accumulate(ttHitCount, ttHitCount + 594, 0), 0);
}

// The hidden trace of a fixed check holds the cells of its last placement.
// Over the 54 records of (1,1) only rows 0, 10 and 20 chain: (0,1,2) at
// shift 0, (1,2,3) at 1, (2,3,4) at 2, covering the region 0 1 2 3 4 and
// composing (0 / 9, 10 / 9, 20 / 9) = (0, 1, 2), found at row 0.
TEST_F(TForm1FixedMaskTest, FixedChecksTraceTheCellsOfTheirLastPlacement)
{
    ttRecordCount = 54;
    for (int32_t r = 0; r < 54; ++r) {
        const uint8_t filler[3] = {5, 5, 4};   // fits no later level: no row starts with (5, 4)
        std::copy(filler, filler + 3, ttKeys[r]);
    }
    const uint8_t chain[3][3] = {{0, 1, 2}, {1, 2, 3}, {2, 3, 4}};
    for (int i = 0; i < 3; ++i) std::copy(chain[i], chain[i] + 3, ttKeys[10 * i]);
    BuildPermutedCopy(3);
    Form1->Button164->click();
    EXPECT_TRUE(messages_.empty()) << firstMessage();
    const QLabel* const cells[] = {Form1->lblPlacedCell0, Form1->lblPlacedCell1, Form1->lblPlacedCell2,
                                   Form1->lblPlacedCell3, Form1->lblPlacedCell4, Form1->lblPlacedCell5,
                                   Form1->lblPlacedCell10};
    QStringList shown;
    for (const QLabel* cell : cells) shown << cell->text();
    EXPECT_EQ(shown, (QStringList{"0", "1", "2", "3", "4", "", ""}));
    EXPECT_EQ(Form1->lblPlaced0->text() + " " + Form1->lblPlaced1->text() + " " + Form1->lblPlaced2->text(), "0 10 20");
    EXPECT_EQ(Form1->lblLastFound->text(), "0");
    EXPECT_EQ(Form1->lblHitCount0->text(), "1");
}

TEST_F(TForm1FixedMaskTest, DdTolSumsFromItsOwnCopyAndLeavesTheListAlone)
{
    LayTable(AllKeysOver({0, 1, 2}, 4, 2), 4);   // 162 records
    for (int32_t r = 0; r < 162; ++r) ttValues[r] = r % 7 - 3;
    writeFixture(kTableFileR3_0301);
    TableFileContent content;
    ASSERT_EQ(ReadFixedTableFile(kTableFileR3_0301, content), TableFileStatus::Ok);

    ttRecordCount = 12;   // another table in memory
    mask1dPointCount = 6;
    const std::vector<uint8_t> keysBefore(&ttKeys[0][0], &ttKeys[0][0] + 12 * kTableKeyBytes);
    Form1->UpDown9->setPosition(3);
    Form1->UpDown9Click();
    EXPECT_EQ(viewStartRow, 3);
    EXPECT_EQ(ttRecordCount, 12);
    EXPECT_EQ(mask1dPointCount, 6);
    EXPECT_EQ(std::vector<uint8_t>(&ttKeys[0][0], &ttKeys[0][0] + 12 * kTableKeyBytes), keysBefore);
    const std::array<int64_t, 27> out = ColumnSumsOfValues(content, 3);
    EXPECT_EQ(Form1->Label355->text(), QString::number(out[0]));
    EXPECT_EQ(Form1->Label377->text(), QString::number(out[13]));

    // Without its file the sums are not made: the status bar says why, the labels stay.
    std::filesystem::remove(kTableFileR3_0301.path);
    const QString shown = Form1->Label356->text();
    Form1->Button157->click();
    EXPECT_EQ(Form1->Label356->text(), shown);
    EXPECT_TRUE(Form1->StatusBar1->simpleText().startsWith("ddTol"));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(TForm1FixedMaskTest, TablesLearnedBackwardsFromKnownEventRows)
{
    Form1->Button163Click();   // clear-all
    stringLength = 4;
    historyRowCount = 4;       // windows of event rows 1 and 2
    const int32_t rows[4][4] = {{2, 2, 2, 2}, {0, 1, 2, 3}, {1, 1, 1, 1}, {5, 5, 5, 5}};
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < 4; ++i) {
            eventElementA[k][i] = rows[k][i];
            eventFrontDiffIncrement[k][i] = 10 * k + i;
        }
    Form1->Button189->click();
    EXPECT_TRUE(messages_.empty());
    // Row 1's windows follow row 0 (layer 2); row 2's all-1 windows follow row 1 (layers 0..3).
    const std::vector<std::pair<std::array<uint8_t, 3>, int32_t>> expected = {
        {{1, 1, 1}, 20},                                                                        // layer 0
        {{1, 1, 1}, 21},                                                                        // layer 1
        {{0, 1, 2}, 11}, {{1, 1, 1}, 22}, {{1, 2, 3}, 12}, {{2, 3, 0}, 13}, {{3, 0, 1}, 10},   // layer 2
        {{1, 1, 1}, 23},                                                                        // layer 3
    };
    ASSERT_EQ(ttRecordCount, int32_t(expected.size()));
    for (size_t r = 0; r < expected.size(); ++r) {
        EXPECT_TRUE(std::equal(expected[r].first.begin(), expected[r].first.end(), ttKeys[r])) << r;
        EXPECT_EQ(ttValues[r], expected[r].second) << r;
    }
    EXPECT_EQ(sizeOf(kTableFileRT11OB.path), 4u + 7u * 8u);
    EXPECT_EQ(Form1->Label303->text(), "48");
    EXPECT_EQ(Form1->Label450->text(), "3");

    // "mk OB 190" after a run that did not finish learns nothing and keeps the list.
    isRunSuccessful = 0;
    std::fill(&rt1Keys[0][0], &rt1Keys[0][0] + 8 * kTableKeyBytes, uint8_t(5));
    Form1->Button190->click();
    EXPECT_EQ(Form1->Label353->text(), "0");
    EXPECT_TRUE(std::equal(expected[2].first.begin(), expected[2].first.end(), ttKeys[2]));
    EXPECT_FALSE(std::filesystem::exists(kTableFileRT31OB.path));
}

} // namespace

// The fixed-mask openers stop a running "TT 1d" first: its next pass would
// replace the table they load (and, after "Open" of mask (5,3), write its
// five-point passes into "RT/RT53.dat").
TEST_F(TForm1FixedMaskTest, FixedOpenersStopARunningGeneratorFirst)
{
    for (const FixedTableFile* file : {&kTableFileR4_0503, &kTableFileR5_0703}) {
        // "TT 1d" on the mask (7,3) picked on "ANY I"
        Form1->Image15->onMouseMove(Qt::NoModifier, 5, 45);
        Form1->Image15->onMouseDown(Qt::LeftButton, Qt::NoModifier, 5, 45);
        Form1->Button204->click();
        Timer::fireForTest(*Form1->Timer17);
        ASSERT_TRUE(isGenerating1d) << firstMessage();
        // The table to open, written after the chain's first pass.
        const int n = file->keyBytes;
        LayTable(AllKeysOver({0, 4}, n, n == 5 ? 2 : 3), n);
        const int32_t opened = ttRecordCount;
        writeFixture(*file);
        (n == 5 ? Form1->Button191 : Form1->Button194)->click();
        EXPECT_FALSE(isGenerating1d);
        EXPECT_FALSE(Form1->Timer17->enabled());
        EXPECT_TRUE(Form1->Button204->isVisibleTo(Form1) && !Form1->Button211->isVisibleTo(Form1));
        EXPECT_EQ(ttRecordCount, opened);
        EXPECT_EQ(mask1dPointCount, n);
    }
    EXPECT_TRUE(messages_.empty()) << firstMessage();
}
