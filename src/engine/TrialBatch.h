#pragma once
// Parameters and counters of the trial experiment: random runs of the string
// engine on strings of random length, classified by how they end.

#include <cstdint>

constexpr int kTrialStatisticsCount = 28;

extern int32_t stepLimit;        // largest stepCount of one trial run (1000000)
extern int32_t randomLengthMin;  // length of a trial string drawn from [min, max)
extern int32_t randomLengthMax;
extern int32_t trialLimit;       // runs of one experiment (1000)
extern int32_t trialStatistics[kTrialStatisticsCount];   // element 5 counts the runs
extern int32_t trialBatchRunCount;   // the batch's own run counter (read by nothing)

// Shortest length from which a run can draw its two B points (half the
// length must reach 3).
constexpr int32_t kShortestTrialLength = 6;

// True when a batch may start: kShortestTrialLength <= min < max, so that the
// length draw has a range and every length can place its B points.
bool TrialLengthRangeRunnable();

// Sets the string length of the next trial run from one draw and returns it:
// draw mod (max - min) + min. An empty or reversed range gives min. The
// result is not clamped here; the length edit that shows it clamps it.
int32_t DrawTrialLength();

// B points of the next trial run for a string of the given length: draws
// until trunc(length/2 * draw / 32768) >= 2. A length below 6 can never reach
// 2, so it gives 2 without drawing.
int32_t DrawTrialBCount(int32_t length);
