// The whole parameter sweep over a 3 x 3 range (lengths 25..27, B counts 1..3)
// on the offscreen main window with the start-up defaults: "Make table", then
// every tick of Timer9 and Timer1 run as the event loop would run them, until
// the five files are written. The time is the work of the handlers; the
// counters give the timer ticks and the time their intervals add when the
// program runs the sweep.
#include "base/Random.h"
#include "runs/ParameterSweep.h"

#include "StartedWorkbench.h"

#include <vector>

namespace {

void WholeSweep3x3(benchmark::State& state)
{
    const int repeats = static_cast<int>(state.range(0));
    std::vector<MessageRecord> boxes;
    SetMessageRecorder(&boxes);
    Form1->Edit13->setText("25");
    Form1->Edit14->setText("28");
    Form1->Edit11->setText("1");
    Form1->Edit12->setText("4");
    Form1->Edit16->setText(QString::number(repeats));
    long engineTicks = 0, sweepTicks = 0;
    for (auto _ : state) {
        SeedRandom(5);
        Form1->Maketable1Click();
        long ticks = 0;
        while (isSweepRunning && ticks < 10000000) {
            ++ticks;
            if (Form1->Timer9->enabled()) {
                ++sweepTicks;
                Timer::fireForTest(*Form1->Timer9);
            } else if (Form1->Timer1->enabled()) {
                ++engineTicks;
                Timer::fireForTest(*Form1->Timer1);
            } else {
                break;
            }
        }
        if (isSweepRunning) {
            state.SkipWithError("a run of the sweep did not end");
            break;
        }
    }
    SetMessageRecorder(nullptr);
    const double iterations = static_cast<double>(state.iterations());
    state.counters["runs"] = 9.0 * repeats;
    state.counters["Timer1 ticks"] = engineTicks / iterations;
    state.counters["paced s"] = (engineTicks * 1e-3 + sweepTicks * 10e-3) / iterations;
    state.counters["boxes"] = boxes.size() / iterations;
}

} // namespace

BENCHMARK(WholeSweep3x3)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunWorkbenchBenchmarks(argc, argv); }
