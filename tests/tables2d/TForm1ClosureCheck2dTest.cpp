// "Check TT 2 dim" with its range and counts reset, "1/6 => All" and the
// six-point harvest and check, driven through the main window.
#include "Tables2dTestSupport.h"

#include "base/NumberEntry.h"
#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables2d/ClosureCheck2d.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/TableFile2d.h"

#include <filesystem>
#include <fstream>
#include <numeric>

using namespace table2dtest;
using tabletest::Key;

namespace {

class TForm1ClosureCheck2dTest : public Window2dTest {
protected:
    static void layClosedTable() { tabletest::LayTable(KeysWithEqualCells24({0, 4}), 6); }
    std::vector<int32_t> counts() const { return std::vector<int32_t>(ttHitCount, ttHitCount + ttRecordCount); }
    int64_t countSum() const { return std::accumulate(ttHitCount, ttHitCount + ttRecordCount, int64_t(0)); }
    TableFileContent readTable(const std::string& file, int k)
    {
        TableFileContent content;
        EXPECT_EQ(ReadTableFile(file, k, content), TableFileStatus::Ok) << file;
        return content;
    }
    std::vector<std::string> exportLines()
    {
        std::ifstream in(ttFileName2d.substr(0, ttFileName2d.size() - 3) + "txt", std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
};

TEST_F(TForm1ClosureCheck2dTest, AClosedTableIsCountedStoredExportedAndMarkedChecked)
{
    ASSERT_EQ(mask2dPointCount, 6);   // "Cross +1" at start, "Npr=0" and "/6" checked
    layClosedTable();
    const int32_t n = ttRecordCount, limit = n / 6;
    Form1->Button221->click();
    ASSERT_TRUE(messages_.empty()) << firstMessage();
    EXPECT_GT(countSum(), 0);
    EXPECT_EQ(Form1->Label455->text(), "6");
    EXPECT_EQ(Form1->lblTraceRecordCount->text(), QString::number(n));   // hidden, written at the start
    EXPECT_EQ(Form1->RadioGroup22->itemIndex(), 2);   // "TrT is CHECKED "
    // The range follows the fresh check; the edits keep their texts.
    EXPECT_EQ(checkFromRecord, 0);
    EXPECT_EQ(checkToRecord, limit);
    EXPECT_EQ(Form1->Edit69->text(), "100");
    // Six points report per record at point 1; the last start record ends with record N - 1 there.
    EXPECT_EQ(Form1->StatusBar1->simpleText(), QString("(%1) %2  %3  ").arg(limit).arg(limit - 1).arg(n - 1));

    const TableFileContent stored = readTable(ttFileName2d, 6);
    EXPECT_EQ(stored.counts, counts());
    EXPECT_EQ(Form1->StringGrid12->cell(8, 1), QString::number(ttHitCount[0]));
    const std::vector<std::string> lines = exportLines();
    ASSERT_EQ(int32_t(lines.size()), limit);
    EXPECT_EQ(lines[0], "    0    -x  -x  -x  -x  -x  -x  -1 " + FormatInt(ttHitCount[0], 9) + "\r");

    // With the one-dimensional toolbar the copy and the export still take the mask's six cells.
    const std::vector<int32_t> fresh = counts();
    Form1->ShowOneDimToolbar();
    Form1->Button221->click();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(counts(), fresh);
    EXPECT_EQ(int32_t(exportLines().size()), limit);

    // "Save to XLS" in two-dimensional mode exports the two-dimensional table.
    std::filesystem::remove(ttFileName2d.substr(0, ttFileName2d.size() - 3) + "txt");
    Form1->ShowTwoDimToolbar();
    Form1->Button236Click();
    EXPECT_EQ(exportLines(), lines);
}

TEST_F(TForm1ClosureCheck2dTest, ABrokenTableStopsWithItsVerdictAndKeepsItsCounts)
{
    layClosedTable();
    const int32_t block = ttRecordCount / 6;
    std::swap_ranges(ttKeys[block + 1], ttKeys[block + 1] + 6, ttKeys[2 * block + 1]);
    Form1->CheckBox68->setChecked(false);   // every record starts
    Form1->Button221->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "IS UNLOCKED");
    EXPECT_EQ(messages_[0].caption, "Warning");
    // The counts reached before the failure are stored.
    EXPECT_EQ(readTable(ttFileName2d, 6).counts, counts());
    EXPECT_EQ(Form1->RadioGroup22->itemIndex(), countSum() != 0 ? 2 : 1);
}

TEST_F(TForm1ClosureCheck2dTest, ChecksByRangeAddUpAndTheResetStartsANewSeries)
{
    layClosedTable();
    const int32_t n = ttRecordCount, limit = n / 6;
    Form1->Button221->click();
    const std::vector<int32_t> whole = counts();

    Form1->CheckBox58->setChecked(false);   // "Npr=0" off
    Form1->Button235->click();
    EXPECT_EQ(countSum(), 0);
    EXPECT_EQ(Form1->RadioGroup22->itemIndex(), 1);
    EXPECT_EQ(readTable(ttFileName2d, 6).counts, counts());

    Form1->Edit68->setText("abc");   // 0
    Form1->Edit69->setText("3");
    Form1->Button221->click();
    Form1->Edit68->setText("3");
    Form1->Edit69->setText(QString::number(limit));
    Form1->Button221->click();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(counts(), whole);
    EXPECT_EQ(readTable(ttFileName2d, 6).counts, whole);
    EXPECT_EQ(checkFromRecord, 3);

    // FROM not below TO places nothing and stores the list as it is.
    Form1->Edit68->setText("-5");
    EXPECT_EQ(checkFromRecord, -5);
    Form1->Edit69->setText("-7");
    Form1->Button221->click();
    EXPECT_EQ(counts(), whole);

    // A range past the capacity is cut at it: rows from N on (zeros) start placements and end the check.
    Form1->Edit68->setText(QString::number(n - 1));
    Form1->Edit69->setText("20000");
    Form1->Button221->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "IS UNLOCKED");

