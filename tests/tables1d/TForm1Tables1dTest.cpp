// The one-dimensional table commands of the main window: opening a table
// through the File menu, the closure check, "1/6 => All", the writer's guard
// and the refusals that leave the table as it was.
#include "TableTestSupport.h"
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "engine/BinaryFile.h"
#include "engine/Mask1d.h"
#include "engine/ProgramDir.h"
#include "tables1d/TableFile.h"
#include "tables1d/TableRecords.h"
#include "widgets/Dialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

using namespace tabletest;

namespace {

class TForm1Tables1dTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        CreateWindows();
        Form1->show_();
        programDir = dir_.string() + "/";
        SetMessageRecorder(&messages_);
        SetFileDialogAnswers(&answers_);
    }
    void TearDown() override
    {
        SetMessageRecorder(nullptr);
        SetFileDialogAnswers(nullptr);
        TempDirTest::TearDown();
    }

    // A table file of the mask (7,3) holding the closed table over {0, 4}.
    std::string writeClosedTable73()
    {
        LayTable(AllKeysOver({0, 4}, 6, 3), 6);
        for (int32_t i = 0; i < ttRecordCount; ++i) {
            ttValues[i] = i % 5 - 2;
            ttHitCount[i] = 0;
        }
        const std::string file = path("RT/R5_0703.dat");
        EXPECT_TRUE(CreateEmptyFile(file));
        EXPECT_EQ(WriteListToTableFile(file, 6), TableFileStatus::Ok);
        return file;
    }

    void open(const std::string& answer)
    {
        answers_.push_back(QString::fromStdString(answer));
        Form1->OpenTT1dim1->trigger();
    }

    std::vector<uint8_t> bytesOf(const std::string& file) { return ReadWholeFile(file).value_or(std::vector<uint8_t>{}); }

    std::vector<MessageRecord> messages_;
    std::deque<QString> answers_;
};

TEST_F(TForm1Tables1dTest, OpenRebuildsTheMaskFromTheNameAndLoadsTheTable)
{
    const std::string file = writeClosedTable73();
    const auto before = bytesOf(file);
    ttRecordCount = 0;
    Form1->CheckBox17->setChecked(true);   // right distance 4: not in (7,3)

    open(file);
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(ttFileName1d, file);
    EXPECT_EQ(Form1->Label454->text().toStdString(), file);
    EXPECT_EQ(mask1dPointCount, 6);
    EXPECT_EQ(mask1dLeftBits, 7);
    EXPECT_EQ(mask1dRightBits, 3);
    EXPECT_EQ(mask1dCentreIndex, 3);
    EXPECT_TRUE(Form1->CheckBox3->isChecked() && Form1->CheckBox4->isChecked() && Form1->CheckBox5->isChecked());
    EXPECT_FALSE(Form1->CheckBox6->isChecked());
    EXPECT_TRUE(Form1->CheckBox14->isChecked() && Form1->CheckBox15->isChecked());
    EXPECT_FALSE(Form1->CheckBox16->isChecked());
    EXPECT_FALSE(Form1->CheckBox17->isChecked());
    EXPECT_EQ(Form1->Label107->text(), "7");
    EXPECT_EQ(Form1->Label545->text(), "3");
    EXPECT_EQ(Form1->Label453->text(), "5");

    ASSERT_EQ(ttRecordCount, 192);
    EXPECT_EQ(ttValues[191], 191 % 5 - 2);
    EXPECT_EQ(Form1->RadioGroup21->itemIndex(), 1);   // all counts 0: "TrT not checked"
    EXPECT_EQ(Form1->Label303->text(), "192");
    EXPECT_EQ(Form1->Label449->text(), "32");
    EXPECT_EQ(Form1->Label450->text(), "15");
    EXPECT_EQ(Form1->StringGrid11->rowCount(), 193);
    EXPECT_EQ(Form1->StringGrid11->colCount(), 9);
    EXPECT_EQ(Form1->StringGrid11->cell(7, 0), "d");
    EXPECT_EQ(Form1->StringGrid11->cell(1, 33), "-y");   // record 32 = 1 * (0 0 0 0 0 0)
    EXPECT_EQ(Form1->StringGrid11->cell(7, 33), "-1");
    EXPECT_EQ(Form1->StringGrid11->colWidth(0), 38);
    EXPECT_EQ(Form1->StringGrid11->colWidth(8), 98);
    EXPECT_EQ(bytesOf(file), before);   // written back unchanged
}

