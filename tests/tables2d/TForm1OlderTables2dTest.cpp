// The older table tools: the six-point conversion, the five-point table and its
// symmetry count, the dormant Timer15, the "Mask crest" lookup, "Randomize".
#include "Tables2dTestSupport.h"

#include "base/Random.h"
#include "engine/StringState.h"
#include "mask2d/Mask2dPath.h"
#include "tables2d/CrestKeyLookup.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/TableFile2d.h"
#include "widgets/StringGrid.h"

using namespace table2dtest;

namespace {

const char* const kOlderSix = "RT2old/RTTkrP1M1.dat";
const char* const kOlderFive = "RT2/T4.dat";

class TForm1OlderTables2dTest : public Window2dTest {
protected:
    // Writes the first records of the list to file, then empties the list.
    static void WriteList(const std::string& file, int cells, int32_t records)
    {
        ttRecordCount = records;
        ASSERT_EQ(WriteTable2dFile(file, cells), TableFileStatus::Ok);
        ttRecordCount = 0;
    }
    // Missing, empty, short count, short record, a key cell 6: each reported, nothing changed.
    void expectRefused(const std::string& file, const std::function<void()>& handler, int cells)
    {
        std::vector<uint8_t> garbage(size_t(4 + cells + 8), 6);
        std::fill_n(garbage.begin(), 4, uint8_t(0));
        garbage[0] = 1;
        const std::vector<std::vector<uint8_t>> bad = {{}, {3, 0}, {1, 0, 0, 0, 1, 2}, garbage};
        const int32_t records = ttRecordCount, points = mask2dPointCount;
        const QString counter = Form1->Label303->text();
        std::filesystem::remove(file);
        for (size_t b = 0; b <= bad.size(); ++b) {
            if (b > 0) {
                ASSERT_TRUE(WriteWholeFile(file, bad[b - 1]));
            }
            const size_t before = messages_.size();
            handler();
            EXPECT_EQ(messages_.size(), before + 1) << b;
            EXPECT_EQ(ttRecordCount, records) << b;
            EXPECT_EQ(mask2dPointCount, points) << b;
            EXPECT_EQ(Form1->Label303->text(), counter) << b;
        }
    }
};

TEST_F(TForm1OlderTables2dTest, TheOlderSixPointTableGoesOnlyIntoTheFileOfASixPointMask)
{
    for (int32_t r = 0; r < 12; ++r) {
        std::fill_n(ttKeys[r], 6, uint8_t(r % 6));
        ttValues[r] = -r;
        ttHitCount[r] = r;
    }
    WriteList(kOlderSix, 6, 12);

    // A seven-point path would receive six-byte records.
    Form1->RadioGroup20->setItemIndex(2);
    Form1->Button172Click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(mask2dPointCount, 7);
    EXPECT_EQ(ttRecordCount, 0);
    EXPECT_FALSE(std::filesystem::exists(ttFileName2d));

    Form1->RadioGroup20->setItemIndex(1);
    Form1->Button172Click();
    ASSERT_EQ(messages_.size(), 1u) << messages_.back().text.toStdString();
    EXPECT_EQ(mask2dPointCount, 6);
    EXPECT_EQ(ttRecordCount, 12);
    EXPECT_EQ(ttHitCount[11] + ttValues[11], 0);
    EXPECT_EQ(Form1->Label379->text() + Form1->Label441->text() + Form1->Label452->text(), "1220");
    EXPECT_EQ(Form1->Label303->text() + Form1->Label449->text() + Form1->Label450->text(), "1220");
    EXPECT_EQ(Form1->StringGrid12->cell(8, 12), "11");
    EXPECT_EQ(ReadWholeFile(ttFileName2d), ReadWholeFile(kOlderSix));

    const std::string tableFile = ttFileName2d;
    const auto converted = ReadWholeFile(tableFile);
    mask2dPointCount = 9;
    expectRefused(kOlderSix, [] { Form1->Button172Click(); }, 6);
    EXPECT_EQ(ReadWholeFile(tableFile), converted);

    // While a generator fills the list nothing is read over it.
    ASSERT_TRUE(WriteWholeFile(kOlderSix, std::vector<uint8_t>(4, 0)));
    isTableGenerator2dRunning = 1;
    Form1->Button172Click();
    isTableGenerator2dRunning = 0;
    EXPECT_EQ(ttRecordCount, 12);
    EXPECT_FALSE(Form1->StatusBar1->simpleText().isEmpty());
}

TEST_F(TForm1OlderTables2dTest, TheSymmetryCountClassifiesTheFirstBlockOfTheOlderFivePointTable)
{
    // A first block of seven records multiplied by the group.
    const uint8_t block[7][5] = {{0, 1, 2, 3, 4}, {0, 2, 3, 4, 1}, {3, 1, 2, 3, 4}, {0, 1, 1, 1, 1},
                                 {0, 1, 1, 1, 1}, {0, 1, 2, 3, 4}, {0, 4, 3, 2, 1}};
    for (int32_t r = 0; r < 7; ++r) std::copy_n(block[r], 5, ttKeys[r]);
    ttRecordCount = 7;
    ASSERT_TRUE(MultiplyListByGroup(5));
    ttHitCount[0] = 162;
    ttHitCount[3] = 100;
    ttValues[0] = 4;
    WriteList(kOlderFive, 5, 42);

    Form1->Button184Click();
    ASSERT_TRUE(messages_.empty()) << firstMessage();
    StringGrid* grid = Form1->StringGrid12;
    EXPECT_EQ(mask2dPointCount, 5);
    EXPECT_EQ(Form1->Label303->text() + Form1->Label449->text() + Form1->Label450->text(), "4273");
    EXPECT_EQ(grid->cell(6, 1) + grid->cell(7, 1), "42");   // value, count / 81

    // Two repeated arms and a count no multiple of 81 are reported; only block 0 is classified.
    Form1->Button185Click();
    EXPECT_EQ(messages_.size(), 3u);
    ASSERT_EQ(grid->rowCount(), 5);
    QString sizes, counts, signs;
    for (int r = 1; r <= 4; ++r) {
        sizes += grid->cell(8, r);
        counts += grid->cell(7, r);
        signs += grid->cell(6, r);
    }
    EXPECT_EQ(sizes, "3122");
    EXPECT_EQ(counts, "2010");
    EXPECT_EQ(signs, "+1-1-1-1");
    EXPECT_EQ(grid->cell(1, 4) + grid->cell(5, 4), "-x+y");   // record 5 opened the last class
    // The list keeps its records and counts.
    EXPECT_EQ(ttRecordCount, 42);
    EXPECT_EQ(ttHitCount[3], 100);

    mask2dPointCount = 6;
    messages_.clear();
    expectRefused(kOlderFive, [] { Form1->Button185Click(); }, 5);
    EXPECT_EQ(ttHitCount[0], 162);
}

TEST_F(TForm1OlderTables2dTest, TheDormantTimerStopsWhenItsConversionIsRefused)
{
    Form1->RadioGroup20->setItemIndex(1);
    Form1->Timer15->setEnabled(true);
    Timer::fireForTest(*Form1->Timer15);   // no older table
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_FALSE(Form1->Timer15->enabled() || Form1->Timer14->enabled());

    ttRecordCount = 0;
    WriteList(kOlderSix, 6, 0);
    isRunSuccessful = 0;
    Form1->Timer15->setEnabled(true);
    Timer::fireForTest(*Form1->Timer15);
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(Form1->Timer14->enabled());
    Form1->Timer14->setEnabled(false);
    Form1->Timer15->setEnabled(false);
    Form1->Button186Click();   // the empty command
}

TEST_F(TForm1OlderTables2dTest, TheCrestLookupShowsTheFirstRecordOfThePermutedCopyWithTheKey)
{
    // Building the window stored nothing from the edits' texts.
    EXPECT_EQ(Form1->Edit63->text(), "Edit63");
    EXPECT_TRUE(std::all_of(crestKey, crestKey + 5, [](int32_t v) { return v == 0; }));
    auto lookUp = [](const std::array<const char*, 5>& typed) {
        QLineEdit* const edits[5] = {Form1->Edit63, Form1->Edit64, Form1->Edit65, Form1->Edit66, Form1->Edit67};
        for (int c = 0; c < 5; ++c) edits[c]->setText(typed[size_t(c)]);
        Form1->Button227->click();
        return Form1->Label577->text();
    };
    Form1->ShowTwoDimToolbar();
    mask2dPointCount = 5;
    ttRecordCount = 0;
    EXPECT_EQ(lookUp({"0", "0", "0", "0", "0"}), "0");

    // Two records per block and one past the blocks, whose permuted row keeps what it held.
    const uint8_t blockOne[5] = {2, 1, 0, 4, 3};   // block 1 exchanges 0 with 2 and 3 with 4
    for (int32_t r = 0; r < 13; ++r) std::fill_n(ttKeys[r], 5, uint8_t(1));
    std::copy_n(blockOne, 5, ttKeys[2]);
    std::copy_n(blockOne, 5, ttKeys[3]);
    std::fill_n(ttKeysPermuted[12], 5, uint8_t(5));
    ttRecordCount = 13;
    EXPECT_EQ(lookUp({"0", "1", "2", "3", "4"}), "2");
    EXPECT_EQ(lookUp({"2", "2", "2", "2", " 2"}), "0");   // block 0 exchanges 1 with 2
    EXPECT_EQ(lookUp({"5", "5", "5", "5", "5"}), "12");
    EXPECT_EQ(lookUp({"-1", "1", "2", "3", "4"}), "13");
    std::fill_n(ttKeysPermuted[12], 5, uint8_t(0));
    EXPECT_EQ(lookUp({"256", "0", "0", "0", "0"}), "13");
}

TEST_F(TForm1OlderTables2dTest, TheRandomizeEditSkipsAsManyNumbersAsItsTextSays)
{
    const uint32_t start = randomState;   // building the window drew nothing for "17"
    auto afterDraws = [](uint32_t from, int draws) {
        const uint32_t kept = randomState;
        SeedRandom(from);
        for (int i = 0; i < draws; ++i) Rand();
        const uint32_t state = randomState;
        SeedRandom(kept);
        return state;
    };
    QLineEdit* edit = Form1->Edit62;
    edit->setText("");
    edit->setText("1");
    edit->setText("17");   // typed: one number and then seventeen
    EXPECT_EQ(randomState, afterDraws(start, 18));
    edit->setText("17");   // the same text: no change, no draw
    edit->setText("-5");
    edit->setText("x");
    EXPECT_EQ(randomState, afterDraws(start, 18));

    // A number too large to draw one by one is as quick as a small one.
    edit->setText("2147483647");
    edit->setText("2147483648");   // saturates: the same count again
    edit->setText("2");
    // 2 * (2^31 - 1) + 2 = 2^32 draws, the period: back where the first 18 left it.
    EXPECT_EQ(randomState, afterDraws(start, 18));
}

} // namespace