    // The reset clears six times N counts, never past the list's capacity.
    std::fill(ttHitCount, ttHitCount + kTableCapacity, 9);
    Form1->Button235->click();
    EXPECT_EQ(std::count(ttHitCount, ttHitCount + kTableCapacity, 0), std::min(6 * n, kTableCapacity));
    EXPECT_EQ(Form1->Edit68->text(), QString::number(n - 1));
}

TEST_F(TForm1ClosureCheck2dTest, FivePointsIgnoreTheRangeAndAlwaysStartAfresh)
{
    Form1->RadioGroup20->setItemIndex(0);
    ASSERT_EQ(mask2dPointCount, 5);
    tabletest::LayTable(tabletest::AllKeysOver({0, 4}, 5, 0), 5);
    Form1->Button221->click();
    const std::vector<int32_t> whole = counts();
    ASSERT_GT(countSum(), 0);

    Form1->CheckBox58->setChecked(false);
    Form1->Edit68->setText("2");
    Form1->Edit69->setText("3");
    std::fill(ttHitCount, ttHitCount + ttRecordCount, 5);
    Form1->Button221->click();
    EXPECT_EQ(counts(), whole);
    EXPECT_EQ(checkToRecord, 3);
    // Stored to the table path, and by the writer to "RR4.dat" as well.
    EXPECT_EQ(readTable(ttFileName2d, 5).counts, whole);
    EXPECT_EQ(readTable((dir_ / kFivePointTableFile).string(), 5).counts, whole);
}

TEST_F(TForm1ClosureCheck2dTest, ChecksThatCannotRunSayWhyAndChangeNothing)
{
    std::filesystem::remove(ttFileName2d);
    const auto expectRefused = [&](const char* words) {
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_NE(messages_[0].text.indexOf(words), -1) << firstMessage();
        EXPECT_EQ(messages_[0].caption, "Warning");
        EXPECT_EQ(ttHitCount[0], 4);
        EXPECT_EQ(Form1->RadioGroup22->itemIndex(), 0);
        EXPECT_EQ(Form1->Label455->text(), "5");
        EXPECT_FALSE(std::filesystem::exists(ttFileName2d));
        messages_.clear();
    };
    Form1->RadioGroup22->setItemIndex(0);
    ttRecordCount = 3;   // blocks of N / 6 = 0 records
    ttHitCount[0] = 4;
    Form1->Button221->click();
    expectRefused("at least 6");

    layClosedTable();
    ttHitCount[0] = 4;
    mask2dPointCount = 9;   // as an older table handler leaves it: the geometry is of six points
    Form1->Button221->click();
    expectRefused("another point count");
    mask2dPointCount = 6;

    isTableGenerator2dRunning = 1;
    Form1->Button221->click();
    expectRefused("Stop");
    isTableGenerator2dRunning = 0;
}

TEST_F(TForm1ClosureCheck2dTest, TheExtensionSpreadsTheCountsAndWritesTheTable)
{
    // Six five-cell keys (b, b, b, b, b), b = 0..5, each counted once.
    Form1->RadioGroup20->setItemIndex(0);
    ttRecordCount = 6;
    for (int b = 0; b < 6; ++b) {
        std::fill_n(ttKeys[b], 5, uint8_t(b));
        ttHitCount[b] = 1;
    }
    Form1->Button232->click();
    EXPECT_EQ(counts(), (std::vector<int32_t>{10, 10, 9, 10, 11, 11}));
    EXPECT_EQ(readTable(ttFileName2d, 5).counts, counts());
    EXPECT_EQ(Form1->StringGrid12->cell(7, 3), "9");

    // A point count outside 5..9 changes nothing and writes nothing.
    std::filesystem::remove(ttFileName2d);
    mask2dPointCount = 4;
    Form1->Button232->click();
    EXPECT_EQ(ttHitCount[2], 9);
    EXPECT_FALSE(std::filesystem::exists(ttFileName2d));
}

TEST_F(TForm1ClosureCheck2dTest, TheSixPointHarvestEntersNormalisedWindowsTheLastWriteWinning)
{
    ASSERT_EQ(mask2dPointCount, 6);
    Form1->Button170Click();   // "Npr=0" is checked: empty tables
    // Event 1: 2s with output 5 followed by 5: key (3, ..., 3), value -5 (a reflection).
    // Event 2: 5s with output 7 followed by 2: the same key, value 7.
    LayEventPlane(1, 2, 5);
    LayEventPlane(2, 5, 7);
    LayEventPlane(3, 2, 0);
    isRunSuccessful = 1;
    growthSetup.side = 6;
    const Key threes = {3, 3, 3, 3, 3, 3};
    const int32_t index = KeyTableIndex(threes.data(), 6);

    historyRowCount = 3;   // event 1 only
    Form1->Button176Click();
    EXPECT_EQ(tt6Used[index], 1);
    EXPECT_EQ(int8_t(tt6Value[index]), -5);
    historyRowCount = 4;
    Form1->Button176Click();
    EXPECT_EQ(int8_t(tt6Value[index]), 7);

    // One normalised key, multiplied by the group, in the file of the mask and the grid.
    ASSERT_EQ(ttRecordCount, 6);
    EXPECT_EQ(ttValues[0], 7);
    EXPECT_EQ(ttKeys[4][0], GroupProduct(4, 3));
    EXPECT_EQ(readTable(ttFileName2d, 6).recordCount, 6);
    EXPECT_EQ(Form1->StringGrid12->cell(1, 1), "+x");

    // Under a mask of another point count its file would get keys of the wrong length.
    Form1->RadioGroup20->setItemIndex(2);
    const std::string sevenPoints = ttFileName2d;
    Form1->Button176Click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].text.indexOf("six key cells"), -1);
    EXPECT_FALSE(std::filesystem::exists(sevenPoints));
}

