#pragma once
// The recorded run: a self-contained random run of strings A and B under the
// string engine's cell rule, in which both strings are appended after every
// step as one row of prTableA / prTableB. The run ends when both strings have
// stopped (successful) or when the row limit is reached (unsuccessful). The
// caller (the "DO =58 146" handler) supplies the settings read from its
// controls and a hook that runs after every written row.
#include <cstdint>
#include <functional>

#include "engine/StringCells.h"

constexpr int kPrTableRows = 1000;     // storage rows of prTableA / prTableB
constexpr int kRecordedRowLimit = 498; // a run writes at most rows 0..497

extern uint8_t prTableA[kPrTableRows][kStringCells];   // row r: string A after step r + 1
extern uint8_t prTableB[kPrTableRows][kStringCells];
extern uint8_t isRunSuccessful;    // 1: the last run ended with both strings stopped
extern int32_t historyRowCount;    // event rows of the last run (the event tables overwrite it)
extern int32_t trialTickCount;     // runs started (also counted by the learning trials)
extern uint8_t isRunHalted;
extern uint8_t isLoadedFromPatternFile;
extern uint8_t stringAStartTwos[kStringCells];   // 1 where the start string A holds 2

struct RecordedRunSettings {
  StringNeighbourhood mask;                    // the Mask check boxes
  StringBorder border = StringBorder::Circle;  // "Border"
  bool unStop = false;                         // "unStop": stop at stopStepA / stopStepB instead
};

// The counters and stop records of a new run: the six traces of every cell
// 0 and zeroStepA/B -1 (30 rows), balances and local times 0 (27 cells), stop
// times, saved flags and stop states 0, isRunHalted 0, drawOriginX 0,
// cycleCount and stepCount 0, isLoadedFromPatternFile 0, mainModeIndex 0,
// stepsPerRun 1 and isSingleStep 1.
void ResetRecordedRun();

// The start of a run, in the generator's order of draws: string A all 2, the
// random point lists (requestedBPointCount must be 2 already), RandomizeStringA,
// the start copy, B as the complement, stringAStartTwos and colourSeries0[0].
void MakeRecordedRunStart();

// seriesStepCount 0 and row 0 of both tables = strings A / B.
void BeginRecordedRows();

struct RecordedRunResult {
  bool finished = false;     // both strings stopped (isRunSuccessful)
  int32_t rowsWritten = 0;   // rows 0..rowsWritten-1 hold this run
};

// Steps both strings until they have stopped or the row limit is met, writing
// one row per step. afterStep (may be empty) runs after every step, the one
// at which the row limit ends the run included; afterRow (may be empty) after
// every written row. With settings.unStop the strings stop once stepCount
// passes stopStepA / stopStepB. The balance and local-time counters of the
// steps are added when the run returns (the hooks do not see them move).
RecordedRunResult RunRecordedSteps(const RecordedRunSettings& settings, const std::function<void()>& afterRow,
                                   const std::function<void()>& afterStep = {});

// The row hook's state change: a stop state of 1 becomes 2 (0 and 2 stay).
void AcknowledgeStops();

// (stopTimeA + stopTimeB) / 3, the event-row estimate of a finished run.
int32_t StopTimeThird();
