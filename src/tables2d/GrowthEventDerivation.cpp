#include "tables2d/GrowthEventDerivation.h"

#include "base/GrowthEvents.h"
#include "engine/StringState.h"
#include "runs/RecordedRun.h"
#include "tables2d/GrowthRun.h"

#include <algorithm>

namespace {

constexpr uint16_t kNoStep = 65535;   // read back as a signed 16-bit -1

int32_t ClampSide(int32_t side) { return std::clamp(side, 0, kGrowthSide); }

int32_t UsableEvents() { return std::clamp(historyRowCount, 0, kGrowthEventPlanes); }

int32_t Signed(uint16_t v) { return int32_t(int16_t(v)); }

struct LayerArrays {
    const GrowthHistory& history;
    const int32_t& stopTime;
    GrowthPlanes32& state;
    GrowthPlanes32& step;
    GrowthPlanes16& twoStep;
    GrowthPlanes16& zeroStep;
};

LayerArrays Layer(bool first)
{
    if (first)
        return {growthLayer1History, stopTimeA, growthEventState1, growthEventStep1, growthTwoEventStep1,
                growthZeroEventStep1};
    return {growthLayer2History, stopTimeB, growthEventState2, growthEventStep2, growthTwoEventStep2,
            growthZeroEventStep2};
}

} // namespace

GrowthDerivationSlices::GrowthDerivationSlices(int32_t side) : n_(ClampSide(side)) { begin(Pass::Layer1); }

void GrowthDerivationSlices::begin(Pass pass)
{
    pass_ = pass;
    next_ = 0;
    switch (pass) {
    case Pass::Layer1:
    case Pass::Layer2:
        end_ = std::clamp(Layer(pass == Pass::Layer1).stopTime, 0, kGrowthHistoryPlanes);
        for (auto& row : events_)
            std::fill(std::begin(row), std::end(row), 0);
        break;
    case Pass::Elements:
    case Pass::Fronts:
        end_ = UsableEvents();
        break;
    case Pass::Done:
        end_ = 0;
        break;
    }
}

template <class Plane>
bool GrowthDerivationSlices::planes(int64_t& budget, Plane plane)
{
    const int64_t cost = std::max<int64_t>(1, int64_t(n_) * n_);
    for (; next_ < end_; ++next_) {
        if (budget <= 0)
            return false;
        plane(next_);
        budget -= cost;
    }
    return true;
}

// Plane by plane, every cell counting its own events: the history is read in
// the order it is stored.
void GrowthDerivationSlices::layerPlane(int32_t t)
{
    const LayerArrays a = Layer(pass_ == Pass::Layer1);
    for (int32_t i = 0; i < n_; ++i)
        for (int32_t j = 0; j < n_; ++j) {
            const uint8_t s = a.history[t][i][j];
            if (s == 1) continue;
            // k < planes <= 500: every event has its entry.
            const int32_t k = events_[i][j]++;
            a.state[k][i][j] = s;
            a.step[k][i][j] = t;
            a.twoStep[k][i][j] = s == 2 ? uint16_t(t) : kNoStep;
            a.zeroStep[k][i][j] = s == 2 ? kNoStep : uint16_t(t);
        }
}

// The warnings and the elements of both layers in one pass over the planes:
// the planes of a run are megabytes, and every pass over them costs its reading.
void GrowthDerivationSlices::elementPlane(int32_t t)
{
    for (int32_t i = 0; i < n_; ++i)
        for (int32_t j = 0; j < n_; ++j) {
            const int32_t a = growthEventState1[t][i][j], b = growthEventState2[t][i][j];
            if (a == b && (a == 2 || a == 0)) counts_.warnings.push_back({t, i, j, a == 2});
            growthEventElement1[t][i][j] = growthEventStep1[t][i][j] % 3 + (a == 0 ? 3 : 0);
            growthEventElement2[t][i][j] = growthEventStep2[t][i][j] % 3 + (b == 0 ? 3 : 0);
        }
}

void GrowthDerivationSlices::frontPlane(int32_t k)
{
    for (int32_t i = 0; i < n_; ++i)
        for (int32_t j = 0; j < n_; ++j) {
            const int32_t twoA = Signed(growthTwoEventStep1[k][i][j]);
            const int32_t zeroA = Signed(growthZeroEventStep1[k][i][j]);
            const int32_t a = twoA >= 0 ? twoA : -1;
            const int32_t b = zeroA >= 0 ? zeroA : -1;
            // Layer 2's event of the other kind at the same event number.
            const int32_t c = zeroA < 0 ? Signed(growthZeroEventStep2[k][i][j]) : -1;
            const int32_t d = twoA < 0 ? Signed(growthTwoEventStep2[k][i][j]) : -1;
            const int32_t front1 = a >= 0 ? a : b;
            const int32_t front2 = c >= 0 ? c : d;
            growthFrontStep1[k][i][j] = front1;
            growthFrontStep2[k][i][j] = front2;
            growthFrontDiff[k][i][j] = front1 - front2;
            // The increment up to this event, while the plane before is still at hand.
            if (k > 0) growthFrontDiffIncrement[k - 1][i][j] = front1 - front2 - growthFrontDiff[k - 1][i][j];
        }
}

bool GrowthDerivationSlices::deriveEvents(int64_t& budget)
{
    for (;;) {
        switch (pass_) {
        case Pass::Layer1:
        case Pass::Layer2: {
            if (!planes(budget, [this](int32_t t) { layerPlane(t); })) return false;
            // The events of the last cell visited.
            int32_t& count = pass_ == Pass::Layer1 ? counts_.layer1 : counts_.layer2;
            count = n_ > 0 ? events_[n_ - 1][n_ - 1] : 0;
            if (pass_ == Pass::Layer1) {
                begin(Pass::Layer2);
            } else if (counts_.layer1 != counts_.layer2) {
                counts_.mismatch = true;
                isGrowthEventCountMismatch = 1;
                begin(Pass::Fronts);
            } else {
                historyRowCount = counts_.layer1;
                begin(Pass::Elements);
            }
            break;
        }
        case Pass::Elements:
            if (!planes(budget, [this](int32_t t) { elementPlane(t); })) return false;
            begin(Pass::Fronts);
            return true;
        case Pass::Fronts:
        case Pass::Done:
            return true;
        }
    }
}

bool GrowthDerivationSlices::deriveFronts(int64_t& budget)
{
    if (!deriveEvents(budget)) return false;
    if (pass_ == Pass::Done) return true;
    if (!planes(budget, [this](int32_t k) { frontPlane(k); })) return false;
    begin(Pass::Done);
    return true;
}

namespace {

constexpr int64_t kWhole = INT64_MAX;

} // namespace

GrowthEventCounts DeriveGrowthEvents(int32_t side)
{
    GrowthDerivationSlices slices(side);
    int64_t budget = kWhole;
    slices.deriveEvents(budget);
    return slices.counts();
}

void DeriveGrowthFronts(int32_t side)
{
    // The fronts alone, over the events as they stand.
    GrowthDerivationSlices slices(side);
    slices.skipToFronts();
    int64_t budget = kWhole;
    slices.deriveFronts(budget);
}

std::string GrowthEventWarningText(const GrowthEventWarning& warning)
{
    return "t=" + std::to_string(warning.event) + " x=" + std::to_string(warning.i) + " y=" +
           std::to_string(warning.j) + (warning.bothTwo ? " Q+Q*=2" : " Q+Q*=0");
}
