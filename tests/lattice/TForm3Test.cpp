// Window "Show initial": the show handler that takes the requested counts,
// the edits that store the point lists and the column count, and "DO".
#include "lattice/TForm3.h"
#include "LatticeFormFixture.h"
#include "base/RunControls.h"
#include "engine/StringState.h"
#include "base/PointLists.h"

using ShowInitial = StartedWindows;

TEST_F(ShowInitial, ShowTakesTheRequestedCountsAndEditsStoreWithinTheirArrays)
{
    requestedCPointCount = 3;
    requestedBPointCount = 5;
    cPointX[1] = 17;
    bPointY[7] = 44;
    Form1->Edit1->setText("30");
    Form1->Showinitial1Click();
    EXPECT_EQ(cPointCount, 3);
    EXPECT_EQ(bPointCount, 5);
    EXPECT_EQ(Form3->Edit2->text(), "5");
    EXPECT_EQ(Form3->Edit5->text(), "17");
    EXPECT_EQ(Form3->Edit35->text(), "44");
    EXPECT_EQ(Form3->Edit11->text(), "30");

    Form3->Edit10->setText(" -7x");
    EXPECT_EQ(bPointY[1], -7);
    Form3->Edit26->setText("9");   // B points 2 to 7 are shown only
    EXPECT_EQ(bPointX[2], 0);
    Form3->Edit11->setText("12");  // the column count alone
    EXPECT_EQ(squareColumnCount, 12);
    EXPECT_EQ(squareRowCount, 30);

    // Counts, sides and coordinates beyond their arrays are cut, the edit keeps its text.
    Form3->Edit11->setText("5000");
    EXPECT_EQ(squareColumnCount, 131);
    Form3->Edit1->setText("99999");
    EXPECT_EQ(requestedCPointCount, 99999);
    EXPECT_EQ(cPointCount, kPointListCapacity);
    Form3->Edit3->setText("65541");   // would wrap onto column 5
    EXPECT_EQ(cPointX[0], 32767);
}

TEST_F(ShowInitial, DoRestartsFromEightBPointsWhateverTheEditsShow)
{
    Form1->Edit1->setText("20");
    for (int k = 0; k < 8; ++k) {
        bPointX[k] = static_cast<int16_t>(2 * k);
        bPointY[k] = static_cast<int16_t>(k);
    }
    Form1->Showinitial1Click();
    Form3->Edit1->setText("5");
    Form3->Edit2->setText("2");
    squareCells[SquareIndex(1, 1)] = 0;
    stepCount = cycleCount = activitySamplePaintCount = 9;
    Form1->Timer1->setEnabled(true);

    Form3->Button1->click();
    EXPECT_EQ(cPointCount, 0);
    EXPECT_EQ(bPointCount, 8);
    EXPECT_EQ(CountInSide(20, 0), 0);
    EXPECT_EQ(CountInSide(20, 1), 8);
    EXPECT_EQ(squareCells[SquareIndex(7, 14)], 1);
    EXPECT_EQ(stepCount + cycleCount + activitySamplePaintCount, 0);
    EXPECT_FALSE(Form1->Timer1->enabled());
}
