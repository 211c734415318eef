// The recorded run on the main window: the refresh entry "DO 149" with its
// grids, the space-time picture's pixels, the draw-cell colours, the scroll
// controls and the Step W views.
#include "../app/StartedWorkbench.h"
#include "../app/StatusBarPaints.h"
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "engine/StringState.h"
#include "runs/RecordedRun.h"
#include "runs/RunViewState.h"
#include "runs/SpaceTimeView.h"
#include "runs/SixLetterHistory.h"
#include "base/GrowthEvents.h"
#include "tables2d/TwoDimState.h"
#include "widgets/Handlers.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>

namespace {

// "DO 149" on a length-5 "Circle" string makes the run worked by hand in the core tests.
class RecordedRunWindow : public StartedWorkbench {
protected:
    void SetUp() override
    {
        StartedWorkbench::SetUp();
        Form1->CheckBox61->setChecked(false);
        Form1->Edit1->setText("5");
        Form1->RadioGroup2->setItemIndex(1);
        viewStartRow = viewScrollRow = 0;
        Form1->Button149Click();
    }
};

struct CellText {
    StringGrid* grid;
    int col, row;
    const char* text;
};

void ExpectCells(std::initializer_list<CellText> cells)
{
    for (const CellText& c : cells)
        EXPECT_EQ(c.grid->cell(c.col, c.row), c.text) << c.grid->objectName().toStdString() << " (" << c.col << ", " << c.row << ")";
}

void ExpectRowCounts(std::initializer_list<std::pair<StringGrid*, int>> grids)
{
    for (const auto& [grid, rows] : grids)
        EXPECT_EQ(grid->rowCount(), rows) << grid->objectName().toStdString();
}

GridCellPainter PaintedCell(StringGrid* grid, int col, int row)
{
    GridCellPainter cell{col, row};
    cell.text = grid->cell(col, row);
    grid->onDrawCell(cell);
    return cell;
}

} // namespace

TEST_F(RecordedRunWindow, RefreshEntryRunsAndFillsEveryGrid)
{
    const int32_t ticks = trialTickCount;
    Form1->Button149Click();
    EXPECT_EQ(trialTickCount, ticks + 1);
    EXPECT_EQ(historyRowCount, 3);
    EXPECT_EQ(Form1->Label137->text() + Form1->Label180->text() + Form1->Label279->text(), "543");
    EXPECT_TRUE(std::filesystem::exists("CA/ca5.dat"));

    // PR grids: stopTimeA / stopTimeB rows of letters under the headers; Pdb
    // grids: event values, parity letters, signed phases, one row per event row.
    TForm1* F = Form1;
    EXPECT_EQ(F->StringGrid1->colCount(), 6);
    ExpectRowCounts({{F->StringGrid1, 6}, {F->StringGrid2, 5}, {F->StringGrid13, 4}, {F->StringGrid7, 4},
                     {F->StringGrid9, 4}, {F->StringGrid3, 4}});
    ExpectCells({{F->StringGrid1, 0, 0, "N"}, {F->StringGrid1, 1, 0, "0"}, {F->StringGrid1, 5, 0, "4"},
                 {F->StringGrid1, 0, 5, "4"}, {F->StringGrid1, 1, 1, "A"}, {F->StringGrid1, 2, 1, "C"},
                 {F->StringGrid1, 1, 3, "B"}, {F->StringGrid2, 1, 1, "C"},
                 {F->StringGrid13, 0, 3, "2"}, {F->StringGrid13, 1, 1, "A"}, {F->StringGrid13, 1, 2, "C"},
                 {F->StringGrid14, 2, 1, "A"},
                 // A's 2 at row 0; A's 0 beside B's 2 at (even) row 2; A's 0 at row 1.
                 {F->StringGrid7, 1, 1, "a"}, {F->StringGrid7, 1, 2, "A"}, {F->StringGrid8, 1, 2, "b"},
                 {F->StringGrid9, 1, 1, "-x"}, {F->StringGrid9, 2, 1, "+x"}, {F->StringGrid9, 2, 2, "-z"},
                 {F->StringGrid9, 0, 3, "2"},
                 {F->StringGrid3, 1, 1, "-99"}});   // the history of a run whose traces were cleared
    EXPECT_EQ(F->RichEdit3->lineCount(), HistoryRowsInUse());
    EXPECT_EQ(F->Label30->text(), "-99");
}

