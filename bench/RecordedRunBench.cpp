// The recorded run with its derivations (events, group elements, fronts and
// output values) per second: the road every table generator takes.
#include "base/Random.h"
#include "base/RunControls.h"
#include "base/StringLength.h"
#include "engine/StringStart.h"
#include "runs/EventTables.h"
#include "runs/RecordedRun.h"

#include <benchmark/benchmark.h>

namespace {

void RecordedRunWithDerivations(benchmark::State& state)
{
  stringLength = static_cast<int32_t>(state.range(0));
  isRandomInitialString = 1;
  SeedRandom(7);
  RecordedRunSettings s;
  s.mask.left[1] = s.mask.right[1] = true;
  s.border = StringBorder::Circle;
  int64_t rows = 0;
  for (auto _ : state) {
    requestedBPointCount = 2;
    ResetRecordedRun();
    MakeRecordedRunStart();
    BeginRecordedRows();
    rows += RunRecordedSteps(s, AcknowledgeStops).rowsWritten;
    ExtractEvents();
    ComputeEventElements();
    ComputeFrontsAndOutputs();
    benchmark::DoNotOptimize(eventFrontDiffIncrement[0][0]);
  }
  state.counters["rows/run"] = benchmark::Counter(double(rows) / double(state.iterations()));
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(RecordedRunWithDerivations)->Arg(6)->Arg(27);
