// The square view window: its settings, the restart from the point file, the
// random point lists and the Qhist histogram, on files the tests write.
#include "LatticeFormFixture.h"
#include "base/PointLists.h"
#include "base/RunControls.h"
#include "engine/StringState.h"
#include "engine/TrialBatch.h"
#include "lattice/PointFile.h"
#include "lattice/QhistBatch.h"
#include "lattice/TForm15.h"

#include <algorithm>
#include <fstream>

namespace {

class SquareWindow : public StartedWindows {
protected:
    void SetUp() override
    {
        StartedWindows::SetUp();
        std::filesystem::create_directories("8r50");
    }
};

} // namespace

TEST_F(SquareWindow, EditsStoreTheirGlobalsAndShowingResetsTheSelections)
{
    TForm15& f = *Form15;
    EXPECT_EQ(qhistRunCount, 50);   // the hidden edit's text is not its value yet
    EXPECT_NE(f.Image1->canvas().pixel(2, 2), f.Image1->canvas().pixel(100, 100));   // a picture, not blank
    ExpectEditsStoreTheirGlobals({{f.Edit1, &pointRecordIndex}, {f.Edit2, &qhistRunCount}, {f.Edit3, &stepLimit}});

    Form1->RadioGroup2->setItemIndex(0);
    f.RadioGroup4->setItemIndex(5);
    Form1->ShowPARADOXES1Click();
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
    EXPECT_EQ(CountInSide(40, 1), 8);
    EXPECT_EQ(CountInSide(40, 2), 40 * 40 - 8);
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
    EXPECT_TRUE(StatusHas("missing"));
    EXPECT_EQ(bPointX[3], 3);
    EXPECT_EQ(squareCells[SquareIndex(5, 3)], 1);   // the restart ran with the old points

    std::ofstream("8r50/8r.dat") << "0 9 9 9 9 9";
    Form15->Button3Click();
    EXPECT_TRUE(StatusHas("no whole record 0"));
    EXPECT_EQ(bPointX[0], 0);

    std::ofstream("8r50/8r.dat") << "PK\x03\x04 not a point file";
    Form15->Button3Click();
    EXPECT_TRUE(StatusHas("not a list of numbers"));
    EXPECT_EQ(bPointX[7], 7);

    // Points outside the square or its storage are not placed.
    std::ofstream("8r50/8r.dat") << "0 200 1 -3 1 29 29 31 1 1 131 5 5 5 5 5 5";
    Form15->Button3Click();
    EXPECT_EQ(CountInSide(30, 1), 2);   // (29, 29) and (5, 5); the others lie outside
}

TEST_F(SquareWindow, RandomListsAndTheQhistHistogram)
{
    TForm15& f = *Form15;
    f.Button2Click();   // the lines themselves are the unit test's
    const std::string list = ReadText("8r50/8r50.dat");
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 100);

    f.Label6->setText("x");
    f.Button4Click();   // no record file yet: no label changes
    EXPECT_EQ(f.Label6->text(), "x");
    EXPECT_TRUE(StatusHas("missing"));

    std::ofstream("8r50/L4.dat") << "30 0 0 0\n31 0 0 0\n30997 1 1 1\n30998 2 2 2\n";
    f.Button4Click();
    EXPECT_EQ(f.Label6->text(), "1");
    EXPECT_EQ(f.Label7->text(), "1");
    EXPECT_EQ(f.Label12->text(), "1");
    EXPECT_EQ(f.Label4->text(), "1");
    EXPECT_EQ(f.Label8->text(), "0");
    EXPECT_TRUE(StatusHas("4 records counted"));

    // A folder in the list's place: the write fails and says so.
    std::filesystem::remove("8r50/8r50.dat");
    std::filesystem::create_directories("8r50/8r50.dat/inside");
    f.Button1Click();
    EXPECT_TRUE(StatusHas("could not be written"));
}