// A run that meets the row limit shows the count of its last step, 499, or
// -499 with time reversed.
TEST_F(RecordedRunWindow, ARunEndedByTheRowLimitShowsItsLastStep)
{
    Form1->CheckBox49->setChecked(true);   // "unStop" at steps no run of 498 rows reaches
    Form1->Edit52->setText("1000");
    Form1->Edit53->setText("1000");
    Form1->Button146Click();
    EXPECT_EQ(isRunSuccessful, 0);
    EXPECT_EQ(Form1->StatusBar1->simpleText(), "499");

    Form1->CheckBox49->setChecked(false);
    Form1->Button10Click();   // Reverse: the steps count down and no string stops
    Form1->Button146Click();
    EXPECT_EQ(isRunSuccessful, 0);
    EXPECT_EQ(Form1->StatusBar1->simpleText(), "-499");
}

// The status bar follows the steps of a run: inside a handler that has run long
// enough for the bar to repaint itself, the counts it paints meanwhile are the
// run's steps as they go; in any handler the count of the last step stays.
TEST_F(RecordedRunWindow, TheStatusBarFollowsTheStepsOfARun)
{
    Form1->CheckBox49->setChecked(true);   // "unStop": 400 steps
    Form1->Edit52->setText("399");
    Form1->Edit53->setText("400");
    QStringList painted = StatusTextsPaintedDuring([] { RunGuarded([] { Form1->Button146Click(); }); });
    EXPECT_EQ(Form1->StatusBar1->simpleText(), "401");
    ASSERT_GE(painted.size(), 3);
    int previous = 0;
    for (const QString& text : painted) {
        const int step = text.toInt();
        EXPECT_TRUE(step > previous && step <= 401) << text.toStdString();
        previous = step;
    }

    Form1->Edit53->setText("300");
    painted = StatusTextsPaintedDuring([] { RunGuarded([] { Form1->Button146Click(); }); }, false);
    EXPECT_TRUE(painted.isEmpty());   // a short handler paints after it returns
    EXPECT_EQ(Form1->StatusBar1->simpleText(), "400");
}

TEST_F(RecordedRunWindow, GridsColourTheirCellsByValue)
{
    EXPECT_EQ(PaintedCell(Form1->StringGrid1, 1, 1).brushColor, ColorWindow);   // "A"
    EXPECT_EQ(PaintedCell(Form1->StringGrid1, 2, 1).brushColor, ColorButtonFace);   // "C"
    EXPECT_EQ(PaintedCell(Form1->StringGrid1, 1, 3).brushColor, RGBColor(128, 128, 128));   // "B"
    EXPECT_EQ(PaintedCell(Form1->StringGrid13, 1, 2).brushColor, ColorButtonFace);
    EXPECT_EQ(PaintedCell(Form1->StringGrid14, 1, 2).brushColor, ColorWindow);

    // The letter of a cell drawn on a tall cell: its ink begins 5 pixels right
    // of and below the corner, within one line of text.
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Form1->StringGrid1->paintCell(&painter, image.rect(), 1, 3, false);   // "B" on grey
    }
    const QRgb grey = qRgb(128, 128, 128);
    int left = 60, top = 60;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            if (image.pixel(x, y) != grey) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
    EXPECT_GE(left, 5);
    EXPECT_LE(left, 7);
    EXPECT_GE(top, 5);
    EXPECT_LT(top, 5 + Form1->StringGrid1->fontMetrics().height());
}

