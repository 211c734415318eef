// The one-dimensional table commands of the main window: opening a table
// through the File menu, the closure check, the writer's guard and the
// refusals that leave the table as it was.
#include "TableTestSupport.h"
#include "../app/StatusBarPaints.h"
#include "../base/FileSizeLimit.h"
#include "tables1d/KeyIndexedTables.h"
#include "widgets/Handlers.h"
#include "widgets/StatusBar.h"

#include <QApplication>

#include <numeric>

using namespace tabletest;

namespace {

class TForm1Tables1dTest : public WindowTest {
protected:
    // A table file of the mask (7,3) holding the closed table over {0, 4}, opened.
    std::string openClosedTable73()
    {
        LayTable(AllKeysOver({0, 4}, 6, 3), 6);
        for (int32_t i = 0; i < ttRecordCount; ++i) ttValues[i] = i % 5 - 2;
        std::fill_n(ttHitCount, ttRecordCount, 0);
        const std::string file = path("RT/R5_0703.dat");
        EXPECT_TRUE(CreateEmptyFile(file));
        EXPECT_EQ(WriteListToTableFile(file, 6), TableFileStatus::Ok);
        ttRecordCount = 0;
        open(file);
        return file;
    }

    void open(const std::string& answer)
    {
        answers_.push_back(QString::fromStdString(answer));
        Form1->OpenTT1dim1->trigger();
    }
};

std::vector<uint8_t> BytesOf(const std::string& file) { return ReadWholeFile(file).value_or(std::vector<uint8_t>{}); }

TEST_F(TForm1Tables1dTest, OpenRebuildsTheMaskFromTheNameAndCancelReopensTheTable)
{
    open("");   // cancelled with nothing chosen yet
    EXPECT_TRUE(ttFileName1d.empty());
    Form1->CheckBox17->setChecked(true);   // right distance 4: not in (7,3)
    const std::string file = openClosedTable73();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(ttFileName1d, file);
    EXPECT_EQ(mask1dPointCount, 6);
    EXPECT_EQ(mask1dLeftBits, 7);
    EXPECT_EQ(mask1dRightBits, 3);
    EXPECT_FALSE(Form1->CheckBox17->isChecked());
    ASSERT_EQ(ttRecordCount, 192);
    EXPECT_EQ(ttValues[191], 191 % 5 - 2);
    EXPECT_EQ(Form1->RadioGroup21->itemIndex(), 1);   // "TrT not checked": every count 0
    // The toolbar: N, N / 6 and (N / 6 - 1) / 2.
    EXPECT_EQ(Form1->Label303->text() + " " + Form1->Label449->text() + " " + Form1->Label450->text(), "192 32 15");

    // The grid: index, six key words, the centre's sign under "d", the count under "N".
    const StringGrid* grid = Form1->StringGrid11;
    EXPECT_EQ(grid->rowCount(), 193);
    EXPECT_EQ(grid->cell(1, 33), "-y");   // record 32 = 1 * (0 0 0 0 0 0)
    // Record i of block b has centre cell b: "-1" for blocks 0 to 2, "+1" from 3.
    EXPECT_EQ(grid->cell(0, 96) + grid->cell(4, 96) + grid->cell(7, 96), "95-z-1");
    EXPECT_EQ(grid->cell(0, 97) + grid->cell(4, 97) + grid->cell(7, 97), "96+x+1");
    EXPECT_EQ(grid->cell(8, 192), "0");   // the count of record 191

    ttHitCount[4] = 99;   // changed in memory only
    ttRecordCount = 3;
    open("");
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(ttFileName1d, file);
    EXPECT_EQ(ttRecordCount, 192);
    EXPECT_EQ(ttHitCount[4], 0);

    ttHitCount[7] = 1;   // one count in the file: the table has been checked
    ASSERT_EQ(WriteListToTableFile(file, 6), TableFileStatus::Ok);
    open("");
    EXPECT_EQ(Form1->RadioGroup21->itemIndex(), 2);
}

TEST_F(TForm1Tables1dTest, OpenTicksTheBoxesOfDistancesOneToSix)
{
    ttRecordCount = 6;   // a four-point table of mask (33,1): left distances 1 and 6, right 1
    const std::string file = path("RT/R3_3301.dat");
    ASSERT_TRUE(CreateEmptyFile(file));
    ASSERT_EQ(WriteListToTableFile(file, 4), TableFileStatus::Ok);
    Form1->CheckBox7->setChecked(true);
    open(file);
    EXPECT_TRUE(messages_.empty());
    EXPECT_TRUE(Form1->CheckBox8->isChecked());
    EXPECT_FALSE(Form1->CheckBox7->isChecked());
    EXPECT_TRUE(Form1->CheckBox14->isChecked());
    EXPECT_EQ(mask1dLeftBits, 33);
    EXPECT_EQ(mask1dPointCount, 4);
    EXPECT_EQ((std::vector<int32_t>(mask1dOffsets, mask1dOffsets + 4)), (std::vector<int32_t>{-6, -1, 0, 1}));
}

TEST_F(TForm1Tables1dTest, TheTwoDimensionalClearWaitsForNprZero)
{
    // Button170 with "Npr=0" off keeps the tables; clear-all, and Button170 with it on, empty them.
    for (const auto& [npr0, button, clears] : {std::tuple{false, Form1->Button170, false},
                                               {false, Form1->Button163, true}, {true, Form1->Button170, true}}) {
        ttRecordCount = 12;
        tt6Used[5] = tt7Used[5] = 1;
        tt6Value[5] = 3;
        Form1->CheckBox58->setChecked(npr0);
        button->click();
        EXPECT_EQ(ttRecordCount, clears ? 0 : 12);
        EXPECT_EQ(tt6Used[5] + tt7Used[5], clears ? 0 : 2);
        EXPECT_EQ(tt6Value[5], clears ? kEmptyKeyValue : 3);
    }
}

TEST_F(TForm1Tables1dTest, BadFilesAndNamesAreRefusedAndNothingChanges)
{
    const std::string good = openClosedTable73();
    // A short file, a missing one, a name of no mask and a name whose count does not fit its mask.
    ASSERT_TRUE(WriteWholeFile(path("RT/R4_0701.dat"), std::vector<uint8_t>{5, 0, 0, 0, 1, 2, 3}));
    for (const char* name : {"table.dat", "R5_0701.dat"}) ASSERT_TRUE(CreateEmptyFile(path("RT/") + name));
    for (const char* name : {"R4_0701.dat", "R5_1503.dat", "table.dat", "R5_0701.dat"}) {
        SCOPED_TRACE(name);
        messages_.clear();
        open(path(std::string("RT/") + name));
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(ttFileName1d, good);
        EXPECT_EQ(mask1dLeftBits, 7);
        EXPECT_EQ(ttRecordCount, 192);
        if (name == std::string("R4_0701.dat")) {   // the short file names the mask it was read with
            EXPECT_NE(messages_[0].text.indexOf("(7,1) of 5 points"), -1);
        }
    }
}

TEST_F(TForm1Tables1dTest, AFileTheFarBoxesWouldMisreadLeavesTableMaskAndPathTogether)
{
    const std::string good = openClosedTable73();
    Form1->CheckBox9->setChecked(true);   // left distance 7 (view "Extended"): a seven-point mask
    const std::vector<int32_t> offsets(mask1dOffsets, mask1dOffsets + 10);
    const int32_t points = mask1dPointCount;
    ASSERT_EQ(points, 7);
    const std::string other = path("other/R5_0703.dat");   // a sound six-point table elsewhere
    ASSERT_TRUE(CreateEmptyFile(other));
    ASSERT_EQ(WriteListToTableFile(other, 6), TableFileStatus::Ok);
    ttRecordCount = 186;

    open(other);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].text.indexOf("(71,3) of 7 points"), -1) << firstMessage();
    EXPECT_EQ(ttFileName1d, good);
    EXPECT_EQ(mask1dPointCount, points);
    EXPECT_EQ(std::vector<int32_t>(mask1dOffsets, mask1dOffsets + 10), offsets);
    EXPECT_EQ(ttRecordCount, 186);
    EXPECT_TRUE(Form1->CheckBox9->isChecked());

    Form1->CheckBox9->setChecked(false);  // without the far box the same file opens
    open(other);
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_EQ(ttFileName1d, other);
    EXPECT_EQ(ttRecordCount, 192);
}

