#pragma once
// Grids of the marker theory check, [30 rows][27 cells], reset by every run
// initialiser from the start string.

#include <cstdint>

#include "engine/StringCells.h"
#include "engine/StringTraces.h"

extern uint8_t theoryPrediction[kTraceRows][kStringCells];
extern int16_t markerGrid[kTraceRows][kStringCells];
extern int16_t directWorkGrid[kTraceRows][kStringCells];
extern uint8_t markerCellHandled[kStringCells];

// The marker reset ("M A =0 5") over the cells below stringLength: grids 0,
// directWorkGrid 3 when directWork ("Predictoms" on "Direct Work 3"), rows 0-4
// of theoryPrediction 1, row 0 of markerGrid 0 where string A holds 2 else 3.
void ResetMarkerGrids(bool directWork);
