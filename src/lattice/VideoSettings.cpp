#include "lattice/VideoSettings.h"

#include <algorithm>

int32_t timeBarTotalSteps = 2526;
std::string videoName = "r016";
int32_t mouseMultiplierLeft = 6;
int32_t mouseMultiplierRight = 100;
int32_t videoPointX = 352;
int32_t videoPointY = 176;
int32_t videoSpareValue = 3;

int32_t ClampTimeBarEdge(int32_t value) { return std::clamp(value, -kTimeBarEdgeLimit, kTimeBarEdgeLimit); }
