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
    ShowRunCells(grid, rows, length, [&values](int k, int c) { return values[k][c]; }, CellLetter);
}

// What a parity or phase letter is made of: A's event value, A's and B's event
// steps; nothing for a row before event 0.
struct EventCell {
    int32_t valueA = 0, stepA = 0, stepB = 0;
    bool none = false;
};

EventCell EventCellAt(int k, int c) { return {eventValueA[k][c], eventStepA[k][c], eventStepB[k][c]}; }

// StringGrid7 / StringGrid8: parity letters of A's or B's event step, by a
// condition on A's event value. One grid row per event row.
void FillParityGrid(StringGrid* grid, int32_t eventValueWanted)
{
    const int length = UsedStringLength();
    const int rows = UsableEventRows();
    FrameRunGrid(grid, length + 1, rows + 1, 18);
    LabelRunGridRows(grid, std::min(stopTimeA, rows));
    const int filled = std::min(std::max(stopTimeA, 0), rows);
    ShowRunCells(grid, filled, length, EventCellAt, [eventValueWanted](const EventCell& e) {
        return ParityLetter(e.valueA == eventValueWanted, e.stepA, e.stepB);
    });
}

// StringGrid9: signed phase letters of the event rows from viewStartRow on.
void FillPhaseGrid(StringGrid* grid)
{
    const int length = UsedStringLength();
    const int rows = UsableEventRows();
    FrameRunGrid(grid, length + 1, rows + 1 - viewStartRow, 28);
    LabelRunGridRows(grid, rows - viewStartRow, viewStartRow);
    // Grid row r + 1 shows event row r + viewStartRow; rows before event 0 are empty.
    const int shown = std::clamp(rows - viewStartRow, 0, grid->rowCount() - 1);
    ShowRunCells(
        grid, shown, length,
        [](int r, int c) { return r + viewStartRow < 0 ? EventCell{0, 0, 0, true} : EventCellAt(r + viewStartRow, c); },
        [](const EventCell& e) { return e.none ? QString() : QString(EventPhaseText(e.valueA, e.stepA, e.stepB)); });
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
