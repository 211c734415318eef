#include "base/RunControls.h"

int32_t stepsPerRun = 6;
int32_t cellWidth = 25;
int32_t cellHeight = 25;
int32_t requestedCPointCount = 0;
int32_t requestedBPointCount = 1;
int32_t cPointPen = 0;
