// The heat map window: its edits, the views of cellStatMap, the B point cells
// and a click's cross-hair and profiles.
#include "lattice/TForm10.h"

#include "base/PointLists.h"
#include "base/Square.h"
#include "base/SquareSize.h"
#include "lattice/ChangeStatistics.h"
#include "lattice/HeatMap.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TColor Grey(int v) { return TColor(v | v << 8 | v << 16); }

class HeatMapWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::memset(cellStatMap, 0, sizeof cellStatMap);
        form_.canvas().clear(ColorRed);   // so that every clear shows
    }
    TColor Cell(int r, int c) { return form_.canvas().pixel(6 * c + 3, 6 * r + 3); }

    TForm10 form_;
};

} // namespace

TEST_F(HeatMapWindow, ShowingFillsTheEditsAndEditsStoreTheirValues)
{
    heatEditValue1 = 55;
    form_.FormShow();
    EXPECT_EQ(form_.Edit1->text(), "55");
    EXPECT_EQ(form_.Edit2->text(), "-1000");
    form_.Edit3->setText("-4");
    EXPECT_EQ(heatEditValue3, -4);
}

TEST_F(HeatMapWindow, X3ShowsTheSumAndClearsNoFurtherThan700)
{
    cellStatMap[0][0] = 10;
    cellStatMap[2][3] = 5;
    form_.Button3Click();
    EXPECT_EQ(form_.Label1->text(), "15");
    EXPECT_EQ(form_.canvas().pixel(710, 10), ColorRed);
}

TEST_F(HeatMapWindow, ViewsKeepTheirExtremesAndNeverDivideByAnEmptyRange)
{
    form_.Button8Click();   // "VIEW bc" on an even map: extremes shown, nothing drawn
    EXPECT_EQ(form_.Label2->text(), "0");
    EXPECT_EQ(form_.Label4->text(), "0");
    EXPECT_EQ(Cell(5, 5), ColorButtonFace);

    cellStatMap[1][1] = -8;
    form_.Button6Click();   // "VIEW": no drawing
    EXPECT_EQ(heatMapMax, 0);
    EXPECT_EQ(heatMapMin, -8);
    EXPECT_EQ(form_.Label4->text(), "-8");
    EXPECT_EQ(Cell(1, 1), ColorButtonFace);
    form_.Button9Click();   // "View 2" draws with them
    EXPECT_EQ(Cell(1, 1), Grey(0));
    EXPECT_EQ(Cell(0, 0), Grey(255));
}

TEST_F(HeatMapWindow, Y5AndButton7FillTheMapBeforeDrawing)
{
    vanishCountY1[4][4] = 6;
    appearCountY1[4][4] = 2;
    appearCountY1[0][1] = 1;
    form_.Button5Click();
    EXPECT_EQ(cellStatMap[4][4], 4);
    EXPECT_EQ(cellStatMap[0][1], -1);
    EXPECT_EQ(Cell(4, 4), Grey(255));

    std::fill(std::begin(squareCells), std::end(squareCells), 2);
    squareCells[SquareIndex(7, 8)] = 0;
    form_.Button7Click();
    EXPECT_EQ(cellStatMap[7][8], 0);
    EXPECT_EQ(cellStatMap[4][4], 2);
    EXPECT_EQ(Cell(7, 8), Grey(0));
}

TEST_F(HeatMapWindow, BPointsAreRedOnOddAndLimeOnEvenCells)
{
    bPointCount = 2;
    bPointY[0] = 2;
    bPointX[0] = 3;
    bPointY[1] = 4;
    bPointX[1] = 4;
    form_.Button4Click();
    EXPECT_EQ(Cell(2, 3), ColorRed);
    EXPECT_EQ(Cell(4, 4), ColorLime);
    EXPECT_EQ(form_.Label2->text(), "3");
}

TEST_F(HeatMapWindow, ClickDrawsTheCrossHairAndFillsBothProfiles)
{
    cellStatMap[69][69] = 42;
    squareRowCount = squareColumnCount = 40;
    form_.FormMouseDown(Qt::LeftButton, {}, 419, 419);
    EXPECT_EQ(form_.Label9->text(), "69");
    EXPECT_EQ(form_.Label10->text(), "69");
    EXPECT_EQ(form_.Label1->text(), "42");
    EXPECT_EQ(form_.canvas().pixel(0, 418), ColorGreen);
    EXPECT_EQ(form_.canvas().pixel(419, 418), ColorGreen);
    EXPECT_EQ(form_.canvas().pixel(420, 418), ColorRed);   // the line ends before 420
    EXPECT_EQ(form_.canvas().pixel(418, 0), ColorGreen);
    EXPECT_EQ(form_.Chart5->pointCount(form_.chart5Series()), 40);
    EXPECT_EQ(form_.Chart6->pointCount(form_.chart6Series()), 40);

    squareRowCount = squareColumnCount = 131;   // the profiles stop at the map's 70
    form_.FormMouseDown(Qt::LeftButton, {}, 10, 20);
    EXPECT_EQ(form_.Label9->text(), "2");
    EXPECT_EQ(form_.Label10->text(), "3");
    EXPECT_EQ(form_.Chart5->pointCount(form_.chart5Series()), 70);
    EXPECT_EQ(form_.Chart6->pointCount(form_.chart6Series()), 70);
}

// The one-picture drawing equals the 4900 cell rectangles, edges included.
TEST_F(HeatMapWindow, PictureEqualsTheCellRectangles)
{
    for (int r = 0; r < kStatSide; ++r)
        for (int c = 0; c < kStatSide; ++c)
            cellStatMap[r][c] = (r * 37 + c * 101) % 613 - 300;
    form_.Button3Click();

    Canvas expected(800, 800, ColorRed);
    expected.brush.color = ColorButtonFace;
    expected.fillRect(0, 0, 700, 700);
    const HeatMapSummary s = SummariseHeatMap(cellStatMap);
    for (int r = 0; r < kStatSide; ++r)
        for (int c = 0; c < kStatSide; ++c) {
            expected.brush.color = static_cast<TColor>(HeatMapGrey(cellStatMap[r][c], s.min, s.max));
            expected.fillRect(6 * c, 6 * r, 6 * c + 6, 6 * r + 6);
        }
    EXPECT_EQ(form_.canvas().image().copy(0, 0, 701, 701), expected.image().copy(0, 0, 701, 701));
}
