// The recorded run on the main window: the refresh entry "DO 149" with its
// grids, the space-time picture's pixels, the draw-cell colours, the scroll
// controls and the Step W views.
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "engine/RunControls.h"
#include "engine/StringLength.h"
#include "engine/StringState.h"
#include "runs/EventTables.h"
#include "runs/RecordedRun.h"
#include "runs/RunViewState.h"
#include "runs/SixLetterHistory.h"
#include "tables2d/GrowthEvents.h"
#include "tables2d/TwoDimState.h"
#include "../engine/TempWorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The main window with a length-5 string on the "Circle" border and the mask
// of distance 1 on both sides: "DO 149" then makes the run worked by hand in
// the core tests (A = 2 1 1 1 1, A stops at step 5, B at step 4).
class RecordedRunWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateWindows();
        Form1->show_();
        Form1->CheckBox61->setChecked(false);
        Form1->Edit1->setText("5");
        Form1->RadioGroup2->setItemIndex(1);
        ASSERT_TRUE(Form1->CheckBox3->isChecked());
        ASSERT_TRUE(Form1->CheckBox14->isChecked());
        ASSERT_EQ(cellWidth, 25);
        ASSERT_EQ(cellHeight, 25);
        viewStartRow = 0;
        viewScrollRow = 0;
    }
    TempWorkDir dir_;   // the run stores its start string as "CA/ca5.dat"
};

GridCellPainter PaintedCell(StringGrid* grid, int col, int row)
{
    GridCellPainter cell;
    cell.col = col;
    cell.row = row;
    cell.isFixed = col == 0 || row == 0;
    cell.text = grid->cell(col, row);
    if (grid->onDrawCell)
        grid->onDrawCell(cell);
    return cell;
}

} // namespace

TEST_F(RecordedRunWindow, RefreshEntryRunsAndFillsEveryGrid)
{
    const int32_t ticks = trialTickCount;
    Form1->Button149Click();
    EXPECT_EQ(trialTickCount, ticks + 1);
    EXPECT_EQ(isRunSuccessful, 1);
    EXPECT_EQ(stopTimeA, 5);
    EXPECT_EQ(stopTimeB, 4);
    EXPECT_EQ(historyRowCount, 3);
    EXPECT_EQ(Form1->Label137->text(), "5");
    EXPECT_EQ(Form1->Label180->text(), "4");
    EXPECT_EQ(Form1->Label279->text(), "3");
    EXPECT_TRUE(std::filesystem::exists("CA/ca5.dat"));
    EXPECT_EQ(eventFrontDiffIncrement[0][0], -1);
    EXPECT_EQ(eventFrontDiffIncrement[1][1], -1);
    EXPECT_EQ(eventFrontDiffIncrement[2][4], 99);
    EXPECT_EQ(eventElementA[1][2], 5);

    // PR grid of A: stopTimeA rows of letters under the headers.
    StringGrid* pr = Form1->StringGrid1;
    EXPECT_EQ(pr->colCount(), 6);
    EXPECT_EQ(pr->rowCount(), 6);
    EXPECT_EQ(pr->colWidth(3), 23);
    EXPECT_EQ(pr->cell(0, 0), "N");
    EXPECT_EQ(pr->cell(1, 0), "0");
    EXPECT_EQ(pr->cell(5, 0), "4");
    EXPECT_EQ(pr->cell(0, 5), "4");
    EXPECT_EQ(pr->cell(1, 1), "A");
    EXPECT_EQ(pr->cell(2, 1), "C");
    EXPECT_EQ(pr->cell(1, 3), "B");
    EXPECT_EQ(Form1->StringGrid2->rowCount(), 5);
    EXPECT_EQ(Form1->StringGrid2->cell(1, 1), "C");

    // Pdb grids: event values, parity letters, signed phases.
    StringGrid* pdb = Form1->StringGrid13;
    EXPECT_EQ(pdb->rowCount(), 4);
    EXPECT_EQ(pdb->cell(0, 3), "2");
    EXPECT_EQ(pdb->cell(1, 1), "A");
    EXPECT_EQ(pdb->cell(1, 2), "C");
    EXPECT_EQ(Form1->StringGrid14->cell(2, 1), "A");
    EXPECT_EQ(Form1->StringGrid7->rowCount(), 4);
    EXPECT_EQ(Form1->StringGrid7->colWidth(1), 18);
    EXPECT_EQ(Form1->StringGrid7->cell(1, 1), "a");   // A's 2 at row 0
    EXPECT_EQ(Form1->StringGrid7->cell(1, 2), "A");   // A's 0: B's 2 at (even) row 2
    EXPECT_EQ(Form1->StringGrid8->cell(1, 2), "b");   // A's 0 at row 1
    StringGrid* phases = Form1->StringGrid9;
    EXPECT_EQ(phases->rowCount(), 4);
    EXPECT_EQ(phases->colWidth(2), 28);
    EXPECT_EQ(phases->cell(1, 1), "-x");
    EXPECT_EQ(phases->cell(2, 1), "+x");
    EXPECT_EQ(phases->cell(2, 2), "-z");
    EXPECT_EQ(phases->cell(0, 3), "2");

    // Show: the history grids after a run whose traces were cleared.
    EXPECT_EQ(Form1->StringGrid3->rowCount(), 4);
    EXPECT_EQ(Form1->StringGrid3->cell(1, 1), "-99");
    EXPECT_EQ(Form1->RichEdit3->lineCount(), HistoryRowsInUse());
    EXPECT_EQ(Form1->Label30->text(), "-99");
}