TEST_F(TForm1Tables1dTest, CancelReopensTheCurrentTableAndDoesNothingWithoutOne)
{
    open("");   // nothing chosen yet
    EXPECT_TRUE(messages_.empty());
    EXPECT_TRUE(ttFileName1d.empty());

    const std::string file = writeClosedTable73();
    open(file);
    ttHitCount[4] = 99;   // changed in memory only
    ttRecordCount = 3;
    open("");
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(ttFileName1d, file);
    EXPECT_EQ(ttRecordCount, 192);
    EXPECT_EQ(ttHitCount[4], 0);
}

TEST_F(TForm1Tables1dTest, BadFilesAndNamesAreRefusedAndNothingChanges)
{
    const std::string good = writeClosedTable73();
    open(good);
    ASSERT_EQ(ttRecordCount, 192);

    const std::string garbage = path("RT/R6_0707.dat");   // seven points
    const std::string text = "no table in here, only words";
    ASSERT_TRUE(WriteWholeFile(garbage, std::vector<uint8_t>(text.begin(), text.end())));
    const std::string shortFile = path("RT/R4_0701.dat");
    ASSERT_TRUE(WriteWholeFile(shortFile, std::vector<uint8_t>{5, 0, 0, 0, 1, 2, 3}));
    const std::string wrongName = path("RT/table.dat");
    ASSERT_TRUE(CreateEmptyFile(wrongName));
    const std::string inconsistent = path("RT/R5_0701.dat");   // (7,1) has five points
    ASSERT_TRUE(CreateEmptyFile(inconsistent));

    for (const std::string& file : {garbage, shortFile, wrongName, inconsistent, path("RT/R5_1503.dat")}) {
        SCOPED_TRACE(file);
        messages_.clear();
        open(file);
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].caption, "Warning");
        EXPECT_EQ(ttFileName1d, good);
        EXPECT_EQ(mask1dPointCount, 6);
        EXPECT_EQ(mask1dLeftBits, 7);
        EXPECT_EQ(ttRecordCount, 192);
        EXPECT_FALSE(Form1->CheckBox6->isChecked());
    }
}

TEST_F(TForm1Tables1dTest, CheckOfAClosedTableCountsWritesAndExports)
{
    const std::string file = writeClosedTable73();
    open(file);
    Form1->Button200->click();
    EXPECT_TRUE(messages_.empty());
    int64_t sum = 0;
    for (int32_t i = 0; i < ttRecordCount; ++i) sum += ttHitCount[i];
    EXPECT_GT(sum, 0);

    // The counts are in the file, and reading it shows "TrT is CHECKED".
    const int32_t firstCount = ttHitCount[0];
    ttHitCount[0] = -1;
    Form1->Button234Click();
    EXPECT_EQ(ttHitCount[0], firstCount);
    EXPECT_EQ(Form1->RadioGroup21->itemIndex(), 2);
    EXPECT_EQ(Form1->StringGrid11->cell(8, 1), QString::number(firstCount));

    const auto text = ReadWholeFile(path("RT/R5_0703.txt"));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->size(), 32u * (21 + 4 * 6 + 2));
}

