#pragma once
// From the two histories of a finished growth run to the event arrays of
// GrowthEvents.h: per cell the list of its events (the history planes at which
// it holds something other than 1) with their states, steps and group
// elements, and per event the fronts of the two layers, their difference and
// the increment of that difference to the next event, the output value the
// harvesters store.
#include <cstdint>
#include <string>
#include <vector>

// A cell whose k-th events are of the same kind in both layers.
struct GrowthEventWarning {
    int32_t event = 0, i = 0, j = 0;
    bool bothTwo = false;   // both 2; otherwise both 0
};

struct GrowthEventCounts {
    int32_t layer1 = 0, layer2 = 0;   // events of the last cell (N-1, N-1) in each layer
    bool mismatch = false;            // they differ: isGrowthEventCountMismatch is set
    std::vector<GrowthEventWarning> warnings;
};

// Events of both layers of the side x side torus from history planes
// 0 .. stopTime - 1 (at most 500 planes: a history keeps no more). Entries of
// an event number at or above a cell's own event count keep what they held.
// When the last cell's counts agree, historyRowCount := that count and the
// elements of events below it are set, and the same-kind events are listed;
// when they differ, isGrowthEventCountMismatch := 1 and historyRowCount, the
// elements and the list stay as they are.
GrowthEventCounts DeriveGrowthEvents(int32_t side);

// Fronts, front differences and their increments for events 0 ..
// historyRowCount - 1 (taken within 0..500) of every cell; the increment of
// the last event is left as it was.
void DeriveGrowthFronts(int32_t side);

// The warning's message text, "t=<event> x=<i> y=<j> Q+Q*=2" (or "=0").
std::string GrowthEventWarningText(const GrowthEventWarning& warning);