TEST_F(RecordedRunWindow, GridsColourTheirCellsByValue)
{
    Form1->Button149Click();
    GridCellPainter a = PaintedCell(Form1->StringGrid1, 1, 1);
    EXPECT_EQ(a.brushColor, ColorWindow);
    EXPECT_EQ(a.text, "A");
    GridCellPainter c = PaintedCell(Form1->StringGrid1, 2, 1);
    EXPECT_EQ(c.brushColor, ColorButtonFace);
    EXPECT_EQ(c.fontColor, ColorBlack);
    GridCellPainter b = PaintedCell(Form1->StringGrid1, 1, 3);
    EXPECT_EQ(b.brushColor, RGBColor(128, 128, 128));
    EXPECT_EQ(b.text, "B");
    GridCellPainter header = PaintedCell(Form1->StringGrid1, 0, 2);
    EXPECT_EQ(header.text, "1");
    EXPECT_EQ(PaintedCell(Form1->StringGrid13, 1, 2).brushColor, ColorButtonFace);
    EXPECT_EQ(PaintedCell(Form1->StringGrid14, 1, 2).brushColor, ColorWindow);
    EXPECT_EQ(PaintedCell(Form1->StringGrid5, 1, 1).brushColor, ColorWindow);   // default drawing
}

TEST_F(RecordedRunWindow, PictureShowsStripesShapesAndLinks)
{
    Form1->Button149Click();
    Form1->Button151Click();   // redrawn without the hatch marks
    const Canvas& cv = Form1->canvas();
    const int T = fieldDrawTop;
    // Every front of event row 0 is at step 0: only row 0 carries shapes.
    EXPECT_EQ(cv.pixel(12, T + 12), ColorYellow);                // B's 0 at column 0: front outline
    EXPECT_EQ(cv.pixel(9, T + 9), ColorLime);                    // A's 2 at column 0: front ellipse
    EXPECT_EQ(cv.pixel(37, T + 21), ColorLime);                  // A's 0 at column 1: front triangle
    EXPECT_EQ(cv.pixel(50, T + 25), ColorBlue);                  // link between A's 0s of columns 1 and 2
    EXPECT_EQ(cv.pixel(3, T + 40), RGBColor(233, 240, 230));     // step 1: phase stripe only
    EXPECT_EQ(cv.pixel(3, T + 60), RGBColor(255, 128, 128));     // step 2
    EXPECT_EQ(cv.pixel(3, T + 80), ColorInactiveCaption);        // step 3
    EXPECT_EQ(cv.pixel(3, T + 5 * 25 + 5), RGBColor(255, 128, 128));   // the last stripe, step 5
    EXPECT_EQ(cv.pixel(3, T + 6 * 25 + 5), ColorButtonFace);    // nothing below it

    // Without "Solid" and "Cont" only the stripes (and links) are drawn.
    Form1->CheckBox50->setChecked(false);
    Form1->CheckBox51->setChecked(false);
    EXPECT_EQ(cv.pixel(9, T + 9), ColorInactiveCaption);
    EXPECT_EQ(cv.pixel(37, T + 21), ColorInactiveCaption);
}

