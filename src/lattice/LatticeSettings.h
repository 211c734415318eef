#pragma once
// Data of the lattice workbench set from the main window: the time bar, the
// frame records, the rule weights and the rule mode (given their working
// values when the window is first shown) and the IMPROVE chance of "Edit8".
#include <cstdint>

constexpr int kFrameRecordCount = 20000;

extern int32_t timeBarLeft, timeBarTop, timeBarRight, timeBarBottom;
extern int32_t frameMaxK[kFrameRecordCount];
extern int16_t frameDl[kFrameRecordCount];
extern double ruleWeightsX[45];
extern double ruleWeightsY[25];
extern int16_t ruleModeIndex;   // the item of "sd"
extern int32_t improveProbabilityPercent;   // "Edit8": chance in percent of an IMPROVE mutation (10)
