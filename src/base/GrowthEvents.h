#pragma once
// Event arrays of the two-dimensional growth run, [event k][row i][column j]
// of the 27 x 27 torus: the state, step and group element of each cell's k-th
// event (a step at which the cell did not hold 1), and the fronts of the two
// layers with their difference and its increment (the two-dimensional output
// value). Zero at program start; filled by the growth run's event derivation
// and read by the "Step W" tables and the two-dimensional harvesters.
#include <cstdint>

constexpr int kGrowthEventPlanes = 500;
constexpr int kGrowthSide = 27;

using GrowthPlanes32 = int32_t[kGrowthEventPlanes][kGrowthSide][kGrowthSide];
using GrowthPlanes16 = uint16_t[kGrowthEventPlanes][kGrowthSide][kGrowthSide];

extern GrowthPlanes32 growthEventState1, growthEventState2;       // 0 or 2
extern GrowthPlanes32 growthEventStep1, growthEventStep2;         // history plane of the event
extern GrowthPlanes32 growthEventElement1, growthEventElement2;   // step mod 3, plus 3 for a 0 event
extern GrowthPlanes16 growthTwoEventStep1, growthZeroEventStep1;  // the step, or 65535 (read as -1)
extern GrowthPlanes16 growthTwoEventStep2, growthZeroEventStep2;
extern GrowthPlanes32 growthFrontStep1, growthFrontStep2;         // -1 where there is no front
extern GrowthPlanes32 growthFrontDiff, growthFrontDiffIncrement;