TEST_F(TForm1ClosureCheck2dTest, TheOlderSixPointCheckWritesBothFilesAndItsLabels)
{
    // Record 171 b holds (b, ..., b), the other rows never fit: each placement is one record six times.
    tabletest::LayPaddedTable({Key{}}, 6, 171);
    Form1->CheckBox68->setChecked(false);   // every record starts
    Form1->Button175Click();
    EXPECT_TRUE(messages_.empty());
    // Count cells 0..16 are the search's counters; found records above 16 are counted.
    EXPECT_EQ(ttHitCount[0], 1026);
    EXPECT_EQ(ttHitCount[1], 1026 * 1026);
    EXPECT_EQ(ttHitCount[5], 6 * 1026);
    EXPECT_EQ(ttHitCount[15], 6);
    EXPECT_EQ(ttHitCount[6] + ttHitCount[16], 0);
    EXPECT_EQ(ttHitCount[171] + ttHitCount[855], 2);
    EXPECT_EQ(Form1->Label434->text() + " " + Form1->Label440->text(), "6 1026");   // f after its last loop
    // Both files get the 1026 records of six key cells.
    EXPECT_EQ(std::filesystem::file_size(dir_ / "RT/RTTkrP1M1.dat"), 4u + 1026u * 14u);
    EXPECT_EQ(std::filesystem::file_size(ttFileName2d), 4u + 1026u * 14u);

    // Record 1 holding (2, ..., 2) composes (0, ..., 0), which the copy files under block 0, not 2.
    std::fill_n(ttKeys[1], 6, uint8_t(2));
    Form1->Button175Click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "IS 000000000");
    EXPECT_EQ(Form1->Label429->text() + Form1->Label435->text() + Form1->Label440->text(), "011");
    messages_.clear();

    Form1->RadioGroup20->setItemIndex(3);
    Form1->Button175Click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].text.indexOf("six key cells"), -1);
}

} // namespace
