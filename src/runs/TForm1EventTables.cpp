// Event tables of the recorded run on the main window: "Podb b vic F 150"
// (events, the grids StGr13/StGr14, group elements, fronts), "opTonk168"
// (fronts and output values) and the refresh entry "DO 149" that every
// one-dimensional table generator runs once per harvested run.
#include "app/TForm1.h"

#include "engine/StringState.h"
#include "runs/EventTables.h"
#include "runs/RecordedRun.h"
#include "runs/RunGridTexts.h"
#include "runs/RunViewState.h"
#include "runs/TForm1RunGridLayout.h"

#include <algorithm>

namespace {

// StGr13 / StGr14: the event values of one string as cell letters.
void FillEventValueGrid(StringGrid* grid, const EventTable& values)
{
    const int length = UsedStringLength();
    const int rows = UsableEventRows();
    FrameRunGrid(grid, length + 1, rows + 1, 23);
    LabelRunGridRows(grid, rows);
    for (int k = 0; k < rows; ++k)
        for (int c = 0; c < length; ++c)
            grid->setCell(c + 1, k + 1, CellLetter(values[k][c]));
}

// StringGrid7 / StringGrid8: parity letters of A's or B's event step, by a
// condition on A's event value. One grid row per event row.
void FillParityGrid(StringGrid* grid, int32_t eventValueWanted)
{
    const int length = UsedStringLength();
    const int rows = UsableEventRows();
    FrameRunGrid(grid, length + 1, rows + 1, 18);
    LabelRunGridRows(grid, std::min(stopTimeA, rows));
    const int filled = std::min(std::max(stopTimeA, 0), rows);
    for (int t = 0; t < filled; ++t)
        for (int c = 0; c < length; ++c)
            grid->setCell(c + 1, t + 1,
                          ParityLetter(eventValueA[t][c] == eventValueWanted, eventStepA[t][c], eventStepB[t][c]));
}

// StringGrid9: signed phase letters of the event rows from viewStartRow on.
void FillPhaseGrid(StringGrid* grid)
{
    const int length = UsedStringLength();
    const int rows = UsableEventRows();
    FrameRunGrid(grid, length + 1, rows + 1 - viewStartRow, 28);
    LabelRunGridRows(grid, rows - viewStartRow, viewStartRow);
    for (int r = 0; r + 1 < grid->rowCount(); ++r) {
        const int k = r + viewStartRow;
        if (k >= rows)
            break;
        for (int c = 0; c < length; ++c)
            grid->setCell(c + 1, r + 1,
                          k < 0 ? QString() : QString(EventPhaseText(eventValueA[k][c], eventStepA[k][c], eventStepB[k][c])));
    }
}

} // namespace

void TForm1::Button150Click()
{
    ExtractEvents();
    FillEventValueGrid(StringGrid13, eventValueA);
    FillEventValueGrid(StringGrid14, eventValueB);
    ComputeEventElements();
    Button168Click();
}

void TForm1::Button168Click()
{
    ComputeFrontsAndOutputs();
}

void TForm1::Button149Click()
{
    Button146Click();
    Button150Click();
    Button151Click();
    FillParityGrid(StringGrid7, 2);
    FillParityGrid(StringGrid8, 0);
    Button168Click();
    Button198Click();
    FillPhaseGrid(StringGrid9);
}