TEST_F(RecordedRunWindow, PictureShowsStripesShapesAndLinks)
{
    Form1->Button151Click();   // redrawn without the hatch marks
    const Canvas& cv = Form1->canvas();
    const int T = fieldDrawTop;
    // Every front of event row 0 is at step 0: only row 0 carries shapes.
    EXPECT_EQ(cv.pixel(12, T + 12), ColorYellow);                // B's 0 at column 0: front outline
    EXPECT_EQ(cv.pixel(9, T + 9), ColorLime);                    // A's 2 at column 0: front ellipse
    EXPECT_EQ(cv.pixel(37, T + 21), ColorLime);                  // A's 0 at column 1: front triangle
    EXPECT_EQ(cv.pixel(50, T + 25), ColorBlue);                  // link between A's 0s of columns 1 and 2
    EXPECT_EQ(cv.pixel(3, T + 5 * 25 + 5), RGBColor(255, 128, 128));   // the last stripe, step 5
    EXPECT_EQ(cv.pixel(3, T + 6 * 25 + 5), ColorButtonFace);    // nothing below it

    // "Mk clear" paints over the cells outside the fronts (steps 1 on here),
    // each a pixel larger on every side; unticked, their stripes show.
    EXPECT_EQ(cv.pixel(3, T + 25 + 5), RGBColor(233, 240, 230));
    EXPECT_NE(cv.pixel(12, T + 24), ColorButtonFace);
    Form1->CheckBox48->setChecked(true);
    EXPECT_EQ(cv.pixel(3, T + 25 + 5), ColorButtonFace);
    EXPECT_EQ(cv.pixel(12, T + 24), ColorButtonFace);   // the last line of step 0, under step 1's margin
    EXPECT_EQ(cv.pixel(9, T + 9), ColorLime);           // the front cells stay
    Form1->CheckBox48->setChecked(false);

    // Without "Solid" and "Cont" only the stripes (and links) are drawn.
    Form1->CheckBox50->setChecked(false);
    Form1->CheckBox51->setChecked(false);
    EXPECT_EQ(cv.pixel(9, T + 9), ColorInactiveCaption);
    EXPECT_EQ(cv.pixel(37, T + 21), ColorInactiveCaption);
}

// The picture repaints every cell it covers, whatever the canvas held there:
// drawn over other figures it is the picture drawn on a cleared canvas, for
// even and odd cell sizes, with and without the shapes.
TEST_F(RecordedRunWindow, ThePictureCoversWhatTheCanvasHeldUnderIt)
{
    Canvas& cv = Form1->canvas();
    for (const auto& [w, h] : {std::pair{25, 25}, std::pair{14, 9}}) {
        Form1->Edit49->setText(QString::number(w));
        Form1->Edit50->setText(QString::number(h));
        for (const bool shapes : {true, false}) {
            Form1->CheckBox50->setChecked(shapes);
            Form1->CheckBox51->setChecked(shapes);
            const QRect picture(0, fieldDrawTop, 5 * w, (std::max(stopTimeA, stopTimeB) + 1) * h);
            Form1->Button8Click();
            Form1->Button151Click();
            const QImage onCleared = cv.copy(picture);
            cv.brush.color = ColorRed;
            cv.fillRect(0, 0, 400, 400);
            cv.pen.color = ColorNavy;
            cv.moveTo(0, fieldDrawTop);
            cv.lineTo(5 * w, fieldDrawTop + 3 * h);
            cv.brush.color = ColorButtonFace;
            cv.fillRect(w, fieldDrawTop + h, 2 * w, fieldDrawTop + 2 * h);
            Form1->Button151Click();
            EXPECT_EQ(cv.copy(picture), onCleared) << w << "x" << h << (shapes ? " with shapes" : "");
        }
    }
}

