// "TT 1d" and its chain on Timer17: the passes that record a run and write the
// table, and the ways a pass ends the chain.
#include "TableTestSupport.h"
#include "../base/FileSizeLimit.h"
#include "base/ResolutionProbe.h"
#include "runs/ResolutionTables.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/TableGenerator.h"
#include "tables2d/GrowthGenerator.h"
#include "widgets/RichEdit.h"

using namespace tabletest;

namespace {

class TForm1TableGeneratorTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Form1->Edit1->setText("27");   // the whole string, not the start-up torus
        // The mask (7,3) picked on "ANY I": six points, table file R5_0703.dat.
        Form1->Image15->onMouseMove(Qt::NoModifier, 5, 45);
        Form1->Image15->onMouseDown(Qt::LeftButton, Qt::NoModifier, 5, 45);
        ASSERT_TRUE(WriteWholeFile(ttFileName1d, std::vector<uint8_t>(40, 7)));
    }
    std::vector<uint8_t> fileBytes() { return ReadWholeFile(ttFileName1d).value_or(std::vector<uint8_t>{9}); }

    // Ticks until a pass found a successful run or a message ended the chain.
    bool tickUntil(const std::function<bool()>& done)
    {
        for (int i = 0; i < 120 && Form1->Timer17->enabled(); ++i) {
            Timer::fireForTest(*Form1->Timer17);
            if (done() || !messages_.empty()) return true;
        }
        return false;
    }
    void expectIdle() { EXPECT_FALSE(Form1->Timer17->enabled()); EXPECT_EQ(isGenerating1d, 0); }
};

TEST_F(TForm1TableGeneratorTest, APassListsTheLearnedKeysAndWritesTheTable)
{
    std::fill(std::begin(ttHitCount), std::end(ttHitCount), 7);   // counts of an earlier check
    Form1->Button204->click();
    EXPECT_TRUE(fileBytes().empty());   // started afresh
    ASSERT_TRUE(tickUntil([] { return Form1->Label353->text() == "1"; }));
    ASSERT_TRUE(messages_.empty()) << firstMessage();
    const int32_t keys = Form1->Label449->text().toInt();
    EXPECT_GT(keys, 0);
    EXPECT_EQ(ttRecordCount, 6 * keys);
    EXPECT_EQ(fileBytes().size(), size_t(4 + 6 * keys * (6 + 8)));
    for (int32_t i = 0; i < keys; ++i) {   // block 0: the learned keys in index order
        const int32_t index = KeyTableIndex(ttKeys[i], 6);
        EXPECT_EQ(tt6Used[index], 1);
        EXPECT_EQ(ttValues[i], int32_t(int8_t(tt6Value[index])));
        EXPECT_TRUE(i == 0 || KeyTableIndex(ttKeys[i - 1], 6) < index);
    }
    EXPECT_TRUE(Form1->Timer17->enabled());
    Form1->Button211->click();
    expectIdle();

    // A fresh table carries no counts: reopened, it has not been checked.
    TableFileContent content;
    ASSERT_EQ(ReadTableFile(ttFileName1d, 6, content), TableFileStatus::Ok);
    EXPECT_EQ(content.counts, std::vector<int32_t>(size_t(6 * keys), 0));
    Form1->OpenTT1dim1->trigger();   // cancelled: the current table again
    EXPECT_EQ(Form1->RadioGroup21->itemIndex(), 1);
}

// A row of a resolution table as the panel lists it: "  v" for 0..2,
// " -(v-3)" for 3..5, one more blank after the first cell, then the match.
QString ResolutionLine(const uint8_t* cells, int width, int32_t match)
{
    QString line;
    for (int j = 0; j < width; ++j) {
        line += cells[j] <= 2 ? QString("  %1").arg(cells[j]) : QString(" -%1").arg(cells[j] - 3);
        if (j == 0) line += " ";
    }
    if (match >= 0) line += QString("    %1").arg(match);
    return line;
}

TEST_F(TForm1TableGeneratorTest, APassGivesResolutionTableOneTheWidthOfItsKeys)
{
    rt1Width = 4;   // as a (3,1) builder left it
    Form1->Button204->click();
    ASSERT_TRUE(tickUntil([] { return Form1->Label353->text() == "1"; }));
    ASSERT_TRUE(messages_.empty()) << firstMessage();
    Form1->Button211->click();
    EXPECT_EQ(rt1Width, 6);

    // Table 1 is the listed rows with the list's count, six times the keys.
    const int32_t rows = ttRecordCount;
    const int32_t keys = rows / 6;
    ASSERT_GT(keys, 0);
    const int32_t firstMatch = rt1MatchIndex[0];
    Form1->Copy121->trigger();   // "Copy 1=> 2"
    ASSERT_EQ(Form1->RichEdit5->lineCount(), rows);
    EXPECT_EQ(Form1->RichEdit5->lines().first(), ResolutionLine(ttKeys[0], 6, firstMatch));
    EXPECT_EQ(Form1->Label196->text(), "6");

    // "Comp.+": every row of the copy finds a partner in table 1, numbered in
    // order; rt2Count + ttRecordCount - pairs = the row count.
    Form1->Button132Click();
    EXPECT_EQ(Form1->Label218->text(), QString::number(rows));
    for (int32_t i = 0; i < rows; ++i) ASSERT_EQ(rt2MatchIndex[i], i) << i;
    EXPECT_EQ(Form1->RichEdit5->lines()[keys - 1], ResolutionLine(ttKeys[keys - 1], 6, keys - 1));
}

