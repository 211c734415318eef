// The Qhist batches of the hidden menu "T=6": the start commands, the tick
// that hands one run to Timer1, the mask switch, and the commands that
// prepare the side-51 square for the square view window.
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "engine/SquareSize.h"
#include "engine/StringLength.h"
#include "engine/StringState.h"
#include "lattice/PointFile.h"
#include "lattice/PointLists.h"
#include "lattice/QhistBatch.h"
#include "lattice/Square.h"
#include "lattice/TForm15.h"
#include "widgets/Timer.h"
#include "../engine/TempWorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace {

class Qhist : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateWindows();
        Form1->show_();
        std::filesystem::create_directories("8r50");
        std::ofstream("8r50/8r.dat") << "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\n"
                                        "1 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35\n";
        Form1->Edit1->setText("40");
    }
    void Tick() { Timer::fireForTest(*Form1->Timer7); }
    TempWorkDir dir_;
};

} // namespace

TEST_F(Qhist, PointFileBatchStartsRecordZeroAndDisarms)
{
    std::ofstream("8r50/L4.dat") << "an old histogram";
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
    std::filesystem::create_directories("MA");
    std::vector<char> mask(40 * 40, 0);
    mask[0] = 26;
    std::ofstream("MA/mafin.dat", std::ios::binary).write(mask.data(), std::streamsize(mask.size()));

    Form1->WriteQhistanyn1Click();
    Form1->WriteQhistanyn1Click();   // twice in a row: four empty logs
    for (const char* log : {"LOG/isc.log", "LOG/f3.log", "LOG/f6.log", "LOG/nb.log"}) {
        ASSERT_TRUE(std::filesystem::exists(log)) << log;
        EXPECT_EQ(std::filesystem::file_size(log), 0u) << log;
    }
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
    Form::modalHook = nullptr;
    EXPECT_EQ(squareRowCount, 51);
    EXPECT_EQ(Form1->RadioGroup3->itemIndex(), 1);
    EXPECT_EQ(Form1->RadioGroup2->itemIndex(), 1);
    EXPECT_EQ(Form1->WriteLOGfile1->isChecked(), mark);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], Form15);
    EXPECT_EQ(shown[1], Form15);
}
