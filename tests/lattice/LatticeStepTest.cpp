// The lattice step: one step of a 5 x 5 square worked by hand in every mode
// under both borders, the ring counts at the edges, the fast step against
// the step as the rule is written, and the scan that decides a dead pattern.
#include "engine/Random.h"
#include "engine/SquareSize.h"
#include "engine/StringState.h"
#include "lattice/LatticeRuleTable.h"
#include "lattice/LatticeStep.h"
#include "lattice/Square.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>

namespace {

using Grid5 = std::array<std::array<uint8_t, 5>, 5>;

// C cells at (0, 0), (2, 2) and (4, 1), a B cell at (4, 4), the rest empty.
void LayHandSquare()
{
    squareRowCount = squareColumnCount = 5;
    std::fill(std::begin(squareCells), std::end(squareCells), uint8_t{2});
    squareCells[SquareIndex(0, 0)] = squareCells[SquareIndex(2, 2)] = squareCells[SquareIndex(4, 1)] = 0;
    squareCells[SquareIndex(4, 4)] = 1;
}

Grid5 Used5()
{
    Grid5 g{};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            g[r][c] = squareCells[SquareIndex(r, c)];
    return g;
}

// The table of modes 4 and 5: entries (0,0,0,0), (1,1,0,0) and (0,0,2,0).
void SetHandTable()
{
    std::fill(std::begin(latticeRuleTable), std::end(latticeRuleTable), uint8_t{0});
    latticeRuleTable[RuleEntryIndex(0, 0, 0, 0)] = 1;
    latticeRuleTable[RuleEntryIndex(1, 1, 0, 0)] = 1;
    latticeRuleTable[RuleEntryIndex(0, 0, 2, 0)] = 1;
}

struct HandCase {
    int mode;
    SquareBorder border;
    Grid5 next;
};

// Worked out cell by cell from the ring counts of the three C cells.
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

} // namespace

TEST(LatticeStep, OneStepOfASmallSquareInEveryModeAndBorder)
{
    SetHandTable();
    for (const HandCase& hand : kHandCases) {
        LayHandSquare();
        StepSquare(hand.mode, hand.border);
        EXPECT_EQ(Used5(), hand.next) << "mode " << hand.mode << " border " << static_cast<int>(hand.border);
    }
}

TEST(LatticeStep, RingCountsAtTheEdgesOfTheSquare)
{
    squareRowCount = squareColumnCount = 5;
    std::fill(std::begin(squareCells), std::end(squareCells), uint8_t{0});
    CountRingZeros(0, 0, SquareBorder::FrozenA);   // a corner sees 2, 1, 2 and 2 cells
    EXPECT_EQ(std::vector<int16_t>(ringZeroCounts + 1, ringZeroCounts + 5), (std::vector<int16_t>{2, 1, 2, 2}));
    CountRingZeros(0, 0, SquareBorder::Circle);
    EXPECT_EQ(std::vector<int16_t>(ringZeroCounts + 1, ringZeroCounts + 5), (std::vector<int16_t>{4, 4, 4, 8}));

    // A side of 2 under "Circle": the cells at distance 2 are the cell itself.
    squareRowCount = squareColumnCount = 2;
    std::fill(std::begin(squareCells), std::end(squareCells), uint8_t{2});
    squareCells[SquareIndex(0, 0)] = 0;
    ringZeroCounts[7] = 9;
    CountRingZeros(0, 0, SquareBorder::Circle);
    EXPECT_EQ(ringZeroCounts[3], 4);
    EXPECT_EQ(ringZeroCounts[1], 0);
    EXPECT_EQ(ringZeroCounts[7], 0);   // all 15 are cleared per cell
}

