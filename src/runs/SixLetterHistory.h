#pragma once
// The six-letter history of a run: every trace cell that held 0 gets the
// step phase of its zero step (mod 3), 0..2 for string A and 3..5 for string
// B ("x", "y", "z", "X", "Y", "Z"), and the parity history the parity of that
// step (0/1 for A, 2/3 for B). Built from the zero traces of the painter.
#include <cstdint>
#include <string>

#include "engine/StringCells.h"
#include "engine/StringTraces.h"

constexpr int16_t kNoLetter = -99;

extern int16_t sixLetterHistory[kTraceRows][kStringCells];
extern int16_t parityHistory[kTraceRows][kStringCells];   // cells without a trace keep their value

// Rows 0..lastHistoryRow the history covers: lastHistoryRow + 1 kept within
// the 30 trace rows (0 when lastHistoryRow is negative).
int32_t HistoryRowsInUse();

// Over the rows in use and the cells below stringLength: letters reset to -99,
// zeroStepA/B decreased by 1 and reduced mod 3 in place (C remainders), the
// letters and parities set from the traces (B wins where both are set).
// seriesStepCount += 1; stepCount is left at the number of rows in use.
void BuildSixLetterHistory();

// One text line of "F(3)x": the row prefix, then per cell its letter ("x  " ..
// "Z ", nothing for a value outside 0..5) and a blank.
std::string SixLetterLine(int32_t row);
// One text line of "F(2)x": the row prefix, then per cell its parity value and a blank.
std::string ParityLine(int32_t row);
