#pragma once
// From the two histories of a finished growth run to the event arrays of
// GrowthEvents.h: per cell the list of its events (the history planes at which
// it holds something other than 1) with their states, steps and group
// elements, and per event the fronts of the two layers, their difference and
// the increment of that difference to the next event, the output value the
// harvesters store.
#include "base/GrowthEvents.h"

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

// The same derivation in slices, for the end of a run on a timer tick: each
// call goes on where the last one stopped and spends a budget of cell-planes
// (one plane of the side x side torus in one pass costs side * side), writing
// back what is left. The passes and their order are those of
// DeriveGrowthEvents (layer 1, layer 2, the elements with the warnings) and
// then of DeriveGrowthFronts, so the arrays, historyRowCount and the counts
// come out the same; each pass reads the stop times and historyRowCount as
// they stand when it begins.
class GrowthDerivationSlices {
public:
    explicit GrowthDerivationSlices(int32_t side);

    // True once the events are derived: counts() is then final.
    bool deriveEvents(int64_t& budget);
    // The events first where they are not derived yet, then the fronts; true
    // once the fronts are derived too.
    bool deriveFronts(int64_t& budget);
    // Takes the events as they stand: the slices derive the fronts only.
    void skipToFronts() { begin(Pass::Fronts); }
    const GrowthEventCounts& counts() const { return counts_; }

private:
    enum class Pass { Layer1, Layer2, Elements, Fronts, Done };
    void begin(Pass pass);
    void layerPlane(int32_t t);
    void elementPlane(int32_t t);
    void frontPlane(int32_t k);
    // Runs plane(p) for the planes left of the pass while budget lasts; true
    // when the pass is through.
    template <class Plane>
    bool planes(int64_t& budget, Plane plane);

    int32_t n_ = 0;
    Pass pass_ = Pass::Layer1;
    int32_t next_ = 0, end_ = 0;   // the planes of the pass not yet done
    int32_t events_[kGrowthSide][kGrowthSide] = {};   // events of each cell so far in a layer pass
    GrowthEventCounts counts_;
};

// The warning's message text, "t=<event> x=<i> y=<j> Q+Q*=2" (or "=0").
std::string GrowthEventWarningText(const GrowthEventWarning& warning);