TEST_F(RecordedRunWindow, HatchMarksCrossTheFrontCellsOfBothStrings)
{
    Canvas& cv = Form1->canvas();
    cv.brush.color = ColorWhite;
    cv.brush.style = BrushStyle::Solid;
    cv.fillRect(0, 0, 1000, 1000);
    std::fill(std::begin(frontRowMarkA), std::end(frontRowMarkA), 30);   // every other column far below
    std::fill(std::begin(frontRowMarkB), std::end(frontRowMarkB), 30);
    frontRowMarkA[1] = 2;   // column 1: A's front at step 2, B's at step 3
    frontRowMarkB[1] = 3;
    Form1->Button198Click();
    const int T = fieldDrawTop, x0 = 25;
    // Five vertical lines through A's front cell at x0 + 2, 7, .. 22 (w / 5 = 5 apart, half a step in) ...
    for (int o : {2, 7, 12, 17, 22}) EXPECT_EQ(cv.pixel(x0 + o, T + 2 * 25 + 10), ColorBlack) << o;
    EXPECT_EQ(cv.pixel(x0 + 4, T + 2 * 25 + 10), ColorWhite);
    EXPECT_EQ(cv.pixel(x0 + 5, T + 2 * 25 + 10), ColorWhite);
    // ... and five horizontal lines through B's front cell.
    for (int o : {2, 7, 12, 17, 22}) EXPECT_EQ(cv.pixel(x0 + 10, T + 3 * 25 + o), ColorBlack) << o;
    EXPECT_EQ(cv.pixel(x0 + 10, T + 3 * 25 + 14), ColorWhite);
    EXPECT_EQ(cv.pixel(x0 + 10, T + 3 * 25 + 15), ColorWhite);
}

TEST_F(RecordedRunWindow, ScrollingMovesTheShownEventRowAndRunsAgain)
{
    const int32_t ticks = trialTickCount;
    Form1->UpDown10->press(true);
    EXPECT_EQ(viewStartRow, 2);
    EXPECT_EQ(Form1->Label282->text() + Form1->Label134->text(), "12");
    EXPECT_EQ(trialTickCount, ticks + 1);
    ExpectRowCounts({{Form1->StringGrid9, 2}});   // event rows 2.. of 3
    ExpectCells({{Form1->StringGrid9, 0, 1, "2"}});

    // An event row past the run's rows leaves StringGrid9 with its headers only;
    // one before the first row shows no letters for the missing rows.
    Form1->UpDown9->setPosition(7);
    Form1->UpDown9->press(true);
    EXPECT_EQ(viewStartRow, 8);
    ExpectRowCounts({{Form1->StringGrid9, 1}});
    viewStartRow = -2;
    Form1->Button149Click();
    ExpectRowCounts({{Form1->StringGrid9, 6}});
    ExpectCells({{Form1->StringGrid9, 1, 1, ""}, {Form1->StringGrid9, 1, 3, "-x"}});
}

TEST_F(RecordedRunWindow, StepWViewsFillTheTwoGrids)
{
    TForm1* F = Form1;
    F->RadioGroup16->setItemIndex(2);   // "ffN6"
    ExpectRowCounts({{F->StringGrid5, 4}});
    ExpectCells({{F->StringGrid5, 1, 2, "4"}, {F->StringGrid6, 1, 1, "3"}});
    F->RadioGroup16->setItemIndex(3);   // "D": events at steps 1 and 3 -> 1
    ExpectCells({{F->StringGrid5, 1, 2, "1"}});
    // "StGr6" labels its rows from the shown event row; "StGr5" from 0.
    viewStartRow = 2;
    F->Button166Click();
    ExpectCells({{F->StringGrid6, 0, 1, "2"}, {F->StringGrid6, 0, 2, "3"}, {F->StringGrid5, 0, 1, "0"},
                 {F->StringGrid6, 0, 0, "N"}});
    viewStartRow = 0;
    F->Button177Click();                // "xyz": A's 0 at step 3 has phase 0
    ExpectCells({{F->StringGrid5, 1, 1, "-x"}, {F->StringGrid6, 1, 1, "+x"}, {F->StringGrid5, 1, 3, "+x"}});

    // The growth run's event plane 1 on "Step W".
    growthEventState1[1][0][0] = 2;
    growthFrontDiffIncrement[1][4][4] = -3;
    F->UpDown11->press(true);
    ExpectRowCounts({{F->StringGrid5, 6}});
    ExpectCells({{F->StringGrid5, 1, 1, "2"}});
    F->RadioGroup19->setItemIndex(6);
    ExpectCells({{F->StringGrid6, 5, 5, "-3"}, {F->StringGrid6, 0, 5, "4"}});
}
