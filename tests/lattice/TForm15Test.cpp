// The square view window: its settings, the restart from the point file, the
// random point lists and the Qhist histogram, on files the tests write.
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "engine/RunControls.h"
#include "engine/SquareSize.h"
#include "engine/StringState.h"
#include "lattice/PointFile.h"
#include "lattice/PointLists.h"
#include "lattice/QhistBatch.h"
#include "lattice/Square.h"
#include "lattice/TForm15.h"
#include "lattice/TrialBatch.h"
#include "../engine/TempWorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class SquareWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateWindows();
        Form1->show_();
        std::filesystem::create_directories("8r50");
    }
    QString status() const { return Form1->StatusBar1->simpleText(); }
    TempWorkDir dir_;
};

int CountCells(int side, uint8_t value)
{
    int n = 0;
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            n += squareCells[SquareIndex(r, c)] == value;
    return n;
}

} // namespace

TEST_F(SquareWindow, OpensWithItsSettingsAndItsEditsKeepTheirGlobals)
{
    TForm15& f = *Form15;
    EXPECT_EQ(f.caption(), "Show SQUARE RCA");
    EXPECT_EQ(f.Label1->text(), "Is PARADOXES RCA");
    EXPECT_EQ(f.RadioGroup1->itemIndex(), 3);   // k = 4 after start-up
    EXPECT_EQ(f.Edit1->text(), "0");
    EXPECT_EQ(f.Edit2->text(), "3");
    EXPECT_EQ(f.Edit3->text(), "100000");
    EXPECT_EQ(qhistRunCount, 50);   // the hidden edit's text is not its value yet
    EXPECT_TRUE(f.Button1->isHidden());
    EXPECT_TRUE(f.Button4->isHidden());
    EXPECT_FALSE(f.Button3->isHidden());
    EXPECT_NE(f.Image1->canvas().pixel(2, 2), f.Image1->canvas().pixel(100, 100));   // a picture, not blank

    f.Edit1->setText("6");
    f.Edit2->setText("12");
    f.Edit3->setText("2500");
    EXPECT_EQ(pointRecordIndex, 6);
    EXPECT_EQ(qhistRunCount, 12);
    EXPECT_EQ(stepLimit, 2500);

    Form1->RadioGroup2->setItemIndex(0);
    f.RadioGroup4->setItemIndex(5);
    Form::modalHook = [](Form&) {};
    Form1->ShowPARADOXES1Click();
    Form::modalHook = nullptr;
    for (RadioGroup* s : {f.RadioGroup2, f.RadioGroup3, f.RadioGroup4, f.RadioGroup5})
        EXPECT_EQ(s->itemIndex(), 0);
    EXPECT_EQ(Form1->RadioGroup2->itemIndex(), 1);   // "Circle"
}

TEST_F(SquareWindow, RestartPlacesTheRecordsEightBPointsInAnEmptySquare)
{
    std::ofstream("8r50/8r.dat") << "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\n"
                                    "1 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35\n";
    Form1->Edit1->setText("40");
    Form1->RadioGroup8->setItemIndex(1);   // the square, not the strings: "X ma" clears its mask
    std::fill(std::begin(squareCells), std::end(squareCells), 0);
    frozenMask[SquareIndex(39, 39)] = 3;
    requestedCPointCount = 12;   // whatever the initial view asked for
    cPointCount = 12;
    stepCount = cycleCount = activitySamplePaintCount = 9;
    Form1->Timer1->setEnabled(true);
    Form15->Edit1->setText("1");
    Form15->Button3Click();

    EXPECT_EQ(cPointCount, 0);
    EXPECT_EQ(bPointCount, 8);
    EXPECT_EQ(requestedBPointCount, 8);
    EXPECT_EQ(bPointX[0], 20);
    EXPECT_EQ(bPointY[0], 21);
    EXPECT_EQ(bPointY[7], 35);
    EXPECT_EQ(CountCells(40, 1), 8);
    EXPECT_EQ(CountCells(40, 2), 40 * 40 - 8);
    EXPECT_EQ(squareCells[SquareIndex(21, 20)], 1);
    EXPECT_EQ(squareCells[SquareIndex(40, 40)], 0);   // outside the side: untouched
    EXPECT_EQ(frozenMask[SquareIndex(39, 39)], 0);    // FREEZE reset
    EXPECT_EQ(stepCount, 0);
    EXPECT_EQ(cycleCount, 0);
    EXPECT_EQ(activitySamplePaintCount, 0);
    EXPECT_FALSE(Form1->Timer1->enabled());   // Stop
}

TEST_F(SquareWindow, MissingShortOrBadPointFilesKeepThePointsAndSaySo)
{
    Form1->Edit1->setText("30");
    for (int i = 0; i < 8; ++i) {
        bPointX[i] = static_cast<int16_t>(i);
        bPointY[i] = 5;
    }
    Form15->Edit1->setText("0");
    Form15->Button3Click();
    EXPECT_TRUE(status().contains("missing")) << status().toStdString();
    EXPECT_EQ(bPointX[3], 3);
    EXPECT_EQ(squareCells[SquareIndex(5, 3)], 1);   // the restart ran with the old points

    std::ofstream("8r50/8r.dat") << "0 9 9 9 9 9";
    Form15->Button3Click();
    EXPECT_TRUE(status().contains("no whole record 0")) << status().toStdString();
    EXPECT_EQ(bPointX[0], 0);

    std::ofstream("8r50/8r.dat") << "PK\x03\x04 not a point file";
    Form15->Button3Click();
    EXPECT_TRUE(status().contains("not a list of numbers")) << status().toStdString();
    EXPECT_EQ(bPointX[7], 7);

    // Points outside the square or its storage are not placed.
    std::ofstream("8r50/8r.dat") << "0 200 1 -3 1 29 29 31 1 1 131 5 5 5 5 5 5";
    Form15->Button3Click();
    EXPECT_EQ(CountCells(30, 1), 2);   // (29, 29) and (5, 5); the others lie outside
}

TEST_F(SquareWindow, RandomListsAndTheQhistHistogram)
{
    TForm15& f = *Form15;
    f.Button2Click();
    std::ifstream in("8r50/8r50.dat");
    std::string line;
    int lines = 0;
    while (std::getline(in, line)) {
        ++lines;
        std::istringstream numbers(line);
        int n = 0, v = 0;
        while (numbers >> v) {
            ++n;
            EXPECT_GE(v, 0);
            EXPECT_LE(v, 50);
        }
        EXPECT_EQ(n, 16);
    }
    EXPECT_EQ(lines, 100);

    f.Label6->setText("x");
    f.Button4Click();   // no record file yet: no label changes
    EXPECT_EQ(f.Label6->text(), "x");
    EXPECT_TRUE(status().contains("missing")) << status().toStdString();

    std::ofstream("8r50/L4.dat") << "30 0 0 0\n31 0 0 0\n30997 1 1 1\n30998 2 2 2\n";
    f.Button4Click();
    EXPECT_EQ(f.Label6->text(), "1");
    EXPECT_EQ(f.Label7->text(), "1");
    EXPECT_EQ(f.Label12->text(), "1");
    EXPECT_EQ(f.Label4->text(), "1");
    EXPECT_EQ(f.Label8->text(), "0");
    EXPECT_TRUE(status().contains("4 records counted")) << status().toStdString();

    // A folder in the list's place: the write fails and says so.
    std::filesystem::remove("8r50/8r50.dat");
    std::filesystem::create_directories("8r50/8r50.dat/inside");
    f.Button1Click();
    EXPECT_TRUE(status().contains("could not be written")) << status().toStdString();
}
