// "TT 1d" and its chain on Timer17: starting and stopping, the passes that
// record a run and write the table, and the ways a pass ends the chain
// (contradiction, too many keys, a mask it cannot learn with).
#include "TableTestSupport.h"
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "engine/BinaryFile.h"
#include "engine/Mask1d.h"
#include "engine/ProgramDir.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/TableFile.h"
#include "tables1d/TableGenerator.h"
#include "tables1d/TableRecords.h"
#include "widgets/Dialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

using namespace tabletest;

namespace {

class TForm1TableGeneratorTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        CreateWindows();
        Form1->show_();
        programDir = dir_.string() + "/";
        SetMessageRecorder(&messages_);
        // The mask (7,3) picked on "ANY I": six points, table file R5_0703.dat.
        Form1->Image15->onMouseMove(Qt::NoModifier, 5, 45);
        Form1->Image15->onMouseDown(Qt::LeftButton, Qt::NoModifier, 5, 45);
    }
    void TearDown() override
    {
        SetMessageRecorder(nullptr);
        TempDirTest::TearDown();
    }

    std::vector<uint8_t> fileBytes() { return ReadWholeFile(ttFileName1d).value_or(std::vector<uint8_t>{9}); }

    void expectIdle()
    {
        EXPECT_FALSE(Form1->Button211->isVisibleTo(Form1));
        EXPECT_TRUE(Form1->Button204->isVisibleTo(Form1));
        EXPECT_FALSE(Form1->Timer17->enabled());
        EXPECT_EQ(isGenerating1d, 0);
    }

    // Ticks until a pass found a successful run (or a message ended the chain).
    bool tickUntilARunSucceeds(int limit = 60)
    {
        for (int i = 0; i < limit; ++i) {
            if (!Form1->Timer17->enabled()) return false;
            Timer::fireForTest(*Form1->Timer17);
            if (Form1->Label353->text() == "1" || !messages_.empty()) return true;
        }
        return false;
    }

    std::vector<MessageRecord> messages_;
};

TEST_F(TForm1TableGeneratorTest, StartCreatesTheFileEmptyAndSwapsTheButtonsStopSwapsThemBack)
{
    ASSERT_EQ(ttFileName1d, programDir + "RT/R5_0703.dat");
    ASSERT_EQ(mask1dPointCount, 6);
    ASSERT_TRUE(WriteWholeFile(ttFileName1d, std::vector<uint8_t>(40, 7)));

    Form1->Button204->click();
    EXPECT_TRUE(messages_.empty());
    EXPECT_TRUE(fileBytes().empty());
    EXPECT_TRUE(Form1->Button211->isVisibleTo(Form1));
    EXPECT_FALSE(Form1->Button204->isVisibleTo(Form1));
    EXPECT_TRUE(Form1->Timer17->enabled());
    EXPECT_EQ(Form1->Timer17->interval(), 20);
    EXPECT_EQ(isGenerating1d, 1);

    Form1->Button211->click();
    expectIdle();
    // A tick of a stopped chain runs nothing.
    Timer::fireForTest(*Form1->Timer17);
    EXPECT_TRUE(Form1->Label579->text().isEmpty());
}

TEST_F(TForm1TableGeneratorTest, WithoutATableFileTheChainDoesNotStart)
{
    ttFileName1d.clear();
    Form1->Button204->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].caption, "Warning");
    expectIdle();
}

TEST_F(TForm1TableGeneratorTest, EachPassListsTheLearnedKeysWritesTheTableAndArmsTheTimerAgain)
{
    Form1->Button204->click();
    ASSERT_TRUE(tickUntilARunSucceeds());
    ASSERT_TRUE(messages_.empty()) << messages_[0].text.toStdString();
    EXPECT_FALSE(Form1->Label579->text().isEmpty());

    const int32_t keys = Form1->Label449->text().toInt();
    EXPECT_GT(keys, 0);
    EXPECT_EQ(Form1->Label303->text().toInt(), 6 * keys);
    EXPECT_EQ(Form1->Label450->text().toInt(), (keys - 1) / 2);
    EXPECT_EQ(ttRecordCount, 6 * keys);
    EXPECT_EQ(fileBytes().size(), size_t(4 + 6 * keys * (6 + 8)));
    EXPECT_EQ(Form1->StringGrid11->rowCount(), 6 * keys + 1);
    // Block 0 is the learned keys in index order with their stored values.
    for (int32_t i = 0; i < keys; ++i) {
        const int32_t index = KeyTableIndex(ttKeys[i], 6);
        EXPECT_EQ(tt6Used[index], 1);
        EXPECT_EQ(ttValues[i], int32_t(int8_t(tt6Value[index])));
        if (i > 0) {
            EXPECT_LT(KeyTableIndex(ttKeys[i - 1], 6), index);
        }
    }
    EXPECT_TRUE(Form1->Timer17->enabled());
    EXPECT_EQ(isGenerating1d, 1);

    // What is learned accumulates: a later pass lists at least as many keys.
    Form1->Label353->setText("0");
    ASSERT_TRUE(tickUntilARunSucceeds());
    EXPECT_GE(Form1->Label449->text().toInt(), keys);
}

TEST_F(TForm1TableGeneratorTest, AContradictionReportsWrongMaskWritesNothingAndEndsTheChain)
{
    // Every key already holds a value no run produces: the first window
    // followed by the identity contradicts it.
    std::fill(std::begin(tt6Value), std::end(tt6Value), uint8_t(100));
    Form1->Timer12->setEnabled(true);
    Form1->Button204->click();
    ASSERT_TRUE(tickUntilARunSucceeds());
    for (int i = 0; i < 60 && messages_.empty() && Form1->Timer17->enabled(); ++i) Timer::fireForTest(*Form1->Timer17);

    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "WRONG MASK!!");
    EXPECT_EQ(messages_[0].caption, "Warning");
    EXPECT_FALSE(Form1->Timer12->enabled());
    expectIdle();
    EXPECT_TRUE(fileBytes().empty());
}

TEST_F(TForm1TableGeneratorTest, MoreKeysThanTheListHoldsEndTheChainAndLeaveTheFile)
{
    for (int32_t i = 0; i <= kGeneratorMaxKeys; ++i) tt6Used[i * 11] = 1;
    Form1->Button204->click();
    ASSERT_TRUE(tickUntilARunSucceeds());
    for (int i = 0; i < 60 && messages_.empty() && Form1->Timer17->enabled(); ++i) Timer::fireForTest(*Form1->Timer17);

    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].text.indexOf("capacity"), -1);
    expectIdle();
    EXPECT_TRUE(fileBytes().empty());
    EXPECT_EQ(ttRecordCount, 0);
}

TEST_F(TForm1TableGeneratorTest, ATickWithAMaskOfAnotherPointCountEndsTheChainWithAMessage)
{
    Form1->Button204->click();
    mask1dPointCount = 4;
    Timer::fireForTest(*Form1->Timer17);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].caption, "Warning");
    expectIdle();
}

TEST_F(TForm1TableGeneratorTest, APassOfItsOwnButtonRunsOnceAndNeedsAMaskBuiltForIt)
{
    Form1->Button205->click();
    EXPECT_FALSE(Form1->Label353->text().isEmpty());
    EXPECT_FALSE(Form1->Timer17->enabled());

    // "mk " sets three points without building the mask: the six-point pass refuses.
    Form1->Button202->click();
    const int32_t before = ttRecordCount;
    Form1->Button205->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(ttRecordCount, before);
    EXPECT_FALSE(Form1->Timer17->enabled());
}

} // namespace
