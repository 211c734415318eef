// The growth run without its window: one whole run (restart, random seeding,
// steps to its end), its events and fronts, and the five-point harvest with
// its listing and table list; and the listing of harvested keys from the
// remembered keys against a scan of every used flag (6^n of them).
#include "base/Random.h"
#include "engine/StringState.h"
#include "mask2d/Mask2dTables.h"
#include "runs/RecordedRun.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/TableGenerator.h"
#include "tables2d/FivePointHarvest.h"
#include "tables2d/GrowthEventDerivation.h"
#include "tables2d/GrowthRun.h"
#include "tables2d/HarvestListing.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

constexpr int32_t kStepLimit = 290;   // the timer chain ends a run after 291 steps

// One run to its end as the timer chain steps it; true when both layers stopped.
bool OneRun(const GrowthSetup& setup)
{
    ResetGrowthRun(setup.side);
    SeedGrowthLayerRandomly(setup.side);
    BuildGrowthLayer2(setup.side);
    do {
        StepGrowthRun(setup);
    } while ((stringAStopState == 0 || stringBStopState == 0) && stepCount <= kStepLimit &&
             secondStepCount <= kStepLimit);
    return stringAStopState && stringBStopState;
}

void SetUpMasks()
{
    LayStartupMask2dTables();
    // "Cross +3" and "Cross +4" as the chooser lays them.
    const Mask2dPoint diagonals[4] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
    for (int t = 3; t <= 4; ++t) {
        std::copy_n(mask2dPointTables[0], 5, mask2dPointTables[t]);
        std::copy_n(diagonals, t - 1, mask2dPointTables[t] + 5);
    }
    ClearTwoDimKeyTables(true, true);
    ForgetNormalisedKeys();
}

// A whole run with its derivation and harvest; range(0) = mask item, range(1) = side.
void BM_GrowthRunDeriveHarvest(benchmark::State& state)
{
    SetUpMasks();
    SeedRandom(11);
    const GrowthSetup setup = MakeGrowthSetup(int32_t(state.range(1)), int(state.range(0)));
    Mask2dPoint cross[5];
    std::copy_n(mask2dPointTables[0], 5, cross);
    int64_t successes = 0, steps = 0;
    double slowest = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool success = OneRun(setup);
        steps += std::max(stepCount, secondStepCount);
        if (success) {
            ++successes;
            const GrowthEventCounts counts = DeriveGrowthEvents(setup.side);
            DeriveGrowthFronts(setup.side);
            if (!counts.mismatch && !WalkFivePointWindows(setup.side, cross).conflict) {
                const auto keys = ListNormalisedKeys(5, kGeneratorMaxKeys);
                if (keys) BuildHarvestedList(*keys, 5);
            }
        }
        slowest = std::max(slowest, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["successful"] = double(successes) / double(state.iterations());
    state.counters["steps/run"] = double(steps) / double(state.iterations());
    state.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_GrowthRunDeriveHarvest)
    ->Args({0, 6})     // "Cross" on the torus the chooser gives it
    ->Args({1, 6})     // the default mask "Cross +1"
    ->Args({4, 8})
    ->Args({0, 27})    // the largest torus
    ->Unit(benchmark::kMillisecond);

// One step of both layers on the largest torus and mask.
void BM_GrowthStep(benchmark::State& state)
{
    SetUpMasks();
    SeedRandom(3);
    const GrowthSetup setup = MakeGrowthSetup(27, 4);
    ResetGrowthRun(27);
    SeedGrowthLayerRandomly(27);
    BuildGrowthLayer2(27);
    for (auto _ : state) {
        stringAStopState = stringBStopState = 0;
        stepCount = secondStepCount = 0;
        StepGrowthRun(setup);
    }
}
BENCHMARK(BM_GrowthStep)->Unit(benchmark::kMicrosecond);

// ~1600 harvested keys of n cells (the most the list takes): listed from the
// remembered keys, and by a scan of every flag as before.
void MarkKeys(int n)
{
    ClearTwoDimKeyTables(true, true);
    ForgetNormalisedKeys();
    ListNormalisedKeys(n, kGeneratorMaxKeys);   // the list is trusted from here on
    SeedRandom(5);
    const int32_t size = n == 5 ? kKeys5 : n == 6 ? kKeys6 : n == 7 ? kKeys7 : n == 8 ? kKeys8 : kKeys9;
    for (int k = 0; k < kGeneratorMaxKeys; ++k) MarkNormalisedKey(n, int32_t((int64_t(Rand()) * 32768 + Rand()) % size));
}

void BM_ListHarvestedKeys(benchmark::State& state)
{
    const int n = int(state.range(0));
    MarkKeys(n);
    for (auto _ : state) benchmark::DoNotOptimize(ListNormalisedKeys(n, kGeneratorMaxKeys));
}
BENCHMARK(BM_ListHarvestedKeys)->DenseRange(5, 9)->Unit(benchmark::kMicrosecond);

void BM_ListByFullScan(benchmark::State& state)
{
    const int n = int(state.range(0));
    MarkKeys(n);
    for (auto _ : state) benchmark::DoNotOptimize(ListLearnedKeys(n, kGeneratorMaxKeys));
}
BENCHMARK(BM_ListByFullScan)->DenseRange(5, 9)->Unit(benchmark::kMicrosecond);

} // namespace