TEST_F(TForm1Tables1dTest, AFreshProgramGeneratesIntoAnOpenedTableWithoutAFalseContradiction)
{
    const std::string file = openClosedTable73();
    Form1->Button204->click();
    for (int i = 0; i < 120 && Form1->Timer17->enabled() && Form1->Label353->text() != "1"; ++i)
        Timer::fireForTest(*Form1->Timer17);
    EXPECT_TRUE(messages_.empty()) << firstMessage();
    ASSERT_EQ(Form1->Label353->text(), "1");
    EXPECT_EQ(BytesOf(file).size(), size_t(4 + ttRecordCount * (6 + 8)));
    Form1->Button211->click();
}

TEST_F(TForm1Tables1dTest, CheckPassesAClosedTableAndStopsAChangedOneWithItsVerdict)
{
    const std::string file = openClosedTable73();
    Form1->Button200->click();
    EXPECT_TRUE(messages_.empty());
    TableFileContent content;   // the counts are written, and the export beside the table
    ASSERT_EQ(ReadTableFile(file, 6, content), TableFileStatus::Ok);
    EXPECT_EQ(content.counts, std::vector<int32_t>(ttHitCount, ttHitCount + 192));
    EXPECT_GT(*std::max_element(content.counts.begin(), content.counts.end()), 0);
    EXPECT_EQ(ReadWholeFile(path("RT/R5_0703.txt"))->size(), 32u * (21 + 4 * 6 + 2));
    EXPECT_EQ(Form1->lblCheckN->text() + " " + Form1->lblCheckPoints->text() + " " + Form1->lblCheckReach->text(),
              "192 6 6");

    // "/6" (checked) starts placements from block 0 only; unchecked, from every block.
    const auto total = [] { return std::accumulate(ttHitCount, ttHitCount + ttRecordCount, int64_t(0)); };
    const int64_t fromFirstBlock = total();
    Form1->CheckBox68->setChecked(false);
    Form1->Button200->click();
    EXPECT_EQ(total(), 6 * fromFirstBlock);

    const int32_t block = ttRecordCount / 6;
    std::swap_ranges(ttKeys[block + 5], ttKeys[block + 5] + 6, ttKeys[2 * block + 5]);
    Form1->Button200->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "IS UNLOCKED");

    LayTable(AllKeysOver({0, 3}, 6, 3), 6);   // keys whose conjugates are missing
    Form1->Button200->click();
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[1].text, "IS OOOOOOOOOOO");
}

