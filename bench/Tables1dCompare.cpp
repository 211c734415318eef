// The closure check and the extension over the group of a nine-point table of
// several thousand records: the reference scans and the indexed forms on the
// same table in one run, with their agreement checked and their ratio printed,
// then the indexed forms under Google Benchmark.
#include "base/GroupAlgebra.h"
#include "base/TableRecords.h"
#include "tables1d/ClosureCheck.h"
#include "tables1d/GroupExtension.h"
#include "tables1d/TableBlocks.h"

#include "ScanComparison.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPoints = 9;
constexpr int kCentre = 4;

ClosureMask NinePointMask()
{
    ClosureMask mask;
    mask.pointCount = kPoints;
    for (int p = 0; p < kPoints; ++p) mask.positions[p] = p;   // offsets -4..4
    mask.doubleLeftReach = 2 * kCentre;
    return mask;
}

// A closed table whose composed keys are records: every key over {0, 4}
// first, so rows over the cosets of {0, 4} place freely.
void LayBenchTable(int records)
{
    std::vector<BenchKey> seeds;
    for (int code = 0; code < 256; ++code) {
        BenchKey k{};
        for (int p = 0, bit = 0; p < kPoints; ++p)
            if (p != kCentre) k[p] = ((code >> bit++) & 1) ? 4 : 0;
        seeds.push_back(k);
    }
    LayClosedTable(ClosedBaseKeys(seeds, kPoints, kCentre, records), kPoints);
}

bool CompareCheck()
{
    const ClosureMask mask = NinePointMask();
    ClosureOutcome scan, indexed;
    const double scanSeconds = Seconds([&] { scan = RunClosureCheckByScan(mask, false); });
    const std::vector<int32_t> scanCounts(ttHitCount, ttHitCount + ttRecordCount);
    double indexedSeconds = 1e9;
    for (int run = 0; run < 5; ++run)
        indexedSeconds = std::min(indexedSeconds, Seconds([&] { indexed = RunClosureCheck(mask, false); }));
    const bool agree = scan.verdict == indexed.verdict && scan.placements == indexed.placements &&
                       scan.lastPlacement == indexed.lastPlacement &&
                       std::equal(scanCounts.begin(), scanCounts.end(), ttHitCount);
    std::printf("closure check, %d records, %d points: %lld placements\n", ttRecordCount, kPoints,
                (long long)indexed.placements);
    PrintComparison(scanSeconds, indexedSeconds, agree);
    return agree;
}

void BM_ClosureCheckIndexed(benchmark::State& state)
{
    LayBenchTable(int(state.range(0)));
    const ClosureMask mask = NinePointMask();
    for (auto _ : state) benchmark::DoNotOptimize(RunClosureCheck(mask, false).placements);
    state.counters["records"] = ttRecordCount;
}
BENCHMARK(BM_ClosureCheckIndexed)->Arg(3000)->Arg(6000)->Arg(9996)->Unit(benchmark::kMillisecond);

void BM_ExtensionIndexed(benchmark::State& state)
{
    LayBenchTable(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ExtendHitCounts(kPoints));
}
BENCHMARK(BM_ExtensionIndexed)->Arg(6000)->Arg(9996)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    LayBenchTable(6000);
    const bool checkAgrees = CompareCheck();
    const bool extensionAgrees =
        CompareExtensionForms("extension over the group", ExtendHitCountsByScan, ExtendHitCounts, kPoints);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return checkAgrees && extensionAgrees ? 0 : 1;
}
