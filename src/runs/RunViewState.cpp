#include "runs/RunViewState.h"

int32_t viewScrollRow = 0;
int32_t viewStartRow = 0;
int32_t stopStepA = 9;
int32_t stopStepB = 12;
int32_t stepWTableIndex = 0;
int32_t trialLengthBase = 0;
int32_t trialLengthRange = 0;
int32_t trialBCountRange = 0;
int32_t timeLimitC = 100;
