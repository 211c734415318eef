#pragma once
// Trace arrays of a run, [30 rows][27 cells], row = half the cell's local
// time: written by the painter, cleared by the run initialisers, read by the
// engine's end-of-run checks and by the run analyses. Every access goes
// through the row/cell checks here: a write outside is skipped, a read
// outside gives 0.

#include <cstdint>

#include "engine/StringCells.h"

constexpr int kTraceRows = 30;

extern uint8_t zeroTraceA[kTraceRows][kStringCells];
extern uint8_t zeroTraceB[kTraceRows][kStringCells];
extern uint8_t twoTraceA[kTraceRows][kStringCells];
extern uint8_t twoTraceB[kTraceRows][kStringCells];
extern uint8_t compareTraceA[kTraceRows][kStringCells];
extern uint8_t compareTraceB[kTraceRows][kStringCells];
extern int32_t zeroStepA[kTraceRows][kStringCells];
extern int32_t zeroStepB[kTraceRows][kStringCells];

extern int32_t lastHistoryRow;      // half local time of the last painted 0 cell of A
extern int32_t timeLimitHitCount;   // paints that met timeLimitC during a trial
extern int32_t paintCellShiftY;     // vertical shift of the last painted cell

inline bool IsTraceCell(int32_t row, int32_t cell) {
  return row >= 0 && row < kTraceRows && cell >= 0 && cell < kStringCells;
}

// The six byte traces set to 0 for every row and the cells below length;
// with resetZeroSteps also zeroStepA/B set to -1 there.
void ClearTraces(int32_t length, bool resetZeroSteps);