TEST_F(RecordedRunWindow, ScrollingMovesTheShownEventRowAndRunsAgain)
{
    Form1->Button149Click();
    const int32_t ticks = trialTickCount;
    Form1->UpDown10->press(true);
    EXPECT_EQ(viewScrollRow, 1);
    EXPECT_EQ(viewStartRow, 2);
    EXPECT_EQ(Form1->Label282->text(), "1");
    EXPECT_EQ(Form1->Label134->text(), "2");
    EXPECT_EQ(Form1->UpDown9->position(), 2);
    EXPECT_EQ(trialTickCount, ticks + 1);
    EXPECT_EQ(Form1->StringGrid9->rowCount(), 2);   // event rows 2.. of 3
    EXPECT_EQ(Form1->StringGrid9->cell(0, 1), "2");

    // An event row past the run's rows leaves StringGrid9 with its headers only;
    // one before the first row shows no letters for the missing rows.
    Form1->UpDown9->setPosition(7);
    Form1->UpDown9->press(true);
    EXPECT_EQ(viewStartRow, 8);
    EXPECT_EQ(Form1->StringGrid9->rowCount(), 1);
    viewStartRow = -2;
    Form1->Button149Click();
    EXPECT_EQ(Form1->StringGrid9->rowCount(), 6);
    EXPECT_EQ(Form1->StringGrid9->cell(1, 1), "");
    EXPECT_EQ(Form1->StringGrid9->cell(1, 3), "-x");
}

TEST_F(RecordedRunWindow, StepWViewsFillTheTwoGrids)
{
    Form1->Button149Click();
    Form1->RadioGroup16->setItemIndex(2);   // "ffN6"
    EXPECT_EQ(Form1->StringGrid5->rowCount(), 4);
    EXPECT_EQ(Form1->StringGrid5->colWidth(0), 23);
    EXPECT_EQ(Form1->StringGrid5->colWidth(1), 33);
    EXPECT_EQ(Form1->StringGrid5->cell(1, 2), "4");
    EXPECT_EQ(Form1->StringGrid6->cell(1, 1), "3");
    Form1->RadioGroup16->setItemIndex(3);   // "D": events at steps 1 and 3 -> 1
    EXPECT_EQ(Form1->StringGrid5->cell(1, 2), "1");

    Form1->Button177Click();
    EXPECT_EQ(Form1->StringGrid5->cell(1, 1), "-x");
    EXPECT_EQ(Form1->StringGrid6->cell(1, 1), "+x");
    EXPECT_EQ(Form1->StringGrid5->cell(1, 3), "+x");   // A's 0 at step 3: phase 0
    EXPECT_EQ(eventStepA[2][0], 0);

    growthEventState1[1][0][0] = 2;
    growthFrontDiffIncrement[1][4][4] = -3;
    Form1->UpDown11->press(true);
    EXPECT_EQ(stepWTableIndex, 1);
    EXPECT_EQ(Form1->Label403->text(), "1");
    EXPECT_EQ(Form1->StringGrid5->rowCount(), 6);
    EXPECT_EQ(Form1->StringGrid5->cell(1, 1), "2");
    Form1->RadioGroup19->setItemIndex(6);
    EXPECT_EQ(Form1->StringGrid6->cell(5, 5), "-3");
    EXPECT_EQ(Form1->StringGrid6->cell(0, 5), "4");
}

TEST_F(RecordedRunWindow, RowHookAcknowledgesStopsAndTheRandomSwitch)
{
    stringAStopState = 1;
    stringBStopState = 0;
    Form1->Button145Click();
    EXPECT_EQ(stringAStopState, 2);
    EXPECT_EQ(stringBStopState, 0);
    Form1->CheckBox61->setChecked(true);
    Form1->Button146Click();
    EXPECT_EQ(requestedBPointCount, 2);
    EXPECT_EQ(Form1->Edit7->text(), "2");
    EXPECT_FALSE(Form1->Button125->isEnabled());
    EXPECT_TRUE(Form1->Button126->isEnabled());
    EXPECT_EQ(stepsPerRun, 1);
    EXPECT_EQ(Form1->Edit2->text(), "1");
}
