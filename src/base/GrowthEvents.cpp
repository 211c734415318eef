#include "base/GrowthEvents.h"

// Plain zero-initialised globals (about 18 MB in all): never on the stack.
GrowthPlanes32 growthEventState1, growthEventState2;
GrowthPlanes32 growthEventStep1, growthEventStep2;
GrowthPlanes32 growthEventElement1, growthEventElement2;
GrowthPlanes16 growthTwoEventStep1, growthZeroEventStep1;
GrowthPlanes16 growthTwoEventStep2, growthZeroEventStep2;
GrowthPlanes32 growthFrontStep1, growthFrontStep2;
GrowthPlanes32 growthFrontDiff, growthFrontDiffIncrement;
