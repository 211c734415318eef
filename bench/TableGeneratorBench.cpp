// One generation pass of the table generator without its recorded run:
// learning the windows of a full run of event rows, and listing the learned
// keys, which walks every used flag of the table (6^9 for nine points).
#include "base/Random.h"
#include "base/StringLength.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/TableGenerator.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kRows = 500, kColumns = 50;

struct RandomRun {
    RandomRun()
    {
        SeedRandom(7);
        for (auto& e : elements) e = Rand() % 6;
        for (auto& d : outputs) d = Rand() % 3 - 1;
    }
    EventRowsView view() { return {elements.data(), outputs.data(), kColumns, kRows, kRows}; }
    std::vector<int32_t> elements = std::vector<int32_t>(kRows * kColumns);
    std::vector<int32_t> outputs = std::vector<int32_t>(kRows * kColumns);
};

GeneratorMask MaskOf(int n)
{
    GeneratorMask mask;
    mask.pointCount = n;
    for (int j = 0; j < n; ++j) mask.offsets[j] = j - n / 2;
    return mask;
}

void BM_LearnWindows(benchmark::State& state)
{
    const int n = int(state.range(0));
    stringLength = 27;
    RandomRun run;
    for (auto _ : state) {
        state.PauseTiming();
        ClearSmallKeyTables();
        ClearEightAndNineCellFlags();
        state.ResumeTiming();
        benchmark::DoNotOptimize(LearnWindows(run.view(), MaskOf(n)));
    }
}
BENCHMARK(BM_LearnWindows)->DenseRange(5, 9);

void BM_ListLearnedKeys(benchmark::State& state)
{
    const int n = int(state.range(0));
    stringLength = 27;
    ClearSmallKeyTables();
    ClearEightAndNineCellFlags();
    RandomRun run;
    LearnWindows(run.view(), MaskOf(n));
    for (auto _ : state) benchmark::DoNotOptimize(ListLearnedKeys(n, 10000));
}
BENCHMARK(BM_ListLearnedKeys)->DenseRange(5, 9);

} // namespace
