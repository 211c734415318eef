// The "Randomize" edit moves the generator on by the number typed: stepping
// the generator that many times against the jump of SkipRandom, which
// composes the step with itself by squaring. Both end in the same state.
#include "base/Random.h"

#include <benchmark/benchmark.h>

namespace {

void SteppedDraws(benchmark::State& state)
{
    SeedRandom(1);
    for (auto _ : state) {
        for (int64_t i = 0; i < state.range(0); ++i) Rand();
        benchmark::DoNotOptimize(randomState);
    }
}

void SkippedDraws(benchmark::State& state)
{
    SeedRandom(1);
    for (auto _ : state) {
        SkipRandom(uint64_t(state.range(0)));
        benchmark::DoNotOptimize(randomState);
    }
}

} // namespace

BENCHMARK(SteppedDraws)->Arg(17)->Arg(1'000'000)->Arg(2'147'483'647)->Unit(benchmark::kMicrosecond)->Iterations(3);
BENCHMARK(SkippedDraws)->Arg(17)->Arg(1'000'000)->Arg(2'147'483'647)->Unit(benchmark::kMicrosecond);
