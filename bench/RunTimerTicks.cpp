// The two 1 ms ticks on the offscreen platform, each tick timed with the work
// it leaves for the event loop: the mean, the 99th percentile and the worst
// tick of each against a tenth of the interval (0.1 ms).
//
// Timer1, the string engine, at the most steps a tick the "n steps" edit
// allows (1000): "GO" on random strings of 27 cells under a mask whose runs go
// on for thousands of steps (laid below), 100 ticks or until the run ends,
// after one such run untimed (what the first tick after start-up sets up once).
//
// Timer2, the lattice step, on the square of side 131 at one step a tick (as
// the stored examples that start it set "n steps"): a random square of 0s, 1s
// and 2s (every cell active, and the dying test scans no further than it
// must) under the rule table the program draws itself ("Random" weights of the
// rule-table window, then "Mk. rand." until its acceptance test takes one),
// 1000 ticks in each rule mode; the 99th percentile is the figure to keep
// under a tenth of the interval.
#include "base/Random.h"
#include "base/RunControls.h"
#include "base/Square.h"
#include "base/SquareSize.h"
#include "base/StringLength.h"
#include "engine/StringState.h"
#include "lattice/LatticeRuleTable.h"
#include "lattice/TForm6.h"

#include "StartedWorkbench.h"
#include "TickStatistics.h"

#include <cstdio>

namespace {

constexpr uint32_t kSeed = 5;

// Strings of 27 random cells 0, 1 and 2 under the mask of left distances 2, 3
// and 4 and right distances 1, 2 and 5 (bits 14 and 19), border "Frozen A":
// such runs go on for thousands of steps.
void LayStrings()
{
    for (int i = 0; i < 27; ++i) {
        stringA[i] = uint8_t(Rand() % 3);
        stringB[i] = uint8_t(Rand() % 3);
    }
    stepCount = 0;
    stringAStopState = stringBStopState = 0;
}

void TimeStringEngineTicks(int runs, int ticksPerRun)
{
    Form1->Edit1->setText("27");
    for (int d = 1; d <= 5; ++d) {
        Form1->LeftMaskBox(d)->setChecked((14 >> (d - 1)) & 1);
        Form1->RightMaskBox(d)->setChecked((19 >> (d - 1)) & 1);
    }
    Form1->RadioGroup2->setItemIndex(0);   // border "Frozen A"
    SeedRandom(kSeed);
    TickTimes times;
    int64_t steps = 0;
    // Run -1, untimed: what the first tick after start-up sets up once.
    for (int run = -1; run < runs; ++run) {
        LayStrings();
        Form1->Edit2->setText("1000");
        isSingleStep = 0;
        Form1->Button6Click();   // "GO"
        for (int tick = 0; tick < ticksPerRun && Form1->Timer1->enabled(); ++tick) {
            const int32_t before = stepCount;
            TickTimes one;
            one.measure([] { Timer::fireForTest(*Form1->Timer1); });
            if (run < 0) continue;
            times.add(one);
            steps += stepCount - before;
        }
        Form1->Button7Click();   // "Stop"
    }
    std::printf("Timer1, string of 27 cells, \"n steps\" 1000, random state %u: %d runs, %lld steps in %zu ticks\n",
                kSeed, runs, (long long)steps, times.count());
    times.print("Timer1, a tick of up to 1000 steps", 1);
}

void TimeLatticeTicks(int ticksPerMode)
{
    Form1->Edit2->setText("1");
    SeedRandom(kSeed);
    Form6->Button4Click();    // "Random": weights of the rule-table window
    Form1->Button11Click();   // "Mk. rand.": a weighted table the acceptance test takes
    Form1->Button7Click();    // without the run of Timer1 that "Mk. rand." starts
    squareRowCount = squareColumnCount = kSquareSide;
    // What "Mk. rand." left for the event loop (the cleared drawing area's
    // paint), done before the ticks are timed.
    QCoreApplication::sendPostedEvents();
    TickTimes times;
    for (int mode = 0; mode <= 5; ++mode) {
        Form1->RadioGroup1->setItemIndex(mode);
        for (int i = 0; i < kSquareCellCount; ++i) squareCells[i] = uint8_t(Rand() % 3);
        Form1->Timer2->setEnabled(true);
        for (int tick = 0; tick < ticksPerMode; ++tick) {
            if (!Form1->Timer2->enabled()) {   // the pattern died: a fresh square
                for (int i = 0; i < kSquareCellCount; ++i) squareCells[i] = uint8_t(Rand() % 3);
                Form1->Timer2->setEnabled(true);
            }
            times.measure([] { Timer::fireForTest(*Form1->Timer2); });
        }
        Form1->Timer2->setEnabled(false);
    }
    std::printf("Timer2, square of side %d, one step a tick, random state %u: %d ticks in each of the 6 modes\n",
                kSquareSide, kSeed, ticksPerMode);
    times.print("Timer2, a lattice step", 1);
}

} // namespace

int main(int argc, char** argv)
{
    return RunWorkbenchBenchmarks(argc, argv, [] {
        TimeStringEngineTicks(10, 100);
        TimeLatticeTicks(1000);
        return true;
    });
}