TEST_F(TForm1TableGeneratorTest, TTOneDRefusesAFileOfAnotherPointCountBeforeTouchingIt)
{
    const auto before = fileBytes();
    Form1->Button187Click();   // "mk" (5,3): five points, the path still names (7,3)
    Form1->Button204->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(fileBytes(), before);
    expectIdle();
    EXPECT_FALSE(Form1->Button204->isHidden());
    Form1->Button202Click();   // "mk " (1,1): three points, no generator for them
    Form1->Button204->click();
    EXPECT_EQ(messages_.size(), 2u);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(TForm1TableGeneratorTest, AWriteThatFailsIsReportedOnceAndEndsTheChain)
{
    Form1->Button204->click();
    FileSizeLimit fullDisk(64);   // the start string fits, no table does
    ASSERT_TRUE(tickUntil([] { return false; }));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].text.indexOf("keeps its previous content"), -1);
    expectIdle();
    EXPECT_TRUE(fileBytes().empty());
}

TEST_F(TForm1TableGeneratorTest, FivePointPassesWriteRT53AndReportKeysOfTheOtherPlanes)
{
    Form1->Button187Click();   // "mk" (5,3), then "mk": offsets -3, -1, 0, 1, 2
    Form1->Button228Click();
    ASSERT_TRUE(WriteWholeFile("RT/RT53.dat", std::vector<uint8_t>(8, 9)));
    const auto successfulPass = [] {
        Form1->Label353->setText("0");
        for (int i = 0; i < 60 && Form1->Label353->text() != "1"; ++i) Form1->Button167Click();
        return Form1->Label353->text() == "1";
    };
    ASSERT_TRUE(successfulPass());
    EXPECT_TRUE(messages_.empty());
    const int32_t keys = Form1->Label449->text().toInt();
    EXPECT_EQ(ReadWholeFile("RT/RT53.dat")->size(), size_t(4 + 6 * keys * (5 + 8)));   // five key bytes
    EXPECT_EQ(fileBytes(), std::vector<uint8_t>(40, 7));   // the table path is not written
    EXPECT_FALSE(Form1->Timer17->enabled());   // a single pass arms nothing

    // Keys the two-dimensional builder saw followed by 5 are reported; the pass still writes its table.
    std::fill(tt5Used + 5 * kKeys5, tt5Used + 6 * kKeys5, uint8_t(1));
    std::filesystem::remove("RT/RT53.dat");
    ASSERT_TRUE(CreateEmptyFile("RT/RT53.dat"));
    ASSERT_TRUE(successfulPass());
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "WRONG MASK!!");
    EXPECT_GT(ReadWholeFile("RT/RT53.dat")->size(), 4u);
}

// Five-point passes write only "RT/RT53.dat": "TT 1d" needs no table file for them.
class FivePointChainTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Form1->Button187Click();   // "mk" of (5,3): five points, no table file named
        Form1->Button228Click();   // "mk" of "Mask": the mask built from the boxes
        ASSERT_TRUE(WriteWholeFile("RT/RT53.dat", {}));
    }
};

TEST_F(FivePointChainTest, TTOneDStartsWithoutATableFileAndEachPassWritesRT53)
{
    ASSERT_TRUE(ttFileName1d.empty());
    Form1->Button204->click();
    ASSERT_TRUE(messages_.empty()) << firstMessage();
    EXPECT_EQ(isGenerating1d, 1);
    EXPECT_TRUE(Form1->Timer17->enabled());
    EXPECT_TRUE(Form1->Button204->isHidden());
    EXPECT_FALSE(Form1->Button211->isHidden());
    for (int i = 0; i < 120 && Form1->Label353->text() != "1" && messages_.empty(); ++i)
        Timer::fireForTest(*Form1->Timer17);
    ASSERT_EQ(Form1->Label353->text(), "1");
    ASSERT_TRUE(messages_.empty()) << firstMessage();
    const int32_t keys = Form1->Label449->text().toInt();
    EXPECT_GT(keys, 0);
    EXPECT_EQ(ReadWholeFile("RT/RT53.dat")->size(), size_t(4 + 6 * keys * (5 + 8)));
    EXPECT_TRUE(Form1->Timer17->enabled());   // the chain goes on
    Form1->Button211->click();
    EXPECT_EQ(isGenerating1d, 0);
}

