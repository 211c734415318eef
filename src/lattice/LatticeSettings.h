#pragma once
// Data of the lattice workbench whose working values the main window sets when
// it is first shown: the time bar, the frame records, the rule weights and the
// rule mode.
#include <cstdint>

constexpr int kFrameRecordCount = 20000;

extern int32_t timeBarLeft, timeBarTop, timeBarRight, timeBarBottom;
extern int32_t frameMaxK[kFrameRecordCount];
extern int16_t frameDl[kFrameRecordCount];
extern double ruleWeightsX[45];
extern double ruleWeightsY[25];
extern int16_t ruleModeIndex;   // the item of "sd"
