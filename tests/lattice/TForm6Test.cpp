// The rule-table window "Show RCA": its edits, what one drawing shows, the mouse
// on the grid and the curves, the weights file, the commands over the table,
// the chart selections and the paint event.
#include "LatticeFormFixture.h"
#include "lattice/LatticeRuleTable.h"
#include "lattice/LatticeSettings.h"
#include "lattice/RandomRuleTable.h"
#include "lattice/RuleTableWindow.h"
#include "lattice/RuleWeightsFile.h"
#include "lattice/TForm6.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <iterator>

namespace {

class RuleWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::fill(std::begin(ruleWeightsX), std::end(ruleWeightsX), 0.21);
        std::fill(std::begin(ruleWeightsY), std::end(ruleWeightsY), 0.21);
    }
    void Redraw()
    {
        form.Button2Click();
        form.Button1Click();
    }
    TColor Pixel(int x, int y) { return form.canvas().pixel(x, y); }
    static int SetEntries() { return static_cast<int>(std::count(latticeRuleTable, latticeRuleTable + kLatticeRuleHalf, 1)); }

    TForm6 form;
};

} // namespace

TEST_F(RuleWindow, ShowingPlacesTheUpDownsAndEditsStoreTheirGlobals)
{
    chartRowX1 = 30;
    form.FormShow();
    EXPECT_EQ(form.UpDown2->position(), 30);
    EXPECT_EQ(form.UpDown5->position(), 7);
    ExpectEditsStoreTheirGlobals({{form.Edit1, &countInterval}, {form.Edit2, &countIntervalPercent},
                                  {form.Edit3, &seedColumn}, {form.Edit4, &seedRow}});
}

TEST_F(RuleWindow, ADrawingShowsFixedMarksSetEntriesLinesCurvesAndTheInterval)
{
    latticeRuleTable[kLatticeRuleHalf + RuleEntryIndex(0, 0, 0, 2)] = 1;   // cell at (28, 0)
    latticeRuleTable[RuleEntryIndex(0, 1, 0, 3)] = 1;                      // cell at (42, 14)
    ruleEntryCounts[RuleEntryIndex(2, 2, 2, 2)] = 40000;                   // cell at (280, 168)
    Redraw();
    EXPECT_EQ(Pixel(34, 7), ColorAqua);
    EXPECT_EQ(Pixel(42, 21), ColorOlive);        // the ring's left edge
    EXPECT_EQ(Pixel(49, 21), ColorButtonFace);   // hollow
    EXPECT_EQ(Pixel(287, 175), ColorBlack);      // the largest count: the darkest grey
    EXPECT_EQ(Pixel(100, 70), ColorRed);
    EXPECT_EQ(Pixel(700, 100), ColorRed);
    EXPECT_EQ(Pixel(5, 364), ColorGreen);        // X curve at 350 + trunc(70 x 0.21)
    EXPECT_EQ(Pixel(644, 5), ColorGreen);        // Y curve at 630 + 14
    EXPECT_EQ(Pixel(630, 14 * 6 + 7), ColorGreen);   // the rows "Y2=" 6 and "Y!=" 7
    EXPECT_EQ(Pixel(630, 14 * 7 + 7), ColorRed);

    form.CheckBox1->setChecked(true);   // 30000 < 40000 < 45000: ringed red
    Redraw();
    EXPECT_EQ(Pixel(287, 175), ColorRed);
}

TEST_F(RuleWindow, MouseInvertsOrInspectsEntriesAndDragsTheCurves)
{
    const int e = RuleEntryIndex(1, 0, 1, 0);
    form.FormMouseDown(Qt::LeftButton, {}, 130, 75);
    EXPECT_EQ(latticeRuleTable[e], 1);
    EXPECT_EQ(Pixel(139, 77), ColorOlive);   // the ring's right edge

    ruleEntryCounts[RuleEntryIndex(3, 4, 2, 8)] = 17;
    form.FormMouseDown(Qt::RightButton, {}, 126 * 2 + 14 * 8 + 3, 70 * 3 + 14 * 4 + 3);
    EXPECT_EQ(form.Label1->text(), "17");
    EXPECT_EQ(form.Label2->text() + form.Label3->text() + form.Label4->text() + form.Label5->text(), "3428");
    EXPECT_EQ(SetEntries(), 1);

    form.FormMouseDown(Qt::LeftButton, {}, 14 * 3 + 2, 360);   // the X strip: a drag, no entry
    form.FormMouseUp(Qt::LeftButton, {}, 14 * 3 + 2, 395);
    EXPECT_EQ(SetEntries(), 1);
    EXPECT_DOUBLE_EQ(ruleWeightsX[3], 0.71);
    EXPECT_EQ(Pixel(14 * 3 + 5, 399), ColorGreen);
    EXPECT_EQ(Pixel(14 * 3 + 5, 364), ColorButtonFace);
}

