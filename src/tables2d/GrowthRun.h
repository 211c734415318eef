#pragma once
// The growth run: two layers of cells (0, 1 or 2) on an N x N torus, stepped
// side by side under a two-dimensional mask until no cell of either layer
// holds 0. Cell (i, j) has i as the first index; a mask point's x is added to
// j and its y to i. Every step of a layer is kept in its history, from which
// the event derivation (GrowthEventDerivation.h) builds the event arrays.
//
// The run's step counters, stop times and stop states are the string engine's
// (stepCount / stopTimeA / stringAStopState for layer 1, secondStepCount /
// stopTimeB / stringBStopState for layer 2); isRunSuccessful is the recorded
// run's.
#include "base/GrowthEvents.h"
#include "mask2d/Mask2dTables.h"

#include <cstdint>

constexpr int kGrowthHistoryPlanes = 500;    // steps a layer's history keeps
constexpr int kGrowthMaskPoints = 9;         // the largest mask: the cross and four extra points
constexpr int kGrowthMinSide = 2;            // the random seeding needs N / 2 >= 1

using GrowthLayer = uint8_t[kGrowthSide][kGrowthSide];
using GrowthHistory = uint8_t[kGrowthHistoryPlanes][kGrowthSide][kGrowthSide];

extern GrowthLayer growthLayer1Cells, growthLayer2Cells;
extern GrowthLayer growthWorkCells;                          // the copy a step reads its neighbours from
extern GrowthHistory growthLayer1History, growthLayer2History;  // plane t: the layer after step t + 1
extern uint8_t isGrowthEventCountMismatch;                   // the last derivation found K1 != K2
extern int32_t secondStepCount;                              // steps taken by layer 2 in this run

// The torus side and neighbourhood of the run in progress. A run keeps them
// from its restart to its end, so that a length or mask changed meanwhile
// acts on the next run, never on half of this one.
struct GrowthSetup {
    int32_t side = 0;                                 // N, 0..27 (0: no run set up yet)
    int pointCount = 0;                               // mask points, centre (point 0) included
    Mask2dPoint points[kGrowthMaskPoints] = {};
};
extern GrowthSetup growthSetup;

// index mod side in 0..side-1 for any index; 0 when side is 0 or less.
int32_t WrapTorus(int32_t index, int32_t side);

// The setup of a run on a side x side torus (clamped to 0..27) under point
// table `item` (0..4: "Cross" .. "Cross +4", its first 5 + item points). An
// item outside 0..4 names no mask: the setup then has pointCount 0.
GrowthSetup MakeGrowthSetup(int32_t side, int item);

// One step of a layer: v = 0 becomes 1; otherwise the mask points 1, 2, ...
// are looked at in order, and the first neighbour holding 0 ends the search;
// v = 1 becomes 2 if one was found, else 0; v = 2 becomes 0 if one was found,
// else stays; other values stay. The layer is then recorded in history plane
// `counter` while the counter is below 500 (a later step sets isRunSuccessful
// to 0 instead), the counter is incremented and copied into stopTime, and
// stopState is 1 unless a cell of the layer holds 0.
void StepGrowthLayer(GrowthLayer& layer, GrowthHistory& history, int32_t& counter, int32_t& stopTime,
                     uint8_t& stopState, const GrowthSetup& setup);

// One step of each layer that has not stopped, layer 1 first.
void StepGrowthRun(const GrowthSetup& setup);

// The restart's resets: mismatch flag, stop states, counters and stop times
// cleared, isRunSuccessful 1, every cell of layer 1 set to 2.
void ResetGrowthRun(int32_t side);

// The random seeding of layer 1, every number drawn from Rand() in this order
// (H = side / 2): a block of a x b cells at (p, q) set to 1 (a, b, p, q each
// drawn mod H); a second block drawn the same way in which 1 and 2 swap; twice
// j then i (mod 3), cell (i, j) set to 1; n (mod 8), then n times nine cells,
// j then i (mod side) each, set to 1. Sides below 2 draw and change nothing.
void SeedGrowthLayerRandomly(int32_t side);

// The fixed configuration of the file seeding: every cell 2, cell (4, 4) 1
// when the torus has it.
void SeedGrowthLayerFixed(int32_t side);

// Layer 2 from layer 1: 1 where layer 1 holds 2, else 2.
void BuildGrowthLayer2(int32_t side);

// Whether the layer holds a 0 in its side x side cells.
bool GrowthLayerHasZero(const GrowthLayer& layer, int32_t side);
