#include "tables2d/GrowthRun.h"

#include "base/Random.h"
#include "engine/StringState.h"
#include "runs/RecordedRun.h"

#include <algorithm>
#include <cstring>

// Plain zero-initialised globals (the histories are about 730 KB): never on the stack.
GrowthLayer growthLayer1Cells, growthLayer2Cells;
GrowthLayer growthWorkCells;
GrowthHistory growthLayer1History, growthLayer2History;
uint8_t isGrowthEventCountMismatch = 0;
int32_t secondStepCount = 0;
GrowthSetup growthSetup;

namespace {

int32_t ClampSide(int32_t side) { return std::clamp(side, 0, kGrowthSide); }

// Whether one of the mask's points 1.. around (i, j) holds 0 in the work copy.
bool HasEmptyNeighbour(int32_t i, int32_t j, const GrowthSetup& setup)
{
    for (int p = 1; p < setup.pointCount; ++p) {
        const int32_t row = WrapTorus(i + setup.points[p].y, setup.side);
        const int32_t column = WrapTorus(j + setup.points[p].x, setup.side);
        if (growthWorkCells[row][column] == 0) return true;
    }
    return false;
}

uint8_t NextCell(uint8_t v, int32_t i, int32_t j, const GrowthSetup& setup)
{
    switch (v) {
    case 0: return 1;
    case 1: return HasEmptyNeighbour(i, j, setup) ? 2 : 0;
    case 2: return HasEmptyNeighbour(i, j, setup) ? 0 : 2;
    default: return v;
    }
}

} // namespace

int32_t WrapTorus(int32_t index, int32_t side)
{
    if (side <= 0) return 0;
    const int32_t r = index % side;
    return r < 0 ? r + side : r;
}

GrowthSetup MakeGrowthSetup(int32_t side, int item)
{
    GrowthSetup setup;
    setup.side = ClampSide(side);
    if (item < 0 || item >= kMask2dTableCount) return setup;
    setup.pointCount = 5 + item;
    std::copy_n(mask2dPointTables[item], setup.pointCount, setup.points);
    return setup;
}

void StepGrowthLayer(GrowthLayer& layer, GrowthHistory& history, int32_t& counter, int32_t& stopTime,
                     uint8_t& stopState, const GrowthSetup& setup)
{
    const int32_t n = ClampSide(setup.side);
    std::memcpy(growthWorkCells, layer, sizeof(GrowthLayer));
    for (int32_t i = 0; i < n; ++i)
        for (int32_t j = 0; j < n; ++j) layer[i][j] = NextCell(growthWorkCells[i][j], i, j, setup);

    if (counter >= 0 && counter < kGrowthHistoryPlanes)
        std::memcpy(history[counter], layer, sizeof(GrowthLayer));
    else
        isRunSuccessful = 0;
    // A counter is at most a few thousand steps of "tim13 182" presses: no overflow.
    ++counter;
    stopTime = counter;
    stopState = GrowthLayerHasZero(layer, n) ? 0 : 1;
}

void StepGrowthRun(const GrowthSetup& setup)
{
    if (stringAStopState == 0)
        StepGrowthLayer(growthLayer1Cells, growthLayer1History, stepCount, stopTimeA, stringAStopState, setup);
    if (stringBStopState == 0)
        StepGrowthLayer(growthLayer2Cells, growthLayer2History, secondStepCount, stopTimeB, stringBStopState,
                        setup);
}

void ResetGrowthRun(int32_t side)
{
    isGrowthEventCountMismatch = 0;
    stringAStopState = 0;
    stringBStopState = 0;
    stepCount = 0;
    secondStepCount = 0;
    stopTimeA = 0;
    stopTimeB = 0;
    isRunSuccessful = 1;
    const int32_t n = ClampSide(side);
    for (int32_t i = 0; i < n; ++i) std::fill_n(growthLayer1Cells[i], n, uint8_t(2));
}

void SeedGrowthLayerRandomly(int32_t side)
{
    const int32_t n = ClampSide(side);
    const int32_t h = n / 2;
    if (h < 1) return;
    auto drawBlock = [&](auto apply) {
        const int32_t a = Rand() % h, b = Rand() % h, p = Rand() % h, q = Rand() % h;
        for (int32_t r = 0; r < a; ++r)
            for (int32_t c = 0; c < b; ++c) apply(growthLayer1Cells[WrapTorus(p + r, n)][WrapTorus(q + c, n)]);
    };
    drawBlock([](uint8_t& cell) { cell = 1; });
    drawBlock([](uint8_t& cell) {
        if (cell == 1)
            cell = 2;
        else if (cell == 2)
            cell = 1;
    });
    // On a torus of side 2 a cell of row or column 2 lies beside the torus, in
    // the array but never stepped or drawn.
    for (int k = 0; k < 2; ++k) {
        const int32_t j = Rand() % 3;
        const int32_t i = Rand() % 3;
        growthLayer1Cells[i][j] = 1;
    }
    const int32_t groups = Rand() % 8;
    for (int32_t g = 0; g < 9 * groups; ++g) {
        const int32_t j = Rand() % n;
        const int32_t i = Rand() % n;
        growthLayer1Cells[i][j] = 1;
    }
}

void SeedGrowthLayerFixed(int32_t side)
{
    const int32_t n = ClampSide(side);
    for (int32_t i = 0; i < n; ++i) std::fill_n(growthLayer1Cells[i], n, uint8_t(2));
    if (n > 4) growthLayer1Cells[4][4] = 1;
}

void BuildGrowthLayer2(int32_t side)
{
    const int32_t n = ClampSide(side);
    for (int32_t i = 0; i < n; ++i)
        for (int32_t j = 0; j < n; ++j) growthLayer2Cells[i][j] = growthLayer1Cells[i][j] == 2 ? 1 : 2;
}

bool GrowthLayerHasZero(const GrowthLayer& layer, int32_t side)
{
    const int32_t n = ClampSide(side);
    for (int32_t i = 0; i < n; ++i)
        for (int32_t j = 0; j < n; ++j)
            if (layer[i][j] == 0) return true;
    return false;
}
