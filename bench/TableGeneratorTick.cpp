// The ticks of "TT 1d" on the offscreen platform, on tables as a researcher
// meets them: the chain of generation passes on Timer17 (each records a run,
// refreshes the run's grids and lists, learns its windows, lists the learned
// keys, multiplies them by the group, fills the grid and writes the table
// file) runs until the table holds thousands of records, then every pass is
// timed, with the grids' refresh it leaves for the event loop, until the table
// has not grown for a stretch of passes. The mean, the 99th percentile and the
// worst tick are printed against a tenth of Timer17's 20 ms. Then the same for
// the one-dimensional harvest of mask (3,1) on Timer12 ("Stop 173", 100 ms).
// Each recipe (the mask pair picked on "ANY I", the string length, the random
// state) is written below.
#include "base/Random.h"
#include "base/TableRecords.h"
#include "engine/Mask1d.h"
#include "tables1d/TableGenerator.h"

#include "BenchOptions.h"
#include "StartedWorkbench.h"
#include "TickStatistics.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

// A mask pair (m, k) of the "ANY I" picture: column (m - 7) / 2, row (k - 1) / 2.
struct GeneratorRecipe {
    const char* name;
    int leftBits, rightBits;
    int length;
    uint32_t seed;
};

const GeneratorRecipe kRecipes[] = {
    {"(15,15): distances 1-4 on both sides, 9 points, string of 27", 15, 15, 27, 1},
    {"(31,7): distances 1-5 left, 1-3 right, 9 points, string of 27", 31, 7, 27, 1},
    {"(23,23): distances 1,2,3,5 on both sides, 9 points, string of 27", 23, 23, 27, 1},
};

void PickMask(int leftBits, int rightBits)
{
    const int x = (leftBits - 7) / 2 * 40 + 5, y = (rightBits - 1) / 2 * 40 + 5;
    Form1->Image15->onMouseMove(Qt::NoModifier, x, y);
    Form1->Image15->onMouseDown(Qt::LeftButton, Qt::NoModifier, x, y);
}

// Runs passes until the table holds `from` records, then times every pass
// until the table has not grown for `quietPasses` passes in a row.
void TimeSaturatedGenerator(const GeneratorRecipe& r, int32_t from, int quietPasses)
{
    Form1->Edit1->setText(QString::number(r.length));
    PickMask(r.leftBits, r.rightBits);
    SeedRandom(r.seed);
    Form1->Button204Click();
    TickTimes times, unused;
    const SaturationRun run = RunToSaturation(
        [&](bool timed) { (timed ? times : unused).measure([] { Timer::fireForTest(*Form1->Timer17); }); },
        [] { return ttRecordCount; }, [] { return isGenerating1d != 0; }, from, quietPasses, 100000);
    Form1->Button211Click();
    std::printf("TT 1d, mask %s: %d points, random state %u\n", r.name, mask1dPointCount, r.seed);
    run.print("passes");
    times.print("Timer17, a generation pass", 20);
}

// "Stop 173": mask (3,1) learned from a run at every tick of Timer12.
void TimeMask31Harvest(int ticks)
{
    Form1->Edit1->setText("27");
    PickMask(23, 23);   // the rule of the recorded runs
    SeedRandom(1);
    Form1->Button173Click();
    TickTimes times;
    for (int t = 0; t < ticks && Form1->Timer12->enabled(); ++t)
        times.measure([] { Timer::fireForTest(*Form1->Timer12); });
    if (Form1->Timer12->enabled()) Form1->Button173Click();
    std::printf("mask (3,1) harvest of runs under (23,23), string of 27, random state 1: %d records after %zu ticks\n", ttRecordCount,
                times.count());
    times.print("Timer12, a harvest", 100);
}

} // namespace

int main(int argc, char** argv)
{
    // Recipe N = the number of generator recipes is the mask (3,1) harvest.
    const BenchOptions options = TakeBenchOptions(argc, argv);
    return RunWorkbenchBenchmarks(argc, argv, [options] {
        for (int i = 0; i < int(std::size(kRecipes)); ++i)
            if (options.beforeBenchmarks && options.takes(i)) TimeSaturatedGenerator(kRecipes[i], 2000, 300);
        if (options.beforeBenchmarks && options.takes(int(std::size(kRecipes)))) TimeMask31Harvest(300);
        return true;
    });
}
