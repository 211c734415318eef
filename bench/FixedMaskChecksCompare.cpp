// The closure checks of the fixed masks (1,1), (3,1), (5,3) and (7,3): the
// scan as first written and the indexed engine on the same table in one run,
// with their agreement checked and their ratio printed, then the indexed
// checks under Google Benchmark. Each table fills its mask's fixed range and
// passes the check, so the whole search runs: every key over a subgroup with
// centre 0, multiplied by the group, each block filled up with rows whose
// cells lie outside the group (they start no placement and are never placed).
#include "base/GroupAlgebra.h"
#include "base/TableRecords.h"
#include "tables1d/ClosureCheck.h"
#include "tables1d/FixedMaskChecks.h"
#include "tables1d/TableBlocks.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

struct Form {
    const char* name;
    FixedClosureCheck check;
    int centre;
    std::vector<uint8_t> alphabet;
};

std::vector<Form> Forms()
{
    return {{"(1,1)", FixedCheckOfMask11(), 1, {0, 1, 2}},
            {"(3,1)", FixedCheckOfMask31(), 2, {0, 1, 2}},
            {"(5,3)", FixedCheckOfMask53(), 2, {0, 1, 2}},
            {"(7,3)", FixedCheckOfMask73(), 3, {0, 4}}};
}

void LayTable(const Form& form)
{
    const int n = form.check.mask.pointCount;
    const int32_t block = form.check.scope.blockSize;
    std::vector<std::vector<uint8_t>> base;
    int total = 1;
    for (int p = 1; p < n; ++p) total *= int(form.alphabet.size());
    for (int code = 0; code < total && int32_t(base.size()) < block; ++code) {
        std::vector<uint8_t> key(size_t(n), 0);
        for (int p = n - 1, rest = code; p >= 0; --p) {
            if (p == form.centre) continue;
            key[size_t(p)] = form.alphabet[size_t(rest) % form.alphabet.size()];
            rest /= int(form.alphabet.size());
        }
        base.push_back(key);
    }
    for (int b = 0; b < 6; ++b)
        for (int32_t i = 0; i < block; ++i) {
            const int32_t row = b * block + i;
            for (int p = 0; p < n; ++p)
                ttKeys[row][p] = i < int32_t(base.size()) ? uint8_t(GroupProduct(uint32_t(b), base[size_t(i)][size_t(p)]))
                                                          : uint8_t(6 + 40 * p + row % 40);
        }
    ttRecordCount = 6 * block;
    BuildPermutedCopy(n);
}

template <class F>
double Seconds(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool Compare(const Form& form)
{
    LayTable(form);
    const FixedClosureCheck& c = form.check;
    ClosureOutcome scan, indexed;
    const double scanSeconds = Seconds([&] { scan = RunClosureCheckByScan(c.mask, c.scope); });
    const std::vector<int32_t> scanCounts(ttHitCount, ttHitCount + c.scope.recordCount);
    double indexedSeconds = 1e9;
    for (int run = 0; run < 5; ++run)
        indexedSeconds = std::min(indexedSeconds, Seconds([&] { indexed = RunClosureCheck(c.mask, c.scope); }));
    const bool agree = scan.verdict == indexed.verdict && scan.placements == indexed.placements &&
                       scan.lastPlacement == indexed.lastPlacement &&
                       std::equal(scanCounts.begin(), scanCounts.end(), ttHitCount);
    std::printf("mask %s, %d records, %lld placements, %s\n", form.name, c.scope.recordCount,
                (long long)indexed.placements, indexed.verdict == ClosureVerdict::Closed ? "closed" : "NOT CLOSED");
    std::printf("  reference scan %10.4f s\n  indexed        %10.6f s\n  ratio          %10.0f x   %s\n",
                scanSeconds, indexedSeconds, scanSeconds / indexedSeconds, agree ? "(same result)" : "DIFFERENT RESULTS");
    return agree;
}

void BM_FixedCheckIndexed(benchmark::State& state)
{
    const Form form = Forms()[size_t(state.range(0))];
    LayTable(form);
    for (auto _ : state) benchmark::DoNotOptimize(RunClosureCheck(form.check.mask, form.check.scope).placements);
    state.SetLabel(form.name);
}
BENCHMARK(BM_FixedCheckIndexed)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    bool allAgree = true;
    for (const Form& form : Forms()) allAgree = Compare(form) && allAgree;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return allAgree ? 0 : 1;
}