TEST_F(FivePointChainTest, ATableFileOfFivePointsIsStartedAfreshAndOneOfSixIsLeftAlone)
{
    ttFileName1d = programDir + "RT/R4_0503.dat";
    ASSERT_TRUE(WriteWholeFile(ttFileName1d, std::vector<uint8_t>(30, 1)));
    Form1->Button204->click();
    ASSERT_TRUE(messages_.empty()) << firstMessage();
    EXPECT_EQ(ReadWholeFile(ttFileName1d)->size(), 0u);
    Form1->Button211->click();

    ttFileName1d = programDir + "RT/R5_0703.dat";   // the start would empty a six-point table
    ASSERT_TRUE(WriteWholeFile(ttFileName1d, std::vector<uint8_t>(30, 1)));
    Form1->Button204->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(ReadWholeFile(ttFileName1d)->size(), 30u);
    EXPECT_EQ(isGenerating1d, 0);
    EXPECT_FALSE(Form1->Timer17->enabled());
}

TEST_F(TForm1TableGeneratorTest, AContradictionReportsWrongMaskWritesNothingAndEndsTheChain)
{
    // Every key already holds a value no run produces.
    std::fill(std::begin(tt6Value), std::end(tt6Value), uint8_t(100));
    Form1->Button204->click();
    ASSERT_TRUE(tickUntil([] { return false; }));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "WRONG MASK!!");
    expectIdle();
    EXPECT_TRUE(fileBytes().empty());
}

// At the capacity the chain stops; the list and the table file keep the last
// table that fitted, also when a new start had emptied the file.
TEST_F(TForm1TableGeneratorTest, AtCapacityTheTableFileKeepsTheLastTableThatFitted)
{
    Form1->Button204->click();
    ASSERT_TRUE(tickUntil([] { return Form1->Label353->text() == "1"; }));
    const int32_t records = ttRecordCount;
    for (int32_t index = 0; index <= kGeneratorMaxKeys; ++index) MarkKeyUsed(6, index);
    for (size_t start = 1; start <= 3; ++start) {   // the chain that wrote the table, then new starts
        if (start > 1) Form1->Button204->click();
        if (start == 3) Form1->Button211->click(), Form1->Button204->click();   // the earlier start's table is owed
        ASSERT_TRUE(tickUntil([] { return false; }));
        ASSERT_EQ(messages_.size(), start);
        EXPECT_NE(messages_.back().text.indexOf("the table list and its file keep the last table"), -1);
        EXPECT_EQ(ttRecordCount, records);
        EXPECT_TRUE(FileHoldsList(ttFileName1d, 6));
        expectIdle();
    }
}

// "Open TT (1 dim.)" stops a running generator first, as its "Stop" does: its
// next pass or harvest would put its table over the one opened (and, one
// "CHECK TT 1 dim" later, the harvested one into the opened file).
TEST_F(TForm1TableGeneratorTest, OpeningATableStopsARunningGeneratorFirst)
{
    const std::string opened = path("RT/R5_0705.dat");   // another mask of six points
    LayTable(AllKeysOver({0, 4}, 6, 3), 6);
    ASSERT_TRUE(CreateEmptyFile(opened) && WriteListToTableFile(opened, 6) == TableFileStatus::Ok);
    for (const bool twoDim : {false, true}) {
        if (twoDim) Form1->Edit1->setText("6"), Form1->Button214Click();   // the start-up mask, on its torus
        else Form1->Button204->click();
        Timer::fireForTest(twoDim ? *Form1->Timer18 : *Form1->Timer17);
        answers_.push_back(QString::fromStdString(opened));
        Form1->OpenTT1dim1->trigger();
        for (int i = 0; i < 12000 && ttRecordCount == 192; ++i) {   // until a listing would replace it
            Timer* on = Form1->Timer13->enabled()   ? Form1->Timer13
                        : Form1->Timer17->enabled() ? Form1->Timer17
                        : Form1->Timer18->enabled() ? Form1->Timer18
                                                    : nullptr;
            if (!on) break;
            Timer::fireForTest(*on);
        }
        EXPECT_EQ(isGenerating1d + isTableGenerator2dRunning, 0);
        EXPECT_EQ(ttRecordCount, 192);
        EXPECT_TRUE(ttFileName1d == opened && FileHoldsList(opened, 6));
        EXPECT_TRUE(Form1->Button204->isVisibleTo(Form1) && !Form1->Button211->isVisibleTo(Form1));
        EXPECT_FALSE(Form1->GroupBox33->isVisibleTo(Form1));
    }
    EXPECT_TRUE(messages_.empty()) << firstMessage();
}

} // namespace
