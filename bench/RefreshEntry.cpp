// The refresh entry "DO 149" of the main window (a recorded run, its event
// tables, the space-time picture, the hidden grids, the hatch marks and
// StringGrid9) on the offscreen platform, with the start-up defaults.
#include "base/StringLength.h"
#include "engine/StringState.h"

#include "StartedWorkbench.h"

namespace {

void RefreshEntryButton149(benchmark::State& state)
{
    for (auto _ : state)
        Form1->Button149Click();
    state.SetItemsProcessed(state.iterations());
    state.counters["length"] = stringLength;
    state.counters["stopTimeA"] = stopTimeA;
}

} // namespace

BENCHMARK(RefreshEntryButton149)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunWorkbenchBenchmarks(argc, argv); }
