// The T=6 scan: the start, the tick that hands one run to the string engine's
// timer, "Stop", the stored squares of side 31 or 71, and "Show T6".
#include "LatticeFormFixture.h"
#include "base/PointLists.h"
#include "base/StringLength.h"
#include "engine/StringState.h"
#include "lattice/T6Scan.h"
#include "lattice/TForm13.h"
#include "lattice/TForm5.h"

namespace {

using Cells = std::vector<std::pair<int, int>>;

class T6ScanCommands : public StartedWindows {
protected:
    // The cells of the used side holding value, as (row, column).
    static Cells Holding(uint8_t value)
    {
        Cells cells;
        for (int r = 0; r < squareRowCount; ++r)
            for (int c = 0; c < squareColumnCount; ++c)
                if (squareCells[SquareIndex(r, c)] == value)
                    cells.push_back({r, c});
        return cells;
    }
};

} // namespace

TEST_F(T6ScanCommands, BeginPlacesCornerAndCentreAndTheTickHandsOverOneRun)
{
    Form1->CB1->trigger();   // "C ? B" as the layout has it
    t6Counters[7] = 5;
    stepCount = 44;
    Form1->Begim1->trigger();
    EXPECT_EQ(squareColumnCount, 31);
    EXPECT_EQ(stringLength, 27);   // the strings keep within their 27 cells
    EXPECT_EQ(t6Counters[7], 0);
    EXPECT_EQ(stepCount, 0);
    EXPECT_EQ(Holding(0), (Cells{{0, 0}}));
    EXPECT_EQ(Holding(1), (Cells{{15, 15}}));
    EXPECT_TRUE(Form1->Timer6->enabled());

    Timer::fireForTest(*Form1->Timer6);
    EXPECT_FALSE(Form1->Timer6->enabled());
    EXPECT_TRUE(Form1->Timer1->enabled());
    EXPECT_EQ(Holding(0), (Cells{{0, 0}}));

    // Without "C ? B" the centre is a second C point; "Stop" leaves the start state.
    Form1->Timer1->setEnabled(false);
    Form1->CB1->trigger();
    Form1->Begim1Click();
    EXPECT_EQ(Holding(0), (Cells{{0, 0}, {15, 15}}));
    EXPECT_TRUE(Holding(1).empty());
    Form1->DO2->trigger();
    EXPECT_FALSE(Form1->Timer6->enabled());
    EXPECT_FALSE(Form1->Timer1->enabled());
}

TEST_F(T6ScanCommands, TheEndIndexKeepsThePointAndStartsNoRun)
{
    Form1->Begim1Click();
    cPointX[0] = 4;
    cPointY[0] = 9;
    t6PairIndex = kT6EndIndex;
    Form1->Timer1->setEnabled(true);
    Form1->Timer6Timer();
    EXPECT_FALSE(Form1->Timer1->enabled());
    EXPECT_EQ(squareCells[SquareIndex(9, 4)], 0);

    // A pair, on a side changed in between: the pair's cell and the new centre.
    t6PairIndex = 131;
    Form1->Edit1->setText("21");
    Form1->Timer6Timer();
    EXPECT_TRUE(Form1->Timer1->enabled());
    EXPECT_EQ(Holding(0), (Cells{{10, 10}, {15, 11}}));
}

TEST_F(T6ScanCommands, Side31ReadsWithTheOldSideAndSide71SetsTheSideFirst)
{
    // One C cell at (40, 45): inside side 60 and 71, outside side 31.
    std::vector<uint8_t> cells(kSquareCellCount, 2);
    cells[SquareIndex(40, 45)] = 0;
    for (const char* path : {"CA/ca31.dat", "CA/ca71.dat"})
        WriteBytes(path, cells);
    Form1->RadioGroup2->setItemIndex(0);
    Form13->CheckBox9->setChecked(true);

    Form1->Edit1->setText("60");
    Form1->Sh411->trigger();
    EXPECT_EQ(squareRowCount, 31);
    EXPECT_EQ(squareColumnCount, 31);
    EXPECT_EQ(cPointCount, 1);
    EXPECT_EQ(Form1->RadioGroup3->itemIndex(), 1);
    EXPECT_EQ(Form1->RadioGroup2->itemIndex(), 1);
    EXPECT_FALSE(Form13->CheckBox9->isChecked());
    EXPECT_TRUE(Form1->Showparameters1->isChecked());

    Form1->Edit1->setText("20");
    stepCount = 12;
    Form1->Siz511->trigger();
    EXPECT_EQ(squareColumnCount, 71);
    EXPECT_EQ(cPointCount, 1);
    EXPECT_EQ(stepCount, 0);

    // A short file is reported and changes no cell.
    WriteText("CA/ca71.dat", "012");
    squareCells[SquareIndex(3, 4)] = 1;
    const std::vector<uint8_t> before = Square();
    Form1->Siz511Click();
    EXPECT_TRUE(StatusHas("CA/ca71.dat"));
    EXPECT_EQ(Square(), before);
}

TEST_F(T6ScanCommands, ShowT6ShowsTheFirst37CountersInTheirTriangle)
{
    t6Counters[20] = 4;
    t6Counters[22] = 9;
    t6Counters[36] = 2;
    Form1->ShowtMatrix1Click();
    EXPECT_EQ(Form5->Label21->text(), "4");
    EXPECT_EQ(Form5->Label23->text(), "9");
    EXPECT_EQ(Form5->Label37->text(), "2");

    Form1->Begim1Click();
    Form1->ShowRandom1Click();
    EXPECT_EQ(Form5->Label21->text(), "0");
}
