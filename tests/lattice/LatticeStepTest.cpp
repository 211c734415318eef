// The lattice step: a 5 x 5 square worked by hand in every mode and border,
// ring counts at the edges, the fast step against the rule as written, the scan.
#include "base/Random.h"
#include "base/Square.h"
#include "base/SquareSize.h"
#include "engine/StringState.h"
#include "lattice/LatticeRuleTable.h"
#include "lattice/LatticeStep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

namespace {

using Grid5 = std::array<std::array<uint8_t, 5>, 5>;

struct HandCase {
    int mode;
    SquareBorder border;
    Grid5 next;
};

// From C cells at (0, 0), (2, 2) and (4, 1) and a B cell at (4, 4), the rest
// empty; the table of modes 4 and 5 sets (0,0,0,0), (1,1,0,0) and (0,0,2,0).
const HandCase kHandCases[] = {
    {0, SquareBorder::FrozenA, {{{1, 0, 2, 0, 2}, {0, 2, 0, 2, 0}, {0, 0, 1, 2, 2}, {0, 2, 2, 0, 0}, {2, 1, 2, 0, 0}}}},
    {1, SquareBorder::FrozenA, {{{1, 0, 2, 0, 2}, {0, 2, 0, 2, 0}, {2, 2, 1, 2, 2}, {0, 2, 2, 0, 0}, {2, 1, 2, 2, 0}}}},
    {2, SquareBorder::FrozenA, {{{1, 0, 0, 0, 2}, {0, 2, 0, 2, 0}, {0, 0, 1, 2, 0}, {0, 2, 2, 0, 0}, {2, 1, 0, 0, 0}}}},
    {3, SquareBorder::FrozenA, {{{1, 0, 0, 0, 2}, {0, 2, 0, 2, 0}, {0, 0, 1, 2, 0}, {0, 2, 2, 0, 0}, {2, 1, 0, 0, 0}}}},
    {4, SquareBorder::FrozenA, {{{1, 2, 2, 0, 0}, {2, 2, 2, 2, 0}, {2, 2, 1, 2, 2}, {2, 0, 0, 2, 0}, {2, 1, 2, 2, 2}}}},
    {5, SquareBorder::FrozenA, {{{1, 2, 0, 2, 0}, {2, 2, 2, 2, 2}, {2, 2, 1, 2, 2}, {2, 0, 0, 2, 2}, {2, 1, 2, 2, 2}}}},
    {0, SquareBorder::Circle, {{{1, 0, 2, 0, 0}, {0, 2, 0, 0, 0}, {0, 0, 1, 2, 0}, {0, 0, 2, 0, 0}, {2, 1, 0, 0, 0}}}},
    {1, SquareBorder::Circle, {{{1, 0, 2, 2, 0}, {0, 2, 0, 0, 0}, {2, 2, 1, 2, 2}, {2, 0, 2, 0, 0}, {2, 1, 2, 2, 0}}}},
    {2, SquareBorder::Circle, {{{1, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 1, 2, 0}, {0, 0, 2, 0, 0}, {2, 1, 0, 0, 2}}}},
    {3, SquareBorder::Circle, {{{1, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 1, 2, 0}, {0, 0, 2, 0, 0}, {2, 1, 0, 0, 2}}}},
    {4, SquareBorder::Circle, {{{1, 2, 2, 2, 2}, {2, 2, 2, 2, 2}, {2, 2, 1, 2, 2}, {2, 0, 0, 2, 0}, {2, 1, 2, 2, 0}}}},
    {5, SquareBorder::Circle, {{{1, 2, 2, 2, 2}, {2, 2, 2, 2, 2}, {2, 2, 1, 2, 2}, {2, 2, 0, 2, 2}, {2, 1, 2, 2, 0}}}},
};

void Fill(int side, uint8_t value)
{
    squareRowCount = squareColumnCount = side;
    std::fill(std::begin(squareCells), std::end(squareCells), value);
}

std::vector<int16_t> Rings() { return {ringZeroCounts + 1, ringZeroCounts + 5}; }

} // namespace

TEST(LatticeStep, OneStepOfASmallSquareInEveryModeAndBorder)
{
    std::fill(std::begin(latticeRuleTable), std::end(latticeRuleTable), uint8_t{0});
    for (int entry : {RuleEntryIndex(0, 0, 0, 0), RuleEntryIndex(1, 1, 0, 0), RuleEntryIndex(0, 0, 2, 0)})
        latticeRuleTable[entry] = 1;
    for (const HandCase& hand : kHandCases) {
        Fill(5, 2);
        squareCells[SquareIndex(0, 0)] = squareCells[SquareIndex(2, 2)] = squareCells[SquareIndex(4, 1)] = 0;
        squareCells[SquareIndex(4, 4)] = 1;
        StepSquare(hand.mode, hand.border);
        Grid5 next{};
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c)
                next[r][c] = squareCells[SquareIndex(r, c)];
        EXPECT_EQ(next, hand.next) << "mode " << hand.mode << " border " << static_cast<int>(hand.border);
    }
}

