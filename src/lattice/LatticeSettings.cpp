#include "lattice/LatticeSettings.h"

int32_t timeBarLeft = 38, timeBarTop = 375, timeBarRight = 700, timeBarBottom = 673;
int32_t frameMaxK[kFrameRecordCount] = {};
int16_t frameDl[kFrameRecordCount] = {};
double ruleWeightsX[45] = {};
double ruleWeightsY[25] = {};
int16_t ruleModeIndex = 0;
int32_t improveProbabilityPercent = 10;
