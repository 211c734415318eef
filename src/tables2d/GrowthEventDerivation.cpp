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

// Events of one layer; returns the event count of the last cell visited.
int32_t DeriveLayer(const GrowthHistory& history, int32_t stopTime, int32_t n, GrowthPlanes32& state,
                    GrowthPlanes32& step, GrowthPlanes16& twoStep, GrowthPlanes16& zeroStep)
{
    const int32_t planes = std::clamp(stopTime, 0, kGrowthHistoryPlanes);
    // Plane by plane, every cell counting its own events: the history is read in
    // the order it is stored (this runs at the end of every run of a harvest).
    int32_t events[kGrowthSide][kGrowthSide] = {};
    for (int32_t t = 0; t < planes; ++t)
        for (int32_t i = 0; i < n; ++i)
            for (int32_t j = 0; j < n; ++j) {
                const uint8_t s = history[t][i][j];
                if (s == 1) continue;
                // k < planes <= 500: every event has its entry.
                const int32_t k = events[i][j]++;
                state[k][i][j] = s;
                step[k][i][j] = t;
                twoStep[k][i][j] = s == 2 ? uint16_t(t) : kNoStep;
                zeroStep[k][i][j] = s == 2 ? kNoStep : uint16_t(t);
            }
    return n > 0 ? events[n - 1][n - 1] : 0;
}

int32_t Signed(uint16_t v) { return int32_t(int16_t(v)); }

} // namespace

GrowthEventCounts DeriveGrowthEvents(int32_t side)
{
    const int32_t n = ClampSide(side);
    GrowthEventCounts counts;
    counts.layer1 = DeriveLayer(growthLayer1History, stopTimeA, n, growthEventState1, growthEventStep1,
                                growthTwoEventStep1, growthZeroEventStep1);
    counts.layer2 = DeriveLayer(growthLayer2History, stopTimeB, n, growthEventState2, growthEventStep2,
                                growthTwoEventStep2, growthZeroEventStep2);
    if (counts.layer1 != counts.layer2) {
        counts.mismatch = true;
        isGrowthEventCountMismatch = 1;
        return counts;
    }
    historyRowCount = counts.layer1;
    const int32_t events = UsableEvents();
    // The warnings and the elements in one pass over the planes: the planes
    // of a run are megabytes, and every pass over them costs its reading.
    for (int32_t t = 0; t < events; ++t)
        for (int32_t i = 0; i < n; ++i)
            for (int32_t j = 0; j < n; ++j) {
                const int32_t a = growthEventState1[t][i][j], b = growthEventState2[t][i][j];
                if (a == b && (a == 2 || a == 0)) counts.warnings.push_back({t, i, j, a == 2});
                growthEventElement1[t][i][j] = growthEventStep1[t][i][j] % 3 + (a == 0 ? 3 : 0);
                growthEventElement2[t][i][j] = growthEventStep2[t][i][j] % 3 + (b == 0 ? 3 : 0);
            }
    return counts;
}

void DeriveGrowthFronts(int32_t side)
{
    const int32_t n = ClampSide(side);
    const int32_t events = UsableEvents();
    for (int32_t k = 0; k < events; ++k)
        for (int32_t i = 0; i < n; ++i)
            for (int32_t j = 0; j < n; ++j) {
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

std::string GrowthEventWarningText(const GrowthEventWarning& warning)
{
    return "t=" + std::to_string(warning.event) + " x=" + std::to_string(warning.i) + " y=" +
           std::to_string(warning.j) + (warning.bothTwo ? " Q+Q*=2" : " Q+Q*=0");
}
