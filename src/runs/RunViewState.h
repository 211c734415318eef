#pragma once
// Values of the recorded-run views and of the trial experiment that their
// edits and labels show.
#include <cstdint>

extern int32_t viewScrollRow;      // first drawn step row of the space-time picture
extern int32_t viewStartRow;       // event row whose fronts are drawn
extern int32_t stopStepA;          // forced stop steps used with "unStop"
extern int32_t stopStepB;
// A stop step is a step of the recorded run and, as the stop time it becomes,
// the number of the run's rows in prTableA / prTableB: it is kept within 0 to
// 1000, the rows of those tables. A run writes at most 498 rows, so every
// larger step is never reached, as 1000 is not; sums and differences of stop
// times, and every loop over their rows, stay small.
constexpr int32_t kMaxStopStep = 1000;
extern int32_t stepWTableIndex;    // event plane shown on "Step W"
extern int32_t trialLengthBase;    // "N0="
extern int32_t trialLengthRange;   // "dN0="
extern int32_t trialBCountRange;   // "NB="
extern int32_t timeLimitC;         // "C="
