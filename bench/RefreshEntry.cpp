// The refresh entry "DO 149" of the main window (a recorded run, its event
// tables, the space-time picture, the hidden grids, the hatch marks and
// StringGrid9) on the offscreen platform, with the start-up defaults.
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "engine/StringLength.h"
#include "engine/StringState.h"

#include <QApplication>
#include <benchmark/benchmark.h>

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

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CreateWindows();
    Form1->show_();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
