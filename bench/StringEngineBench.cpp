// Strings A and B stepped under the default settings (mask distance 1 on both
// sides, border "Circle", 27 cells): steps per second of the string engine.
// Then the engine's part of a Timer1 tick at the most steps "n steps" allows:
// batches of 1000 steps of a run that goes on (random cells 0, 1 and 2, random
// state 5, the mask of left distances 2-4 and right distances 1, 2 and 5,
// border "Frozen A").
#include "base/Random.h"
#include "base/RunControls.h"
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

namespace {

void BatchOf1000Steps(benchmark::State& state) {
  stringLength = 27;
  StringStepSettings settings;
  for (int d = 1; d <= 5; ++d) {
    settings.mask.left[d] = (14 >> (d - 1)) & 1;
    settings.mask.right[d] = (19 >> (d - 1)) & 1;
  }
  settings.border = StringBorder::FrozenA;
  SeedRandom(5);
  for (int i = 0; i < 27; ++i) {
    stringA[i] = static_cast<uint8_t>(Rand() % 3);
    stringB[i] = static_cast<uint8_t>(Rand() % 3);
  }
  stepCount = 0;
  stringAStopState = stringBStopState = 0;
  stepsPerRun = 1000;
  isSingleStep = 0;
  int64_t steps = 0;
  for (auto _ : state) steps += RunStringBatch(settings, false).stepsDone;
  state.SetItemsProcessed(steps);   // items = steps of both strings
}

}  // namespace

BENCHMARK(BatchOf1000Steps)->Unit(benchmark::kMicrosecond);
