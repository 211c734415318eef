#pragma once
// The string engine: strings A and B step under the mask rule, keep their
// balance and local-time counters, record when they stop (no 0 cell left) and
// end the run when both have stopped. The caller (the "n steps" handler) reads
// the controls into StringStepSettings and acts on the batch's outcome; the
// engine itself touches no control.

#include <cstdint>

#include "engine/StringCells.h"

struct StringStepSettings {
  StringNeighbourhood mask;                   // the Mask check boxes
  StringBorder border = StringBorder::Circle; // "Border"
  bool stopAt101 = false;                     // "DrRab 37": every run ends at step 101
};

// One step of both strings (cells, counters, time and stop rules), reading
// stringLength (clamped to 0..27) and the globals of StringState.h.
void StepStrings(const StringStepSettings& settings);

// The stop record of one string (the globals of StringState.h for A or B).
struct StringStopRecord {
  int32_t& zeros;
  int32_t& ones;
  int32_t& twos;
  uint8_t& saved;        // isStoppedStringXSaved
  uint8_t* stoppedCopy;  // stoppedStringX
  uint8_t& stopState;
  int32_t& stopTime;
};
StringStopRecord StopRecordA();
StringStopRecord StopRecordB();

// The no-zero test after a step, shared by the engine and the recorded run:
// counts the 0, 1 and 2 cells below length; a string without a 0 cell, from
// step 2 on and while it still runs, keeps its first stopped copy of the run
// (copyLength cells) and, when stopHere, stops at stepCount.
void TestNoZeroStop(const uint8_t* cells, int32_t length, int32_t copyLength, bool stopHere,
                    const StringStopRecord& record);

enum class StringBatchEnd {
  LimitReached,   // the batch made its steps (or none for a limit <= 0)
  RunFinished,    // both strings stopped with stepCount >= 3 (no trial)
  TrialRunEnded,  // a trial run ended and was counted; the next run is due
};

struct StringBatchResult {
  StringBatchEnd end = StringBatchEnd::LimitReached;
  int32_t stepsDone = 0;
  bool trialExperimentOver = false;   // the trial limit was passed during this batch
};

// One press of "n steps": seriesStepCount += 1, then steps while fewer than
// the limit (1 while isSingleStep, else stepsPerRun) are done. Without a trial
// the batch leaves at the end of a run; with a trial (menu "Timer10") each run
// ends at the stop of both strings or past stepLimit and is counted by
// EndTrialRun; a counted run leaves the batch, a run past the trial limit
// marks the experiment over and the batch goes on.
StringBatchResult RunStringBatch(const StringStepSettings& settings, bool trialMode);

// Step 7.1-7.4 of a trial run's end. Returns false when the run count has
// passed trialLimit (nothing is classified then). Calls Randomize() every 128 runs.
bool EndTrialRun();

// The end-of-run records: isStopAUnlikeStart, areStoppedStringsDisjoint,
// trialStatistics[2..4] and isBothStoppedAtStep3.
void RecordRunEnd();

// The four trace-match flags over history rows 0..lastHistoryRow-1 (at most
// the 30 trace rows) and the cells in use.
void ComputeTraceMatches();

// The left (or right) Mask boxes of distances 1..5 as bits (distance d = bit d-1).
int32_t MaskBitsOfDistances1To5(const bool* ticks /* index d = 1..11 */);