TEST_F(RuleWindow, WeightsAreWrittenAndReadBackAndABadFileIsRefusedWithABox)
{
    TempWorkDir dir;
    form.Button4Click();   // random weights
    const double x0 = ruleWeightsX[0];
    form.Button16Click();
    ASSERT_EQ(std::filesystem::file_size(kRuleWeightsFileName), 560u);
    ruleWeightsX[0] = 0.5;
    Redraw();
    form.Button15Click();
    EXPECT_EQ(ruleWeightsX[0], x0);
    EXPECT_EQ(Pixel(100, 70), ColorButtonFace);   // "Read" clears without redrawing

    Redraw();
    std::filesystem::resize_file(kRuleWeightsFileName, 100);
    RecordedMessages messages;
    form.Button15Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Warning");
    EXPECT_TRUE(messages.shown[0].text.contains("data/dxx.dat"));
    EXPECT_EQ(ruleWeightsX[0], x0);
    EXPECT_EQ(Pixel(100, 70), ColorRed);   // nothing cleared either
}

TEST_F(RuleWindow, TableCommandsAndTheIntervalButtons)
{
    latticeRuleTable[kLatticeRuleHalf + 5] = 1;
    form.Button8Click();   // "Make Invert": every free entry but entry 0
    EXPECT_EQ(SetEntries(), kLatticeRuleHalf - 2);
    form.Button9Click();   // "mask=0"
    form.Button7Click();   // "Make clear"
    EXPECT_EQ(SetEntries(), 0);
    EXPECT_EQ(latticeRuleTable[kLatticeRuleHalf + 5], 0);

    std::fill(std::begin(ruleWeightsX), std::end(ruleWeightsX), 1.0);
    std::fill(std::begin(ruleWeightsY), std::end(ruleWeightsY), 1.0);
    form.Button5->click();   // "Make RCA"
    EXPECT_EQ(form.Label31->text(), "10");
    EXPECT_GE(SetEntries(), 1);
    EXPECT_LE(SetEntries(), 10);

    form.Button11->click();
    EXPECT_EQ(form.Edit1->text(), "15000");
    form.Edit1->setText("2000000000");
    form.Button12->click();   // 3e9 does not fit: held at the int32 limit
    EXPECT_EQ(countInterval, INT32_MAX);
    EXPECT_EQ(form.Edit1->text(), "2147483647");
}

TEST_F(RuleWindow, UpDownsChooseTheChartLines)
{
    form.UpDown4->press(true);   // "Y2=" 6 -> 7
    EXPECT_EQ(chartRowY2, 7);
    EXPECT_EQ(form.Label8->text(), "7");
    EXPECT_EQ(form.Chart1->pointCount(0), 45);
    EXPECT_EQ(form.Chart2->pointCount(1), 25);
    for (int k = 0; k < 30; ++k)
        form.UpDown5->press(true);
    EXPECT_EQ(chartRowY1, 24);   // the last row
}

// Only the paint after a showing draws (events called directly: a shown chart leaks in Qt Charts).
TEST_F(RuleWindow, ThePaintAfterAShowingDraws)
{
    form.FormPaint();
    EXPECT_EQ(Pixel(100, 70), ColorButtonFace);
    form.FormShow();
    form.FormPaint();
    EXPECT_EQ(Pixel(100, 70), ColorRed);
    form.Button2Click();
    form.FormPaint();
    EXPECT_EQ(Pixel(100, 70), ColorButtonFace);
}