TEST(LatticeStep, RingCountsAtTheEdgesAndTheThresholds)
{
    Fill(5, 0);
    CountRingZeros(0, 0, SquareBorder::FrozenA);   // a corner sees 2, 1, 2 and 2 cells
    EXPECT_EQ(Rings(), (std::vector<int16_t>{2, 1, 2, 2}));
    CountRingZeros(0, 0, SquareBorder::Circle);
    EXPECT_EQ(Rings(), (std::vector<int16_t>{4, 4, 4, 8}));

    Fill(2, 2);   // side 2, "Circle": the cells at distance 2 are the cell itself
    squareCells[SquareIndex(0, 0)] = 0;
    ringZeroCounts[7] = 9;
    CountRingZeros(0, 0, SquareBorder::Circle);
    EXPECT_EQ(Rings(), (std::vector<int16_t>{0, 0, 4, 0}));
    EXPECT_EQ(ringZeroCounts[7], 0);   // all 15 are cleared per cell

    EXPECT_FALSE(IsCellExcited(0, 4, 0, 0, 7));   // c1 + c4 = 11
    EXPECT_FALSE(IsCellExcited(2, 0, 0, 4, 4));   // c3 + c4 = 8 never excites "N2"
    EXPECT_TRUE(IsCellExcited(3, 0, 0, 4, 4));
    latticeRuleTable[RuleEntryIndex(1, 2, 3, 3)] = 7;   // any non-zero byte is set
    EXPECT_TRUE(IsCellExcited(4, 1, 2, 3, 8));   // "random-3" ignores c4
    EXPECT_FALSE(IsCellExcited(-1, 0, 0, 0, 1));   // no item chosen
}

// Every mode, border and side (unequal ones too), cells the rule does not know included.
TEST(LatticeStep, FastStepAgreesWithTheRuleAsWritten)
{
    SeedRandom(4711);
    for (uint8_t& entry : latticeRuleTable)
        entry = Rand() % 3 == 0;
    const std::pair<int, int> sides[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {17, 17}, {131, 131}, {9, 14}, {14, 3}};
    for (auto [rows, columns] : sides)
        for (int mode = -1; mode <= 5; ++mode)
            for (SquareBorder border : {SquareBorder::FrozenA, SquareBorder::Circle}) {
                squareRowCount = rows;
                squareColumnCount = columns;
                for (uint8_t& cell : squareCells)
                    cell = static_cast<uint8_t>(Rand() % 7 == 0 ? 3 : Rand() % 3);
                std::vector<uint8_t> next[2];
                std::vector<int16_t> counts[2];
                for (int fast = 0; fast < 2; ++fast) {
                    std::fill(std::begin(squareNextCells), std::end(squareNextCells), uint8_t{9});
                    std::fill(std::begin(ringZeroCounts), std::end(ringZeroCounts), int16_t{5});
                    fast ? ComputeNextSquare(mode, border) : ComputeNextSquareReference(mode, border);
                    next[fast].assign(std::begin(squareNextCells), std::end(squareNextCells));
                    counts[fast].assign(std::begin(ringZeroCounts), std::end(ringZeroCounts));
                }
                ASSERT_EQ(next[0], next[1]) << rows << "x" << columns << " mode " << mode;
                EXPECT_EQ(counts[0], counts[1]);
            }
}

TEST(LatticeStep, ScanStopsEarlyAndOnlyAFullScanDeclaresAPatternDead)
{
    Fill(4, 2);
    squareCells[SquareIndex(0, 1)] = 0;   // odd
    squareCells[SquareIndex(1, 1)] = 0;   // even
    squareCells[SquareIndex(3, 3)] = 1;
    EXPECT_FALSE(CountSquareCells(1));
    EXPECT_EQ(zeroCellCountA + oneCellCountA, 2);   // stopped before (3, 3)
    EXPECT_EQ(oddZeroCellCount, 1);
    EXPECT_EQ(evenZeroCellCount, 1);

    Fill(4, 2);   // a lone B cell falls back to C: the pattern has died
    squareCells[SquareIndex(2, 2)] = 1;
    EXPECT_TRUE(StepSquare(0, SquareBorder::Circle));
    EXPECT_EQ(squareCells[SquareIndex(2, 2)], 0);

    Fill(0, 0);   // side 0: no cell to step and none to find
    EXPECT_TRUE(StepSquare(5, SquareBorder::Circle));
    EXPECT_EQ(squareCells[0], 0);
}