TEST_F(TForm1Tables1dTest, CheckStopsWithItsVerdictAndStillWritesTheCountsReached)
{
    const std::string file = writeClosedTable73();
    open(file);
    const int32_t block = ttRecordCount / 6;
    std::swap_ranges(ttKeys[block + 5], ttKeys[block + 5] + 6, ttKeys[2 * block + 5]);
    ttHitCount[0] = 1234;
    // Starting from block 0 only never places the exchanged records.
    Form1->CheckBox68->setChecked(true);
    Form1->Button200->click();
    EXPECT_TRUE(messages_.empty());
    Form1->CheckBox68->setChecked(false);
    Form1->Button200->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "IS UNLOCKED");
    EXPECT_EQ(messages_[0].caption, "Warning");
    EXPECT_NE(ttHitCount[0], 1234);
    TableFileContent content;
    ASSERT_EQ(ReadTableFile(file, 6, content), TableFileStatus::Ok);
    EXPECT_EQ(content.counts[0], ttHitCount[0]);
    EXPECT_TRUE(std::filesystem::exists(path("RT/R5_0703.txt")));

    // Keys whose conjugates are missing fail the permuted test.
    LayTable(AllKeysOver({0, 3}, 6, 3), 6);
    messages_.clear();
    Form1->Button200->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "IS OOOOOOOOOOO");
}

TEST_F(TForm1Tables1dTest, CheckOfFewerThanSixRecordsSaysWhyAndChangesNothing)
{
    const std::string file = writeClosedTable73();
    open(file);
    const auto before = bytesOf(file);
    ttRecordCount = 5;
    ttHitCount[2] = 7;
    Form1->Button200->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].caption, "Warning");
    EXPECT_NE(messages_[0].text.indexOf("at least 6"), -1);
    EXPECT_EQ(ttHitCount[2], 7);
    EXPECT_EQ(bytesOf(file), before);
    EXPECT_FALSE(std::filesystem::exists(path("RT/R5_0703.txt")));
}

TEST_F(TForm1Tables1dTest, ExtensionCombinesCountsOverTheGroupAndWritesThem)
{
    const std::string file = writeClosedTable73();
    open(file);
    std::fill(ttHitCount, ttHitCount + ttRecordCount, 0);
    ttHitCount[0] = 1;   // record 0 of the orbit of the all-zero key
    Form1->Button233->click();
    const int32_t block = ttRecordCount / 6;
    for (int b = 0; b < 6; ++b) EXPECT_EQ(ttHitCount[b * block], 1) << b;
    EXPECT_EQ(ttHitCount[1], 0);
    TableFileContent content;
    ASSERT_EQ(ReadTableFile(file, 6, content), TableFileStatus::Ok);
    EXPECT_EQ(content.counts[5 * block], 1);
}

TEST_F(TForm1Tables1dTest, WriteRefusesAPathForAnotherPointCount)
{
    const std::string file = writeClosedTable73();
    open(file);
    const auto before = bytesOf(file);
    mask1dPointCount = 7;   // the mask changed, the path did not
    Form1->Button231->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(bytesOf(file), before);
}

TEST_F(TForm1Tables1dTest, GroupMultiplicationPastTheCapacityIsRefused)
{
    ttRecordCount = 1700;
    Form1->Button181Click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(ttRecordCount, 1700);
    ttRecordCount = 2;
    Form1->Button181Click();
    EXPECT_EQ(ttRecordCount, 12);
}

TEST_F(TForm1Tables1dTest, ExportThatCannotBeCreatedIsReported)
{
    const std::string file = writeClosedTable73();
    open(file);
    // A folder where the export file would go.
    std::filesystem::create_directories(path("RT/R5_0703.txt"));
    Form1->Button236Click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].text.indexOf("could not be written"), -1);
}

TEST_F(TForm1Tables1dTest, ClearsEmptyTheTablesAndTheTwoDimensionalClearObeysNpr0)
{
    ttRecordCount = 12;
    Form1->CheckBox58->setChecked(false);
    Form1->Button170Click();
    EXPECT_EQ(ttRecordCount, 12);
    Form1->Button163->click();
    EXPECT_EQ(ttRecordCount, 0);
}

} // namespace
