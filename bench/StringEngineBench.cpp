// Strings A and B stepped under the default settings (mask distance 1 on both
// sides, border "Circle", 27 cells): steps per second of the string engine.
#include "base/StringLength.h"
#include "engine/StringEngine.h"
#include "engine/StringState.h"

#include <benchmark/benchmark.h>

namespace {

void StepBothStrings(benchmark::State& state) {
  stringLength = 27;
  StringStepSettings settings;
  settings.mask.left[1] = settings.mask.right[1] = true;
  settings.border = StringBorder::Circle;
  for (auto _ : state) {
    for (int i = 0; i < 27; ++i) stringA[i] = stringB[i] = static_cast<uint8_t>(1 + (i * 7) % 2);
    stringA[3] = stringB[3] = 0;
    for (int k = 0; k < state.range(0); ++k) StepStrings(settings);
    benchmark::DoNotOptimize(stringA);
    benchmark::DoNotOptimize(stepCount);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));   // items = steps of both strings
}

}  // namespace

BENCHMARK(StepBothStrings)->Arg(1000000)->Unit(benchmark::kMillisecond);
