// The ticks of "TT 2d" on the offscreen platform.
//
// First the cadence of the chain: the first 300 runs of "Cross +4" on a torus
// of 12 and of 8 from random state 1, the ticks of Timer13 they take against
// their steps (one tick a step).
//
// Then, on tables as a researcher meets them: the chain of "TT 2d" runs
// (Timer18's restart, Timer13's steps and the ticks after a successful run
// that share its derivation, harvest, table file and grid) until the table of
// the mask stops growing, then every tick of a further stretch of runs is
// timed, with the grid's refresh that the tick leaves for the event loop. The
// mean, the 99th percentile and the worst tick are printed against a tenth of
// the interval (Timer13 10 ms, Timer18 20 ms). Each recipe (mask, extra
// points, torus side, random state) is written below; the last ones go on
// from a table harvested on a torus of 12 to the largest tori on which runs
// of their mask still end.
//
// Then, under Google Benchmark, whole runs on fresh tables from the start-up
// defaults ("--benchmarks-only" skips the first part).
#include "base/Random.h"
#include "base/TableRecords.h"
#include "engine/StringState.h"
#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "runs/RecordedRun.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/TForm1GrowthRunEnd.h"

#include "BenchOptions.h"
#include "HarvestedTables.h"
#include "StartedWorkbench.h"
#include "TickStatistics.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
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

// A mask of "n points" with its extra points typed into the coordinate edits
// ("X5=" .. "Y8="; empty: the item's own points), on a torus of `side`, the
// random generator seeded with `seed` before "TT 2d". With a larger side, the
// generator then goes on from the saturated table on a torus of that side
// until `largerRuns` of its runs have ended and been harvested.
struct HarvestRecipe {
    const char* name;
    int item;
    std::vector<int> coordinates;
    int side;
    uint32_t seed;
    int largerSide = 0;
    int largerRuns = 0;
};

const HarvestRecipe kRecipes[] = {
    {"Cross +3, side 12", 3, {}, 12, 1},
    {"Cross +3 with (2,0) (0,2) (-2,0), side 12", 3, {2, 0, 0, 2, -2, 0}, 12, 1},
    {"Cross +4, side 12", 4, {}, 12, 1},
    {"Cross +4 with (1,1) (-1,-1) (2,0) (-2,0), side 12", 4, {1, 1, -1, -1, 2, 0, -2, 0}, 12, 1},
    // Grows past the capacity of 1666 keys: the generator stops there.
    {"Cross +4 with (2,0) (0,2) (-2,0) (0,-2), side 10", 4, {2, 0, 0, 2, -2, 0, 0, -2}, 10, 1},
    // The largest tori on which runs of these masks still end now and then.
    {"Cross +3, side 12, then side 14", 3, {}, 12, 1, 14, 30},
    {"Cross +4, side 12, then side 18", 4, {}, 12, 1, 18, 30},
};

// One run of the chain: Timer18's tick, then Timer13's ticks until the chain
// rests, every tick timed. Timer13's ticks go to three groups: those that step
// the run on, the tick whose step ends a successful run (with what of the
// run's end it takes on), and the later ticks that share the rest of an end.
// The ticks are counted against the steps of the run, max(stopTimeA,
// stopTimeB): one tick a step is the cadence at which the end of a run comes
// within the tick of its last step.
struct ChainTimes {
    TickTimes restart, stepping, stopping, ending;
    int runs = 0, successfulRuns = 0, endedInTheirTick = 0;
    int64_t ticks13 = 0, steps = 0;

    void runOnce()
    {
        restart.measure([] { Timer::fireForTest(*Form1->Timer18); });
        ++runs;
        while (Form1->Timer13->enabled()) {
            const bool sharing = IsGrowthRunEnding();
            TickTimes one;
            one.measure([] { Timer::fireForTest(*Form1->Timer13); });
            ++ticks13;
            const bool stopped = !Form1->Timer13->enabled() || IsGrowthRunEnding();
            if (sharing) {
                ending.add(one);
            } else if (stopped && isRunSuccessful) {
                stopping.add(one);
                ++successfulRuns;
                endedInTheirTick += !Form1->Timer13->enabled();
            } else {
                stepping.add(one);
            }
        }
        steps += std::max(stopTimeA, stopTimeB);
    }

    void print() const
    {
        std::printf("  %d runs, %d successful, %d of these ended within the tick of their last step\n", runs,
                    successfulRuns, endedInTheirTick);
        std::printf("  Timer13: %lld ticks against %lld steps, max(stopTimeA, stopTimeB) per run "
                    "(%.2f against %.2f a run: %+.1f %%)\n",
                    (long long)ticks13, (long long)steps, double(ticks13) / std::max(1, runs),
                    double(steps) / std::max(1, runs), 100.0 * double(ticks13 - steps) / double(std::max<int64_t>(1, steps)));
        stepping.print("Timer13, a step", 10);
        stopping.print("Timer13, a successful run's last step and end", 10);
        ending.print("Timer13, a later share of a run's end", 10);
        restart.print("Timer18, restart", 20);
    }
};

// Runs the chain until the table holds `from` records, then times every tick
// until the table has not grown for `quietRuns` runs in a row (or the
// generator stops at the capacity).
void TimeSaturatedHarvest(const HarvestRecipe& r, int32_t from, int quietRuns)
{
    StartHarvest2d(r.item, r.coordinates, r.side, r.seed);
    ChainTimes warm, times;
    const SaturationRun run = RunToSaturation([&](bool timed) { (timed ? times : warm).runOnce(); },
                                              [] { return ttRecordCount; }, [] { return isTableGenerator2dRunning != 0; },
                                              from, quietRuns, 20000);
    Form1->Button215Click();
    std::printf("%s: %d points, random state %u\n", r.name, mask2dPointCount, r.seed);
    run.print("runs");
    times.print();
    if (r.largerSide == 0) return;

    Form1->Edit1->setText(QString::number(r.largerSide));
    Form1->Button214Click();
    ChainTimes larger;
    while (larger.successfulRuns < r.largerRuns && larger.runs < 20000 && isTableGenerator2dRunning)
        larger.runOnce();
    Form1->Button215Click();
    std::printf("  then on a torus of %d: up to %d records (%d keys)\n", r.largerSide, ttRecordCount,
                ttRecordCount / 6);
    larger.print();
}

// The first runs of a chain from fresh tables, counted from "TT 2d" on.
void CountFirstRuns(const HarvestRecipe& r, int runs)
{
    StartHarvest2d(r.item, r.coordinates, r.side, r.seed);
    ChainTimes times;
    while (times.runs < runs && isTableGenerator2dRunning) times.runOnce();
    Form1->Button215Click();
    std::printf("%s: the first %d runs from random state %u, up to %d records\n", r.name, times.runs, r.seed,
                ttRecordCount);
    times.print();
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
    const BenchOptions options = TakeBenchOptions(argc, argv);
    return RunWorkbenchBenchmarks(argc, argv, [options] {
        if (options.beforeBenchmarks && options.only < 0) {
            CountFirstRuns(kRecipes[2], 300);
            // Its own side: short runs, where the end of a run weighs most.
            CountFirstRuns({"Cross +4, side 8", 4, {}, 8, 1}, 300);
        }
        for (int i = 0; options.beforeBenchmarks && i < int(std::size(kRecipes)); ++i)
            if (options.takes(i)) TimeSaturatedHarvest(kRecipes[i], 2000, 300);
        SeedRandom(1);
        return true;
    });
}
