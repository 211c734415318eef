// Rule tables: acceptance verdicts, random draws from a known state, the two
// rebuilds, the rule table files and the IMPROVE advance.
#include "../base/TempWorkDir.h"
#include "base/Random.h"
#include "base/Square.h"
#include "base/SquareSize.h"
#include "engine/StringState.h"
#include "lattice/AcceptanceTest.h"
#include "lattice/ImproveSearch.h"
#include "lattice/LatticeRuleTable.h"
#include "lattice/LatticeSettings.h"
#include "lattice/LatticeStep.h"
#include "lattice/RandomRuleTable.h"
#include "lattice/RuleTableFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

void SetTable(std::initializer_list<int> entries)
{
    std::fill(std::begin(latticeRuleTable), std::end(latticeRuleTable), uint8_t{0});
    for (int e : entries)
        latticeRuleTable[e] = 1;
}

std::vector<uint8_t> Table() { return {std::begin(latticeRuleTable), std::end(latticeRuleTable)}; }

int SetInRule() { return static_cast<int>(std::count(latticeRuleTable, latticeRuleTable + kLatticeRuleHalf, 1)); }

// Both halves hold the same entries and modes a and b excite the same counts.
void ExpectHalvesEqualAndModesAgree(int a, int b)
{
    for (int c1 = 0; c1 < 5; ++c1)
        for (int c2 = 0; c2 < 5; ++c2)
            for (int c3 = 0; c3 < 5; ++c3)
                for (int c4 = 0; c4 < 9; ++c4) {
                    ASSERT_EQ(IsCellExcited(a, c1, c2, c3, c4), IsCellExcited(b, c1, c2, c3, c4));
                    const int e = RuleEntryIndex(c1, c2, c3, c4);
                    ASSERT_EQ(latticeRuleTable[e], latticeRuleTable[kLatticeRuleHalf + e]);
                }
}

} // namespace

TEST(AcceptanceTest, VerdictsAndWhatTheTestLeavesBehind)
{
    squareRowCount = 99;
    squareColumnCount = 98;
    squareCells[SquareIndex(3, 17)] = 0;
    SetTable({});   // the centre only blinks between 0 and 1
    EXPECT_FALSE(RunAcceptanceTest(5));
    EXPECT_EQ(squareRowCount, 99);   // both counts come back, not the rows twice
    EXPECT_EQ(squareColumnCount, 98);
    EXPECT_EQ(squareCells[SquareIndex(3, 17)], 0);

    // The orthogonal entries (1,0,0,0) and (4,0,0,0) leave after the seventh
    // step the centre 1 and its four neighbours 0: exactly five, rejected.
    SetTable({RuleEntryIndex(1, 0, 0, 0), RuleEntryIndex(4, 0, 0, 0)});
    EXPECT_FALSE(RunAcceptanceTest(5));
    EXPECT_EQ(zeroCellCountA, 4);
    EXPECT_EQ(oneCellCountA, 1);

    // Everything excited: 288 cells 0 around a 1, counted whole.
    std::fill(latticeRuleTable, latticeRuleTable + kLatticeRuleHalf, uint8_t{1});
    EXPECT_TRUE(RunAcceptanceTest(5));
    EXPECT_EQ(zeroCellCountA, 288);
    EXPECT_EQ(oddZeroCellCount, 144);

    SetTable({});   // the formula modes judge by their formula
    EXPECT_TRUE(RunAcceptanceTest(3));
    EXPECT_FALSE(RunAcceptanceTest(4));
}

