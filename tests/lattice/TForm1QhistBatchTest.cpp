// The Qhist batches: the start commands, the tick that hands one run to
// Timer1, the mask switch, and the side-51 square for the square view window.
#include "LatticeFormFixture.h"
#include "base/PointLists.h"
#include "base/StringLength.h"
#include "engine/StringState.h"
#include "lattice/PointFile.h"
#include "lattice/QhistBatch.h"
#include "lattice/TForm15.h"
#include "widgets/Timer.h"

namespace {

class Qhist : public StartedWindows {
protected:
    void SetUp() override
    {
        StartedWindows::SetUp();
        WriteText("8r50/8r.dat", "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\n"
                                 "1 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35\n");
        Form1->Edit1->setText("40");
    }
    void Tick() { Timer::fireForTest(*Form1->Timer7); }
};

} // namespace

TEST_F(Qhist, PointFileBatchStartsRecordZeroAndDisarms)
{
    WriteText("8r50/L4.dat", "an old histogram");
    Form1->WriteQhist1Click();
    EXPECT_TRUE(std::filesystem::exists("8r50/L4.dat"));
    EXPECT_EQ(std::filesystem::file_size("8r50/L4.dat"), 0u);
    EXPECT_TRUE(Form1->Timer7->enabled());
    EXPECT_FALSE(std::filesystem::exists("LOG"));

    pointRecordIndex = 5;
    Tick();
    EXPECT_EQ(pointRecordIndex, 0);
    EXPECT_EQ(bPointCount, 8);
    EXPECT_EQ(bPointX[0], 1);
    EXPECT_EQ(squareCells[SquareIndex(2, 1)], 1);
    EXPECT_EQ(qhistRunIndex, 1);
    EXPECT_TRUE(Form1->Timer1->enabled());
    EXPECT_FALSE(Form1->Timer7->enabled());
    EXPECT_NE(qhistSecondFile, nullptr);
}

TEST_F(Qhist, LastTickLoadsAStartButRunsNothingAndClosesOnce)
{
    Form15->Edit2->setText("1");
    Form1->WriteQhist1Click();
    Tick();
    EXPECT_TRUE(Form1->Timer1->enabled());
    Form1->Timer7->setEnabled(true);   // nothing re-arms the batch; here the test does
    Tick();
    EXPECT_EQ(pointRecordIndex, 1);
    EXPECT_EQ(bPointX[0], 20);         // record 1 was loaded
    EXPECT_FALSE(Form1->Timer1->enabled());
    EXPECT_FALSE(Form1->Timer7->enabled());
    EXPECT_EQ(qhistSecondFile, nullptr);
    Form1->Timer7Timer();              // a further tick closes nothing twice
    EXPECT_EQ(qhistSecondFile, nullptr);

    Form15->Edit2->setText("0");       // no run at all: the first tick ends the batch
    Form1->WriteQhist1Click();
    Tick();
    EXPECT_FALSE(Form1->Timer1->enabled());
    EXPECT_EQ(qhistRunIndex, 0);
}

TEST_F(Qhist, RandomBatchCreatesItsLogsAndReadsTheMaskOnlyWhenTicked)
{
    std::vector<uint8_t> mask(40 * 40, 0);
    mask[0] = 26;
    WriteBytes("MA/mafin.dat", mask);

    Form1->WriteQhistanyn1Click();
    EXPECT_TRUE(std::filesystem::exists("LOG/nb.log"));   // the logs themselves are the unit test's
    EXPECT_EQ(isQhistAnyN, 1);

    ASSERT_FALSE(Form1->ReadMask2->isChecked());
    Tick();
    EXPECT_EQ(frozenMask[0], 0);   // the mask file is not touched
    EXPECT_TRUE(Form1->Timer1->enabled());

    Form1->ReadMask2Click();
    EXPECT_TRUE(Form1->ReadMask2->isChecked());
    Form1->WriteQhistanyn1Click();
    Tick();
    EXPECT_EQ(frozenMask[0], 26);
}

TEST_F(Qhist, SquareKindAndItsMenuItemPrepareSide51AndShowTheWindow)
{
    std::vector<Form*> shown;
    Form::modalHook = [&shown](Form& f) { shown.push_back(&f); };
    Form1->RadioGroup2->setItemIndex(0);
    Form1->RadioGroup3->setItemIndex(2);
    EXPECT_EQ(squareRowCount, 51);
    EXPECT_EQ(squareColumnCount, 51);
    EXPECT_EQ(stringLength, 27);   // the strings keep their 27 cells
    EXPECT_EQ(Form1->Edit1->text(), "51");
    EXPECT_EQ(Form1->RadioGroup2->itemIndex(), 1);

    Form1->Edit1->setText("12");
    Form1->RadioGroup3->setItemIndex(0);
    EXPECT_EQ(Form1->RadioGroup2->itemIndex(), 0);   // "Standart": "Frozen A"
    const bool mark = Form1->WriteLOGfile1->isChecked();
    Form1->WriteLOGfile1Click();
    EXPECT_EQ(squareRowCount, 51);
    EXPECT_EQ(Form1->RadioGroup3->itemIndex(), 1);
    EXPECT_EQ(Form1->RadioGroup2->itemIndex(), 1);
    EXPECT_EQ(Form1->WriteLOGfile1->isChecked(), mark);
    EXPECT_EQ(shown, (std::vector<Form*>{Form15, Form15}));
}
