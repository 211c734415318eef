// The lattice step on a 131 x 131 square: first the step as the rule is
// written (a wrap or a border test per neighbour) against the fast step on
// the same squares, with their agreement checked and their ratio printed;
// then, under Google Benchmark, one step in every mode under both borders
// (the 1 ms Timer2 takes one step a tick by default) and the attempts of
// "Mk. rand." (a weighted table and its acceptance test) per second. Before
// those, 1000 steps in a row on one random square in every mode and border,
// each timed: the mean, the 99th percentile and the slowest step.
#include "base/Random.h"
#include "base/Square.h"
#include "base/SquareSize.h"
#include "lattice/AcceptanceTest.h"
#include "lattice/LatticeRuleTable.h"
#include "lattice/LatticeSettings.h"
#include "lattice/LatticeStep.h"
#include "lattice/RandomRuleTable.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <vector>

namespace {

std::vector<uint8_t> RandomSquare(uint32_t seed)
{
    SeedRandom(seed);
    std::vector<uint8_t> cells(kSquareCellCount);
    for (uint8_t& c : cells) c = static_cast<uint8_t>(Rand() % 3);
    return cells;
}

void SetUpSquareAndTable()
{
    squareRowCount = squareColumnCount = kSquareSide;
    SeedRandom(77);
    for (uint8_t& e : latticeRuleTable) e = Rand() % 4 == 0;
}

bool CompareStep()
{
    SetUpSquareAndTable();
    constexpr int kSquares = 20;
    double reference = 0, fast = 0;
    bool agree = true;
    for (int k = 0; k < kSquares; ++k)
        for (int mode = 0; mode <= 5; ++mode)
            for (SquareBorder border : {SquareBorder::FrozenA, SquareBorder::Circle}) {
                const std::vector<uint8_t> start = RandomSquare(k + 1);
                std::copy(start.begin(), start.end(), squareCells);
                auto t0 = std::chrono::steady_clock::now();
                ComputeNextSquareReference(mode, border);
                auto t1 = std::chrono::steady_clock::now();
                const std::vector<uint8_t> expected(std::begin(squareNextCells), std::end(squareNextCells));
                std::fill(std::begin(squareNextCells), std::end(squareNextCells), uint8_t{9});
                auto t2 = std::chrono::steady_clock::now();
                ComputeNextSquare(mode, border);
                auto t3 = std::chrono::steady_clock::now();
                reference += std::chrono::duration<double>(t1 - t0).count();
                fast += std::chrono::duration<double>(t3 - t2).count();
                agree = agree && std::equal(expected.begin(), expected.end(), squareNextCells);
            }
    const int steps = kSquares * 12;
    std::printf("next state of a 131 x 131 square, %d squares x 6 modes x 2 borders:\n", kSquares);
    std::printf("  as written %10.3f ms a step\n  fast       %10.3f ms a step\n  ratio      %10.1f x   %s\n",
                1e3 * reference / steps, 1e3 * fast / steps, reference / fast,
                agree ? "(same result)" : "DIFFERENT RESULTS");
    return agree;
}

// 1000 steps in a row from a random square (random state 5), in every mode
// under both borders; a square that died is laid afresh (untimed).
void TimeStepsInARow()
{
    SetUpSquareAndTable();
    std::vector<double> us;
    for (int mode = 0; mode <= 5; ++mode)
        for (SquareBorder border : {SquareBorder::FrozenA, SquareBorder::Circle}) {
            std::vector<uint8_t> square = RandomSquare(5);
            std::copy(square.begin(), square.end(), squareCells);
            for (int step = 0; step < 1000; ++step) {
                const auto t0 = std::chrono::steady_clock::now();
                const bool died = StepSquare(mode, border);
                us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
                if (died) {
                    square = RandomSquare(uint32_t(step + 6));
                    std::copy(square.begin(), square.end(), squareCells);
                }
            }
        }
    double sum = 0;
    for (double v : us) sum += v;
    std::sort(us.begin(), us.end());
    std::printf("%zu steps of a 131 x 131 square, 1000 in a row per mode and border: mean %.1f us, p99 %.1f us, "
                "slowest %.1f us (a tenth of Timer2's 1 ms: 100 us)\n",
                us.size(), sum / double(us.size()), us[us.size() * 99 / 100], us.back());
}

// One lattice step as a Timer2 tick takes it: copy, next state, copy back,
// scan. A fresh random square is copied in before each step (17 KB, part of
// the time), so that no mode runs on a square it has already emptied.
void BM_LatticeStep(benchmark::State& state)
{
    SetUpSquareAndTable();
    const int mode = static_cast<int>(state.range(0));
    const SquareBorder border = state.range(1) == 0 ? SquareBorder::FrozenA : SquareBorder::Circle;
    const std::vector<uint8_t> start = RandomSquare(5);
    for (auto _ : state) {
        std::copy(start.begin(), start.end(), squareCells);
        benchmark::DoNotOptimize(StepSquare(mode, border));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LatticeStep)->ArgsProduct({{0, 1, 2, 3, 4, 5}, {0, 1}})->ArgNames({"mode", "border"})
    ->Unit(benchmark::kMicrosecond);

// One attempt of "Mk. rand." under the default weights 0.21.
void BM_RandomRuleAttempt(benchmark::State& state)
{
    std::fill(std::begin(ruleWeightsX), std::end(ruleWeightsX), 0.21);
    std::fill(std::begin(ruleWeightsY), std::end(ruleWeightsY), 0.21);
    squareRowCount = squareColumnCount = 27;
    SeedRandom(1);
    int64_t accepted = 0;
    for (auto _ : state) {
        DrawWeightedRuleTable();
        accepted += RunAcceptanceTest(5);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["accepted"] = static_cast<double>(accepted) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RandomRuleAttempt)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    const bool agree = CompareStep();
    TimeStepsInARow();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return agree ? 0 : 1;
}
