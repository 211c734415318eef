// The harvests of seven to nine points: files, grid, "TT 2d", and refusals.
#include "Tables2dTestSupport.h"

#include "base/ResolutionProbe.h"
#include "mask2d/Mask2dPath.h"
#include "tables1d/TableGenerator.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/HarvestListing.h"
#include "tables2d/TForm1GrowthRunEnd.h"
#include "tables2d/TableFile2d.h"
#include "widgets/StringGrid.h"

using namespace table2dtest;

namespace {

class TForm1NormalisedHarvestTest : public Window2dTest {
protected:
    // A finished run on a 3 x 3 torus: one window event of 0s but 4 at (0, 0) and 5 at
    // (0, 1), followed by the identity with output 3.
    void layRun(int item)
    {
        Form1->RadioGroup20->setItemIndex(item);
        growthSetup = MakeGrowthSetup(3, item);
        historyRowCount = 3;
        LayEventPlane(1, 0, 3);
        LayEventPlane(2, 0, 0);
        growthEventElement1[1][0][0] = 4;
        growthEventElement1[1][0][1] = 5;
        isRunSuccessful = 1;
    }
    static std::optional<TableFileContent> ReadBack(int cells)
    {
        TableFileContent content;
        if (ReadTableFile(ttFileName2d, cells, content) != TableFileStatus::Ok) return std::nullopt;
        return content;
    }
};

TEST_F(TForm1NormalisedHarvestTest, EachMaskHarvestsIntoTheTableFileOfItsPointCount)
{
    for (const int item : {2, 3, 4}) {
        const int n = 5 + item;
        layRun(item);
        ASSERT_EQ(Table2dPathPointCount(ttFileName2d), n);
        Form1->HarvestGrowthRun();
        ASSERT_TRUE(messages_.empty()) << firstMessage();
        const int32_t keys = harvestClassCount[0];
        ASSERT_GE(keys, 2) << n;
        EXPECT_EQ(Form1->Label379->text(), QString::number(6 * keys));
        const std::optional<TableFileContent> file = ReadBack(n);
        ASSERT_TRUE(file) << n;
        ASSERT_EQ(file->recordCount, 6 * keys);
        // Block 1 = block 0 multiplied by 1; only seven points keep values; no counts.
        for (int p = 0; p < n; ++p)
            EXPECT_EQ(file->keys[size_t(keys + 1) * size_t(n) + size_t(p)], GroupProduct(1, file->keys[size_t(n) + p]));
        EXPECT_EQ(file->values[0], n == 7 ? 3 : 0) << n;
        EXPECT_EQ(std::count(file->counts.begin(), file->counts.end(), 0), 6 * keys);

        StringGrid* grid = Form1->StringGrid12;
        EXPECT_EQ(grid->rowCount(), 6 * keys + 1);
        EXPECT_EQ(grid->colCount(), n + 3);
        EXPECT_EQ(grid->cell(n + 1, 1 + 5 * keys), "+1");   // block 5: key cell 0 is 5 * cell >= 3
    }
}

// The harvested keys are resolution table 1: its rows are as wide as the keys,
// whatever width an earlier builder left.
TEST_F(TForm1NormalisedHarvestTest, EveryHarvestGivesResolutionTableOneTheWidthOfItsKeys)
{
    for (const int item : {0, 1, 2, 3, 4}) {
        const int k = 5 + item;
        rt1Width = 3;   // as a (1,1) builder left it
        layRun(item);
        Form1->HarvestGrowthRun();
        ASSERT_TRUE(messages_.empty()) << firstMessage();
        ASSERT_GT(harvestClassCount[0], 0) << k;
        EXPECT_EQ(rt1Width, k);
    }
}

TEST_F(TForm1NormalisedHarvestTest, TTd2HarvestsNinePointTablesFromItsRuns)
{
    Form1->RadioGroup20->setItemIndex(4);   // "Cross +4", torus 8 x 8
    Form1->CheckBox61->setChecked(true);    // random seeding
    Form1->Button214->click();
    runChain(40 * 300, [] { return harvestClassCount[0] > 0 && !IsGrowthRunEnding(); });
    ASSERT_TRUE(messages_.empty()) << firstMessage();
    const int32_t keys = harvestClassCount[0];
    ASSERT_GT(keys, 0);
    EXPECT_EQ(std::filesystem::file_size(ttFileName2d), size_t(4 + 6 * keys * 17));
    EXPECT_EQ(Form1->StringGrid12->colCount(), 12);
    EXPECT_TRUE(Form1->Timer18->enabled());
    Form1->Button215->click();
}

// At the capacity "TT 2d" stops; the list and the table file keep the last
// table that fitted, also when a new start had emptied the file.
TEST_F(TForm1NormalisedHarvestTest, AtCapacityTheTableFileKeepsTheLastTableThatFitted)
{
    Form1->RadioGroup20->setItemIndex(1);   // "Cross +1", torus 6 x 6, random seeding
    Form1->CheckBox61->setChecked(true);
    Form1->Button214->click();
    runChain(40 * 300, [] { return harvestClassCount[0] > 0 && !IsGrowthRunEnding(); });
    const int32_t records = ttRecordCount;
    for (int32_t index = 0; index <= kGeneratorMaxKeys; ++index) MarkNormalisedKey(6, index);
    for (int start = 1; start <= 2; ++start) {   // the chain that wrote the table, then a new start
        if (start == 2) Form1->Button214->click();
        messages_.clear();
        runChain(40 * 300, [] { return false; });
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_NE(messages_[0].text.indexOf("the table list and its file keep the last table"), -1);
        EXPECT_EQ(isTableGenerator2dRunning, 0);
        EXPECT_TRUE(ttRecordCount == records && tabletest::FileHoldsList(ttFileName2d, 6));
    }
}

TEST_F(TForm1NormalisedHarvestTest, AHarvestThatWouldSpoilTheListOrAFileIsRefused)
{
    // More keys than the list holds: the generator stops, list and file stay.
    layRun(3);
    Form1->Button214->click();
    ASSERT_EQ(isTableGenerator2dRunning, 1);
    for (int32_t index = 0; index <= kGeneratorMaxKeys; ++index) MarkNormalisedKey(8, index * 5);
    ttRecordCount = 4;
    Form1->Button223Click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(isTableGenerator2dRunning, 0);
    EXPECT_FALSE(Form1->Timer18->enabled());
    EXPECT_EQ(ttRecordCount, 4);
    EXPECT_EQ(std::filesystem::file_size(ttFileName2d), 0u);
    EXPECT_NE(messages_[0].text.indexOf("holds none"), -1);   // none before the start either

    // Nine-point keys into a seven-point mask's file: nothing entered or written.
    layRun(2);
    const std::string sevenPointFile = ttFileName2d;
    Form1->Button224Click();
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(ListNormalisedKeys(9, kTableCapacity), 0);
    EXPECT_FALSE(std::filesystem::exists(sevenPointFile));

    // A run that did not end well harvests nothing, silently.
    isRunSuccessful = 0;
    Form1->Button219Click();
    EXPECT_EQ(messages_.size(), 2u);
    EXPECT_EQ(ListNormalisedKeys(7, kTableCapacity), 0);
}

} // namespace
