// The ticks of "TT 2d" on the offscreen platform with the start-up defaults:
// Timer18's restart, Timer13's steps and the tick that
// ends a run with its derivation, harvest, table file and grid. Each
// iteration is one whole run; the counters give the slowest single tick and
// the mean tick, to be held against Timer13's 10 ms and Timer18's 20 ms.
#include "base/Random.h"
#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "runs/RecordedRun.h"

#include "StartedWorkbench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double Milliseconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

// range(0): mask item; range(1): torus side; range(2): 1 = the layer drawn
// at every step ("Dn't Dr" clear), 0 = not drawn (start-up's setting).
void GeneratorTicks(benchmark::State& state)
{
    Form1->RadioGroup20->setItemIndex(int(state.range(0)));
    mask2dPointCount = 5 + int(state.range(0));
    Form1->Edit1->setText(QString::number(state.range(1)));
    Form1->CheckBox61->setChecked(true);
    Form1->CheckBox67->setChecked(state.range(2) == 0);
    Form1->CheckBox58->setChecked(true);
    Form1->Button170Click();
    Form1->Button226Click();   // the table path of the mask below this program folder
    Form1->Button214Click();

    double slowest18 = 0, slowest13 = 0, total13 = 0;
    int64_t ticks13 = 0, harvested = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        Timer::fireForTest(*Form1->Timer18);
        slowest18 = std::max(slowest18, Milliseconds(start));
        while (Form1->Timer13->enabled()) {
            start = std::chrono::steady_clock::now();
            Timer::fireForTest(*Form1->Timer13);
            const double ms = Milliseconds(start);
            slowest13 = std::max(slowest13, ms);
            total13 += ms;
            ++ticks13;
        }
        harvested += isRunSuccessful;
    }
    Form1->Button215Click();
    state.counters["slowest_Timer18_ms"] = slowest18;
    state.counters["slowest_Timer13_ms"] = slowest13;
    state.counters["mean_Timer13_ms"] = ticks13 ? total13 / double(ticks13) : 0;
    state.counters["ticks/run"] = double(ticks13) / double(state.iterations());
    state.counters["successful"] = double(harvested) / double(state.iterations());
}

} // namespace

BENCHMARK(GeneratorTicks)
    ->Args({0, 6, 0})
    ->Args({0, 6, 1})
    ->Args({1, 6, 1})
    ->Args({2, 8, 0})
    ->Args({3, 8, 0})
    ->Args({4, 8, 0})
    ->Args({0, 27, 0})
    ->Args({0, 27, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

int main(int argc, char** argv)
{
    return RunWorkbenchBenchmarks(argc, argv, [] {
        SeedRandom(1);
        return true;
    });
}
