// File > "Open TT (2 dim.)": the mask rebuilt from the name, bad files refused.
#include "Tables2dTestSupport.h"

#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "tables2d/TableFile2d.h"
#include "tables2d/TwoDimState.h"

using namespace table2dtest;

namespace {

class TForm1OpenTable2dTest : public Window2dTest {
protected:
    // A table file of k key cells; record r has cells r % 6, value -r, count counts[r] or 0.
    std::string writeTable(const std::string& relative, int k, int32_t records, std::vector<int32_t> counts = {})
    {
        ttRecordCount = records;
        for (int32_t r = 0; r < records; ++r) {
            std::fill_n(ttKeys[r], k, uint8_t(r % 6));
            ttValues[r] = -r;
            ttHitCount[r] = r < int32_t(counts.size()) ? counts[r] : 0;
        }
        const std::string file = path(relative);
        EXPECT_EQ(WriteTable2dFile(file, k), TableFileStatus::Ok);
        ttRecordCount = 0;
        return file;
    }
    void open(const std::string& answer)
    {
        answers_.push_back(QString::fromStdString(answer));
        Form1->OpenTT2dim1->trigger();
    }
};

TEST_F(TForm1OpenTable2dTest, OpeningATableRebuildsItsMaskAndShowsIt)
{
    Form1->ShowOneDimToolbar();
    const std::string file = writeTable("RT2/T5_-1+1.dat", 6, 12, {0, 0, 0, 1});
    open(file);
    ASSERT_TRUE(messages_.empty()) << firstMessage();
    EXPECT_TRUE(isTwoDimMode == 1 && Form1->Button214->isVisibleTo(Form1));
    EXPECT_EQ(Form1->RadioGroup20->itemIndex(), 1);
    EXPECT_TRUE(mask2dPointTables[1][5].x == -1 && mask2dPointTables[1][5].y == 1);
    EXPECT_EQ(mask2dPointCount, 6);
    EXPECT_EQ(Form1->Label513->text(), "5_-1+1");
    EXPECT_EQ(ttFileName2d, file);
    ASSERT_EQ(ttRecordCount, 12);
    EXPECT_EQ(Form1->Label441->text() + Form1->Label452->text(), "20");
    EXPECT_EQ(Form1->RadioGroup22->itemIndex(), 2);   // "TrT is CHECKED "
    StringGrid* grid = Form1->StringGrid12;
    EXPECT_EQ(grid->rowCount(), 13);
    EXPECT_EQ(grid->cell(1, 5) + grid->cell(7, 5) + grid->cell(8, 4), "+y+11");   // records 4 and 3

    // Nine points: each extra point also goes into the lower tables that have it.
    open(writeTable("RT2/T8_-1+1_+1-1_+0+2_-2+0.dat", 9, 6));
    ASSERT_TRUE(messages_.empty()) << firstMessage();
    EXPECT_EQ(Form1->RadioGroup20->itemIndex(), 4);
    const Mask2dPoint expected[4] = {{-1, 1}, {1, -1}, {0, 2}, {-2, 0}};
    for (int m = 0; m < 4; ++m)
        for (int table = 1 + m; table <= 4; ++table)
            EXPECT_TRUE(mask2dPointTables[table][5 + m].x == expected[m].x &&
                        mask2dPointTables[table][5 + m].y == expected[m].y)
                << table << " " << m;
    EXPECT_EQ(ttRecordCount, 6);
    EXPECT_EQ(Form1->RadioGroup22->itemIndex(), 1);   // "TrT is no checked"

    ttRecordCount = 2;
    open("");   // cancelled: the table of the current path is read again
    EXPECT_EQ(ttRecordCount, 6);
}

TEST_F(TForm1OpenTable2dTest, BadTableFilesAreRefusedAndNothingChanges)
{
    const std::string good = writeTable("RT2/T5_-1+1.dat", 6, 12);
    open(good);
    const QString shownPath = Form1->Label12->text();
    // Empty, short, a key cell 6 (the reader's every refusal is tested on its own).
    const std::vector<std::vector<uint8_t>> badContents = {
        {}, {2, 0, 0, 0, 1, 2, 3}, {1, 0, 0, 0, 1, 2, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0}};
    const std::string bad = path("RT2/T5_+1+1.dat");
    for (size_t b = 0; b < badContents.size(); ++b) {
        ASSERT_TRUE(WriteWholeFile(bad, badContents[b]));
        open(bad);
        ttFileName2d = bad;
        Form1->Button220Click();   // the reader on its own refuses it too
        EXPECT_EQ(messages_.size(), 2 * b + 2) << b;
        EXPECT_EQ(mask2dPointTables[1][5].x, -1) << b;
        EXPECT_EQ(ttRecordCount, 12) << b;
        EXPECT_EQ(Form1->Label12->text(), shownPath) << b;
        ttFileName2d = good;
    }
}

} // namespace
