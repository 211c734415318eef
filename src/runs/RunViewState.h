#pragma once
// Values of the recorded-run views and of the trial experiment that their
// edits and labels show.
#include <cstdint>

extern int32_t viewScrollRow;      // first drawn step row of the space-time picture
extern int32_t viewStartRow;       // event row whose fronts are drawn
extern int32_t stopStepA;          // forced stop steps used with "unStop"
extern int32_t stopStepB;
extern int32_t stepWTableIndex;    // event plane shown on "Step W"
extern int32_t trialLengthBase;    // "N0="
extern int32_t trialLengthRange;   // "dN0="
extern int32_t trialBCountRange;   // "NB="
extern int32_t timeLimitC;         // "C="
