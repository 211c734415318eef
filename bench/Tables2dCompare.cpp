// The two-dimensional closure check and extension over the group on
// nine-point tables ("Cross +4", the 3 x 3 square): a table harvested from
// growth runs as "TT 2d" gathers it (about 4900 records; its check stops at a
// failure after millions of placements) and a sparse closed table of about
// 6000 records laid by construction (checked to its end, few placements). The reference scans and the
// indexed forms run on the same table in one run, with their agreement
// checked and their ratio printed (the scan of the harvested table takes
// minutes); then the indexed forms under Google Benchmark. "--benchmarks-only"
// skips the comparisons.
#include "base/GroupAlgebra.h"
#include "base/Random.h"
#include "engine/StringState.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables2d/GrowthEventDerivation.h"
#include "tables2d/GrowthRun.h"
#include "tables2d/HarvestListing.h"
#include "tables2d/NormalisedHarvest.h"
#include "tables1d/ClosureCheck.h"
#include "tables1d/GroupExtension.h"
#include "tables1d/TableBlocks.h"
#include "base/TableRecords.h"
#include "tables2d/ClosureCheck2d.h"

#include "ScanComparison.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kPoints = 9;

// The cross in its start-up order and the four diagonals, normalised by (-1, -1).
ClosureMask NinePointMask()
{
    const Mask2dPoint raw[kPoints] = {{0, 0}, {1, 0}, {0, 1}, {0, -1}, {-1, 0}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
    Mask2dPoint normalised[kPoints];
    for (int p = 0; p < kPoints; ++p) normalised[p] = {raw[p].x + 1, raw[p].y + 1};
    return ClosureMaskOf2d(kPoints, normalised, -1, -1);
}

// A closed table: the key of zeros and random keys with their conjugates.
// Next value = centre cell, so every composed key is a record and the
// permuted test passes.
void LayBenchTable(int records) { LayClosedTable(ClosedBaseKeys({BenchKey{}}, kPoints, 0, records), kPoints); }

// A table harvested from growth runs of "Cross +4" on the 8 x 8 torus, as
// "TT 2d" gathers it, until it holds at least `keys` normalised keys.
bool LayHarvestedTable(int32_t keys)
{
    LayStartupMask2dTables();
    const Mask2dPoint diagonals[4] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
    std::copy_n(mask2dPointTables[0], 5, mask2dPointTables[4]);
    std::copy_n(diagonals, 4, mask2dPointTables[4] + 5);
    ClearTwoDimKeyTables(true, true);
    ForgetNormalisedKeys();
    SeedRandom(11);
    const GrowthSetup setup = MakeGrowthSetup(8, 4);
    for (int run = 0; run < 100000; ++run) {
        ResetGrowthRun(setup.side);
        SeedGrowthLayerRandomly(setup.side);
        BuildGrowthLayer2(setup.side);
        do {
            StepGrowthRun(setup);
        } while ((stringAStopState == 0 || stringBStopState == 0) && stepCount <= 290 && secondStepCount <= 290);
        if (!stringAStopState || !stringBStopState) continue;
        if (DeriveGrowthEvents(setup.side).mismatch) continue;
        DeriveGrowthFronts(setup.side);
        WalkNormalisedWindows(setup.side, mask2dPointTables[4], kPoints);
        const auto listed = ListNormalisedKeys(kPoints, 1666);
        if (!listed) return false;
        if (listed && *listed >= keys) {
            std::printf("harvested %d keys from %d runs\n", *listed, run + 1);
            return BuildHarvestedList(*listed, kPoints);
        }
    }
    return false;
}

// Every record starts a placement.
ClosureScope WholeScope()
{
    ClosureScope scope;
    scope.recordCount = ttRecordCount;
    scope.blockSize = BlockSize(ttRecordCount);
    scope.startCount = ttRecordCount;
    scope.progressLevel = 3;
    return scope;
}

bool CompareCheck()
{
    const ClosureMask mask = NinePointMask();
    const ClosureScope scope = WholeScope();
    ClosureOutcome scan, indexed;
    const double scanSeconds = Seconds([&] { scan = RunClosureCheckByScan(mask, scope); });
    const std::vector<int32_t> scanCounts(ttHitCount, ttHitCount + ttRecordCount);
    double indexedSeconds = 1e9;
    for (int run = 0; run < 5; ++run)
        indexedSeconds = std::min(indexedSeconds, Seconds([&] { indexed = RunClosureCheck(mask, scope); }));
    const bool agree = scan.verdict == indexed.verdict && scan.placements == indexed.placements &&
                       scan.lastPlacement == indexed.lastPlacement && scan.levelEntries == indexed.levelEntries &&
                       std::equal(scanCounts.begin(), scanCounts.end(), ttHitCount);
    const char* const verdicts[3] = {"closed", "IS UNLOCKED", "IS OOOOOOOOOOO"};
    std::printf("two-dimensional closure check, %d records, %d points: %lld placements, %s\n", ttRecordCount,
                kPoints, (long long)indexed.placements, verdicts[int(indexed.verdict)]);
    PrintComparison(scanSeconds, indexedSeconds, agree);
    return agree;
}

void BM_ClosureCheck2dIndexed(benchmark::State& state)
{
    LayBenchTable(int(state.range(0)));
    const ClosureMask mask = NinePointMask();
    const ClosureScope scope = WholeScope();
    for (auto _ : state) benchmark::DoNotOptimize(RunClosureCheck(mask, scope).placements);
    state.counters["records"] = ttRecordCount;
}
BENCHMARK(BM_ClosureCheck2dIndexed)->Arg(3000)->Arg(6000)->Arg(9996)->Unit(benchmark::kMillisecond);

// The harvested table of about 4900 records: every start record.
void BM_ClosureCheck2dHarvested(benchmark::State& state)
{
    LayHarvestedTable(800);
    BuildPermutedCopy(kPoints);
    const ClosureMask mask = NinePointMask();
    const ClosureScope scope = WholeScope();
    for (auto _ : state) benchmark::DoNotOptimize(RunClosureCheck(mask, scope).placements);
    state.counters["records"] = ttRecordCount;
}
BENCHMARK(BM_ClosureCheck2dHarvested)->Unit(benchmark::kMillisecond);

void BM_Extension2dIndexed(benchmark::State& state)
{
    LayBenchTable(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ExtendHitCounts2d(kPoints));
}
BENCHMARK(BM_Extension2dIndexed)->Arg(6000)->Arg(9996)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // "--benchmarks-only": the Google Benchmark runs without the comparisons
    // (the reference scans take minutes).
    const bool compare = !(argc > 1 && std::string(argv[1]) == "--benchmarks-only");
    if (!compare) {
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    bool agree = true;
    if (compare) {
        LayHarvestedTable(800);
        BuildPermutedCopy(kPoints);
        agree = CompareCheck();
        agree = CompareExtensionForms("two-dimensional extension over the group", ExtendHitCounts2dByScan,
                                      ExtendHitCounts2d, kPoints) &&
                agree;
        LayBenchTable(6000);
        agree = CompareCheck() && agree;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return agree ? 0 : 1;
}
