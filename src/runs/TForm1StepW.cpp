// The grids "StGr5" and "StGr6": one aspect of the recorded run's event tables
// ("Show SgrA 166", chosen on M1), string A's events as signed phase letters
// ("xyz 177"), or one event plane of the growth run ("Show 183" on "Step W").
#include "app/TForm1.h"

#include "engine/StringState.h"
#include "runs/EventTables.h"
#include "runs/RecordedRun.h"
#include "runs/RunGridTexts.h"
#include "runs/RunViewState.h"
#include "runs/StepWTables.h"
#include "runs/TForm1RunGridLayout.h"

#include <algorithm>
#include <utility>

namespace {

// Column 0 23 pixels wide, the others `width`.
void FrameStepWGrid(StringGrid* grid, int cols, int rows, int width)
{
    FrameRunGrid(grid, cols, rows, width);
    grid->setColWidth(0, 23);
}

void FillFromTable(StringGrid* grid, const int32_t (*table)[kStGrColumns], int rows, int length)
{
    ShowRunCells(grid, rows, length, [table](int k, int c) { return table[k][c]; }, Decimal);
}

} // namespace

void TForm1::Button166Click()
{
    FillStepWTables1d(RadioGroup16->itemIndex());
    const int length = UsedStringLength();
    const int rows = StepWShownRows();

    FrameStepWGrid(StringGrid5, length + 1, rows + 1, 33);
    LabelRunGridRows(StringGrid5, rows);
    FillFromTable(StringGrid5, stGrTableA, rows, length);

    // StGr6 labels its rows from viewStartRow while its data rows start at 0.
    StringGrid* grid = StringGrid6;
    grid->setColCount(std::max(length + 1, 1));
    grid->setRowCount(std::max(rows + 1, 1));
    grid->setColWidth(0, 23);
    grid->setCell(0, 0, "N");
    LabelRunGridRows(grid, rows, viewStartRow);
    FillFromTable(grid, stGrTableB, std::clamp(UsableEventRows() - viewStartRow, 0, rows), length);
}

void TForm1::Button177Click()
{
    ReduceEventStepsAToPhases();
    const int length = UsedStringLength();
    const int rows = UsableEventRows();
    for (StringGrid* grid : {StringGrid5, StringGrid6}) {
        const bool negativeForTwo = grid == StringGrid5;
        FrameStepWGrid(grid, length + 1, rows + 1, 33);
        LabelRunGridRows(grid, rows);
        ShowRunCells(
            grid, rows, length,
            [negativeForTwo](int k, int c) {
                return std::pair{(eventValueA[k][c] != 0) == negativeForTwo, eventStepA[k][c]};
            },
            [](const std::pair<bool, int32_t>& e) { return SignedPhaseLetter(e.first, e.second); });
    }
}

void TForm1::Button183Click()
{
    FillStepWTables2d(RadioGroup19->itemIndex(), stepWTableIndex);
    const int length = std::min(UsedStringLength(), kStGrColumns);
    for (StringGrid* grid : {StringGrid5, StringGrid6}) {
        FrameRunGrid(grid, length + 1, length + 1, 23);
        LabelRunGridRows(grid, length);
        FillFromTable(grid, grid == StringGrid5 ? stGrTableA : stGrTableB, length, length);
    }
}

void TForm1::UpDown11Click()
{
    stepWTableIndex = static_cast<int16_t>(UpDown11->position());
    Label403->setText(QString::number(stepWTableIndex));
    Button183Click();
}

void TForm1::RadioGroup19Click() { Button183Click(); }
