#pragma once
// The state of strings A and B during a run of the string engine: the cells,
// their next state, the start and stop copies, the per-cell balance and local
// time, the cell counts, the step counters and the stop records. Plain
// globals read and written by the engine, the initialisers, the painter, the
// string files and the recorded run.

#include <cstdint>

#include "engine/StringCells.h"

extern uint8_t stringA[kStringCells];
extern uint8_t stringB[kStringCells];
extern uint8_t stringANext[kStringCells];
extern uint8_t stringBNext[kStringCells];
extern uint8_t stringAStart[kStringCells];    // string A when the run began
extern uint8_t stoppedStringA[kStringCells];  // string A at its first stop of the run
extern uint8_t stoppedStringB[kStringCells];
extern uint8_t isStoppedStringASaved;
extern uint8_t isStoppedStringBSaved;

extern int32_t stepCount;         // time T of the run (falls while time is reversed)
extern int32_t seriesStepCount;   // one per engine call; -17 after a run reset
extern int32_t cycleCount;        // cycle counter of the square run
extern int32_t activitySamplePaintCount;

extern uint8_t stringAStopState;  // 0 running, 1 stopped, 2 stop drawn
extern uint8_t stringBStopState;
extern int32_t stopTimeA;         // stepCount when the string was found without a 0
extern int32_t stopTimeB;

extern int32_t balanceA[kStringCells];
extern int32_t balanceB[kStringCells];
extern int32_t localTimeA[kStringCells];
extern int32_t localTimeB[kStringCells];
extern int32_t zeroCellCountA, oneCellCountA, twoCellCountA;
extern int32_t zeroCellCountB, oneCellCountB, twoCellCountB;
extern int16_t leftZeroCounts[15];    // zeros at left distance d of the last cell updated
extern int16_t rightZeroCounts[15];

extern uint8_t isTimeReversed;   // set by Reverse: stepCount falls
extern uint8_t isSingleStep;     // "One st." and the backwards step: one step per call
extern uint8_t isRedrawNeeded;   // asks the painters for a full repaint
extern uint8_t isTestRunning;    // a learning trial runs (its paint limit and Timer11)

// End-of-run records.
extern uint8_t areStoppedStringsDisjoint;   // stoppedStringB differs from A in every cell
extern uint8_t isStopAUnlikeStart;          // no cell 1 (nor 2) in both start and stop of A
extern uint8_t isBothStoppedAtStep3;
extern uint8_t traceMatchTwoBZeroA, traceMatchZeroBTwoA, traceMatchZeroACompareA, traceMatchZeroBCompareB;

// stringLength clamped to 0..27: the cells of the strings in use.
int32_t UsedStringLength();