// A check that has run for 0.3 s paints its progress in the status bar as it
// goes, while its click is still running: each text painted then is a progress
// text of the check (for six points the start record), the last one it set stays.
TEST_F(TForm1Tables1dTest, ALongCheckPaintsItsProgressInTheStatusBarAsItGoes)
{
    openClosedTable73();
    Form1->CheckBox68->setChecked(false);   // every start record
    const QStringList painted = StatusTextsPaintedDuring([] { Form1->Button200->click(); });
    ASSERT_GE(painted.size(), 2);
    int previous = -1;
    for (const QString& text : painted) {
        bool number = false;
        const int start = text.toInt(&number);
        EXPECT_TRUE(number && start >= previous && start < ttRecordCount) << text.toStdString();
        previous = start;
    }
    EXPECT_EQ(Form1->StatusBar1->simpleText(), QString::number(ttRecordCount - 1));
}

TEST_F(TForm1Tables1dTest, PerestanShowsTheSubstitutionOfTheSixElements)
{
    Form1->Button160->click();
    EXPECT_EQ(Form1->Label384->text() + Form1->Label385->text() + Form1->Label386->text() + Form1->Label387->text() +
                  Form1->Label388->text() + Form1->Label389->text(),
              "354021");
}

TEST_F(TForm1Tables1dTest, RefusalsSayWhyAndChangeNothing)
{
    const std::string file = openClosedTable73();
    const auto before = BytesOf(file);
    mask1dPointCount = 7;   // the mask changed, the path did not: nothing is written
    Form1->Button231->click();
    ASSERT_EQ(messages_.size(), 1u);
    mask1dPointCount = 6;

    ttRecordCount = 5;
    ttHitCount[2] = 7;
    Form1->Button200->click();
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_NE(messages_[1].text.indexOf("at least 6"), -1);
    EXPECT_EQ(ttHitCount[2], 7);
    EXPECT_EQ(BytesOf(file), before);
    EXPECT_FALSE(std::filesystem::exists(path("RT/R5_0703.txt")));
}

TEST_F(TForm1Tables1dTest, ASaveOnAFullDiskKeepsTheTableAndItsExportAndSaysSo)
{
    const std::string file = openClosedTable73();
    Form1->Button200->click();   // counts, table file and export written
    const auto table = BytesOf(file), text = BytesOf(path("RT/R5_0703.txt"));
    ASSERT_FALSE(text.empty());
    messages_.clear();
    std::fill_n(ttHitCount, ttRecordCount, 3);
    {
        FileSizeLimit fullDisk(1000);
        Form1->Button233->click();   // "1/6 => All" writes the table
        Form1->Button236Click();     // "Save to XLS"
    }
    ASSERT_EQ(messages_.size(), 2u);
    for (const MessageRecord& m : messages_) EXPECT_NE(m.text.indexOf("keeps its previous content"), -1);
    EXPECT_EQ(BytesOf(file), table);
    EXPECT_EQ(BytesOf(path("RT/R5_0703.txt")), text);
}

} // namespace