TEST(LatticeStep, FormulaThresholds)
{
    EXPECT_TRUE(IsCellExcited(0, 3, 0, 0, 7));
    EXPECT_FALSE(IsCellExcited(0, 4, 0, 0, 7));   // c1 + c4 = 11
    EXPECT_FALSE(IsCellExcited(1, 0, 0, 1, 1));   // a ring-3 zero vetoes "N1*"
    EXPECT_FALSE(IsCellExcited(2, 0, 0, 4, 4));   // c3 + c4 = 8 is never excited in "N2"
    EXPECT_TRUE(IsCellExcited(3, 0, 0, 4, 4));
    EXPECT_FALSE(IsCellExcited(3, 1, 0, 4, 6));   // c1 + c3 + c4 = 11
    latticeRuleTable[RuleEntryIndex(1, 2, 3, 3)] = 7;   // any non-zero byte is set
    EXPECT_TRUE(IsCellExcited(4, 1, 2, 3, 0));   // "random-3" ignores c4
    EXPECT_TRUE(IsCellExcited(4, 1, 2, 3, 8));
    EXPECT_FALSE(IsCellExcited(5, 1, 2, 3, 0));
    EXPECT_FALSE(IsCellExcited(-1, 0, 0, 0, 1));   // no item chosen
}

// The fast step reads its neighbours from a bordered copy; it must give the
// rule's result for every mode, border and side, unequal sides included, and
// leave cells the rule does not know alone.
TEST(LatticeStep, FastStepAgreesWithTheRuleAsWritten)
{
    SeedRandom(4711);
    for (int i = 0; i < kLatticeRuleTableSize; ++i)
        latticeRuleTable[i] = Rand() % 3 == 0;
    const std::pair<int, int> sides[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {17, 17}, {131, 131}, {9, 14}, {14, 3}};
    for (auto [rows, columns] : sides)
        for (int mode = -1; mode <= 5; ++mode)
            for (SquareBorder border : {SquareBorder::FrozenA, SquareBorder::Circle}) {
                squareRowCount = rows;
                squareColumnCount = columns;
                for (uint8_t& cell : squareCells)
                    cell = static_cast<uint8_t>(Rand() % 7 == 0 ? 3 : Rand() % 3);
                std::fill(std::begin(squareNextCells), std::end(squareNextCells), uint8_t{9});
                std::fill(std::begin(ringZeroCounts), std::end(ringZeroCounts), int16_t{5});
                ComputeNextSquareReference(mode, border);
                const std::vector<uint8_t> expected(std::begin(squareNextCells), std::end(squareNextCells));
                const std::vector<int16_t> expectedCounts(std::begin(ringZeroCounts), std::end(ringZeroCounts));
                std::fill(std::begin(squareNextCells), std::end(squareNextCells), uint8_t{9});
                std::fill(std::begin(ringZeroCounts), std::end(ringZeroCounts), int16_t{5});
                ComputeNextSquare(mode, border);
                ASSERT_TRUE(std::equal(expected.begin(), expected.end(), squareNextCells))
                    << rows << "x" << columns << " mode " << mode << " border " << static_cast<int>(border);
                EXPECT_TRUE(std::equal(expectedCounts.begin(), expectedCounts.end(), ringZeroCounts));
            }
}

TEST(LatticeStep, ScanStopsEarlyAndOnlyAFullScanDeclaresAPatternDead)
{
    squareRowCount = squareColumnCount = 4;
    std::fill(std::begin(squareCells), std::end(squareCells), uint8_t{2});
    squareCells[SquareIndex(0, 1)] = 0;   // odd
    squareCells[SquareIndex(1, 1)] = 0;   // even
    squareCells[SquareIndex(3, 3)] = 1;
    EXPECT_FALSE(CountSquareCells(1));
    EXPECT_EQ(zeroCellCountA, 2);   // stopped at (1, 1): (3, 3) is not counted
    EXPECT_EQ(oneCellCountA, 0);
    EXPECT_EQ(oddZeroCellCount, 1);
    EXPECT_EQ(evenZeroCellCount, 1);
    EXPECT_TRUE(CountSquareCells(3));
    EXPECT_EQ(oneCellCountA, 1);

    // A lone B cell falls back to C and the pattern has died.
    std::fill(std::begin(squareCells), std::end(squareCells), uint8_t{2});
    squareCells[SquareIndex(2, 2)] = 1;
    EXPECT_TRUE(StepSquare(0, SquareBorder::Circle));
    EXPECT_EQ(squareCells[SquareIndex(2, 2)], 0);

    // A square of side 0 has no cell to step and none to find.
    squareRowCount = squareColumnCount = 0;
    squareCells[0] = 0;
    EXPECT_TRUE(StepSquare(5, SquareBorder::Circle));
    EXPECT_EQ(squareCells[0], 0);
}