// One draw per entry in the order c1, c2, c3, c4 (c4 innermost); the weights
// make p differ from entry to entry, so any other order shows.
TEST(RandomRuleTable, DrawsInEntryOrderFromAKnownState)
{
    for (int i = 0; i < 45; ++i)
        ruleWeightsX[i] = (i + 1) / 46.0;
    for (int j = 0; j < 25; ++j)
        ruleWeightsY[j] = (j + 1) / 26.0;
    SeedRandom(2024);
    DrawWeightedRuleTable();
    const uint32_t after = randomState;
    SeedRandom(2024);
    for (int c1 = 0; c1 < 5; ++c1)
        for (int c2 = 0; c2 < 5; ++c2)
            for (int c3 = 0; c3 < 5; ++c3)
                for (int c4 = 0; c4 < 9; ++c4) {
                    const bool set = Rand() / 32767.0 < ruleWeightsX[9 * c3 + c4] * ruleWeightsY[5 * c1 + c2];
                    const int e = RuleEntryIndex(c1, c2, c3, c4);
                    ASSERT_EQ(latticeRuleTable[e], e != 0 && set ? 1 : 0) << "entry " << e;
                }
    EXPECT_EQ(randomState, after);   // 1125 draws, no more

    // "+": only entries holding 0 draw, r = rand / 327.67 against the percent.
    for (int e = 0; e < kLatticeRuleHalf; e += 2)
        latticeRuleTable[e] = 5;
    const std::vector<uint8_t> before = Table();
    SeedRandom(99);
    AddRandomExcitedEntries(30);
    SeedRandom(99);
    for (int e = 1; e < kLatticeRuleHalf; e += 2)
        ASSERT_EQ(latticeRuleTable[e], before[e] != 0 || Rand() / 327.67 < 30 ? 1 : 0) << "entry " << e;
    EXPECT_EQ(latticeRuleTable[2], 5);
    EXPECT_EQ(latticeRuleTable[0], 0);

    SetTable({});
    AddRandomExcitedEntries(101);
    EXPECT_EQ(SetInRule(), kLatticeRuleHalf - 1);
    std::fill(std::begin(ruleWeightsX), std::end(ruleWeightsX), 0.0);
    DrawWeightedRuleTable();
    EXPECT_EQ(SetInRule(), 0);
}

TEST(RandomRuleTable, RebuildsFromTheDiagonalAndFromTheFormula)
{
    SeedRandom(5);
    for (uint8_t& e : latticeRuleTable)
        e = Rand() % 2;
    SpreadDiagonalEntries();
    ExpectHalvesEqualAndModesAgree(4, 5);   // the table no longer reads c4
    FillFormulaRuleTable();
    ExpectHalvesEqualAndModesAgree(5, 3);
}

TEST(RuleTableFile, RoundTripAndRefusedFiles)
{
    TempWorkDir dir;
    SeedRandom(3);
    for (uint8_t& e : latticeRuleTable)
        e = Rand() % 2;
    const std::vector<uint8_t> written = Table();
    ASSERT_EQ(WriteRuleTableFile("examp/Exr.dat"), RuleFileStatus::Ok);   // the folder is made
    EXPECT_EQ(std::filesystem::file_size("examp/Exr.dat"), 2250u);
    SetTable({});
    ASSERT_EQ(ReadRuleTableFile("examp/Exr.dat"), RuleFileStatus::Ok);
    EXPECT_EQ(Table(), written);

    std::ofstream("short.dat", std::ios::binary) << std::string(2249, '\1');
    std::ofstream("pattern.dat", std::ios::binary) << std::string(17161, '\2');   // a square pattern
    std::filesystem::create_directory("folder.dat");
    EXPECT_EQ(ReadRuleTableFile("short.dat"), RuleFileStatus::Short);
    EXPECT_EQ(ReadRuleTableFile("pattern.dat"), RuleFileStatus::TooLong);
    EXPECT_EQ(ReadRuleTableFile("folder.dat"), RuleFileStatus::Missing);
    EXPECT_EQ(ReadRuleTableFile("none.dat"), RuleFileStatus::Missing);
    EXPECT_EQ(Table(), written);
    EXPECT_EQ(WriteRuleTableFile("short.dat/x.dat"), RuleFileStatus::WriteFailed);
}

TEST(ImproveSearch, AdvanceWrapsAndEndsAfterOneRound)
{
    SetTable({});
    improveEntryIndex = -2;   // names entry 1123
    ASSERT_TRUE(AdvanceImproveEntry());
    EXPECT_EQ(RuleEntryOfIndex(improveEntryIndex), 1124);
    improveEntryIndex = INT32_MAX;   // goes on from its entry, no overflow
    ASSERT_TRUE(AdvanceImproveEntry());
    EXPECT_EQ(RuleEntryOfIndex(improveEntryIndex), RuleEntryOfIndex(INT32_MAX) + 1);

    std::fill(latticeRuleTable + kLatticeRuleHalf, latticeRuleTable + kLatticeRuleTableSize, uint8_t{1});
    latticeRuleTable[kLatticeRuleHalf + 40] = 0;
    improveEntryIndex = 40;   // the only free entry is found after a whole round
    ASSERT_TRUE(AdvanceImproveEntry());
    EXPECT_EQ(improveEntryIndex, 40 + kLatticeRuleHalf);
    latticeRuleTable[kLatticeRuleHalf + 40] = 1;
    EXPECT_FALSE(AdvanceImproveEntry());
    EXPECT_EQ(improveEntryIndex, 40 + kLatticeRuleHalf);
}
