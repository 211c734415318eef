// Rule tables: the acceptance test's verdicts, the random tables' draws in
// order from a known generator state, the two rebuilds, the seed pattern,
// the rule table files, and the IMPROVE and FREEZE helpers around the table.
#include "../engine/TempWorkDir.h"
#include "engine/Random.h"
#include "engine/SquareSize.h"
#include "engine/StringState.h"
#include "lattice/AcceptanceTest.h"
#include "lattice/FreezeMask.h"
#include "lattice/ImproveSearch.h"
#include "lattice/LatticeRuleTable.h"
#include "lattice/LatticeSettings.h"
#include "lattice/LatticeStep.h"
#include "lattice/RandomRuleTable.h"
#include "lattice/RuleTableFile.h"
#include "lattice/Square.h"

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

void WriteBytes(const std::string& path, size_t size)
{
    const auto folder = std::filesystem::path(path).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder);
    std::ofstream(path, std::ios::binary) << std::string(size, '\1');
}

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
    squareCells[SquareIndex(17, 3)] = 1;
    squareCells[SquareIndex(3, 17)] = 0;

    SetTable({});   // the centre only blinks between 0 and 1
    EXPECT_FALSE(RunAcceptanceTest(5));
    EXPECT_EQ(squareRowCount, 99);   // both counts come back, not the rows twice
    EXPECT_EQ(squareColumnCount, 98);
    EXPECT_EQ(squareCells[SquareIndex(17, 3)], 1);
    EXPECT_EQ(squareCells[SquareIndex(3, 17)], 0);

    // With the orthogonal entries (1,0,0,0) and (4,0,0,0) the seventh step
    // leaves the centre 1 and its four neighbours 0: exactly five, rejected.
    SetTable({RuleEntryIndex(1, 0, 0, 0), RuleEntryIndex(4, 0, 0, 0)});
    EXPECT_FALSE(RunAcceptanceTest(5));
    EXPECT_EQ(zeroCellCountA, 4);
    EXPECT_EQ(oneCellCountA, 1);

    // Everything excited: step 7 holds 288 cells 0 around a 1, counted whole.
    std::fill(latticeRuleTable, latticeRuleTable + kLatticeRuleHalf, uint8_t{1});
    EXPECT_TRUE(RunAcceptanceTest(5));
    EXPECT_EQ(zeroCellCountA, 288);
    EXPECT_EQ(oneCellCountA, 1);
    EXPECT_EQ(oddZeroCellCount, 144);
    EXPECT_EQ(evenZeroCellCount, 144);

    // The formula modes judge by their formula, not by the table.
    SetTable({});
    EXPECT_TRUE(RunAcceptanceTest(3));
    EXPECT_FALSE(RunAcceptanceTest(4));
}

// Every entry takes one draw in the order c1, c2, c3, c4 (c4 innermost); the
// weights make p differ from entry to entry, so any other order shows.
TEST(RandomRuleTable, WeightedTableTakesItsDrawsInEntryOrder)
{
    for (int i = 0; i < 45; ++i)
        ruleWeightsX[i] = (i + 1) / 46.0;
    for (int j = 0; j < 25; ++j)
        ruleWeightsY[j] = (j + 1) / 26.0;
    latticeRuleTable[kLatticeRuleHalf + 3] = 1;
    SeedRandom(2024);
    DrawWeightedRuleTable();
    const uint32_t after = randomState;

    SeedRandom(2024);
    int set = 0;
    for (int c1 = 0; c1 < 5; ++c1)
        for (int c2 = 0; c2 < 5; ++c2)
            for (int c3 = 0; c3 < 5; ++c3)
                for (int c4 = 0; c4 < 9; ++c4) {
                    const double r = Rand() / 32767.0;
                    const bool expected = r < ruleWeightsX[9 * c3 + c4] * ruleWeightsY[5 * c1 + c2];
                    const int e = RuleEntryIndex(c1, c2, c3, c4);
                    if (e == 0)
                        continue;   // drawn, then cleared
                    ASSERT_EQ(latticeRuleTable[e], expected ? 1 : 0) << "entry " << e;
                    set += expected;
                }
    EXPECT_EQ(latticeRuleTable[0], 0);
    EXPECT_EQ(randomState, after);   // 1125 draws, no more
    EXPECT_GT(set, 50);
    EXPECT_EQ(latticeRuleTable[kLatticeRuleHalf + 3], 1);   // the fixed marks stay

    std::fill(std::begin(ruleWeightsX), std::end(ruleWeightsX), 1.0);
    std::fill(std::begin(ruleWeightsY), std::end(ruleWeightsY), 1.0);
    SeedRandom(7);
    DrawWeightedRuleTable();
    EXPECT_EQ(std::count(latticeRuleTable, latticeRuleTable + kLatticeRuleHalf, 1), kLatticeRuleHalf - 1);
}

TEST(RandomRuleTable, AdditionsDrawOnlyForEmptyEntries)
{
    SetTable({});
    for (int e = 0; e < kLatticeRuleHalf; e += 2)
        latticeRuleTable[e] = 5;   // set entries keep their value and draw nothing
    SeedRandom(99);
    AddRandomExcitedEntries(30);
    const uint32_t after = randomState;
    SeedRandom(99);
    for (int e = 1; e < kLatticeRuleHalf; e += 2) {
        const bool expected = Rand() / 327.67 < 30;
        ASSERT_EQ(latticeRuleTable[e], expected ? 1 : 0) << "entry " << e;
    }
    EXPECT_EQ(randomState, after);
    EXPECT_EQ(latticeRuleTable[2], 5);
    EXPECT_EQ(latticeRuleTable[0], 0);

    SetTable({});
    AddRandomExcitedEntries(0);
    EXPECT_EQ(Table(), std::vector<uint8_t>(kLatticeRuleTableSize, 0));
    AddRandomExcitedEntries(101);
    EXPECT_EQ(std::count(latticeRuleTable, latticeRuleTable + kLatticeRuleHalf, 1), kLatticeRuleHalf - 1);
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

TEST(RandomRuleTable, SeedPatternsSkipCellsOutsideTheStorage)
{
    std::fill(std::begin(squareCells), std::end(squareCells), uint8_t{2});
    PlaceRuleSeed(1, 0, 130);   // "Crest" on the corner
    EXPECT_EQ(std::count(std::begin(squareCells), std::end(squareCells), 0), 3);
    EXPECT_EQ(squareCells[SquareIndex(1, 130)], 0);
    PlaceRuleSeed(2, 130, 130);   // "2x2" keeps its one cell inside
    EXPECT_EQ(std::count(std::begin(squareCells), std::end(squareCells), 0), 4);
    PlaceRuleSeed(0, INT32_MAX, -5);
    PlaceRuleSeed(3, 10, 10);
    EXPECT_EQ(std::count(std::begin(squareCells), std::end(squareCells), 0), 4);
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
    std::fill(std::begin(latticeRuleTable), std::end(latticeRuleTable), uint8_t{0});
    ASSERT_EQ(ReadRuleTableFile("examp/Exr.dat"), RuleFileStatus::Ok);
    EXPECT_EQ(Table(), written);

    WriteBytes("short.dat", 2249);
    WriteBytes("pattern.dat", 17161);   // a square pattern, not a table
    std::filesystem::create_directory("folder.dat");
    EXPECT_EQ(ReadRuleTableFile("short.dat"), RuleFileStatus::Short);
    EXPECT_EQ(ReadRuleTableFile("pattern.dat"), RuleFileStatus::TooLong);
    EXPECT_EQ(ReadRuleTableFile("folder.dat"), RuleFileStatus::Missing);
    EXPECT_EQ(ReadRuleTableFile("none.dat"), RuleFileStatus::Missing);
    EXPECT_EQ(Table(), written);
    EXPECT_NE(RuleFileMessage(RuleFileStatus::Short, "short.dat").find("short.dat"), std::string::npos);

    EXPECT_EQ(WriteRuleTableFile("short.dat/x.dat"), RuleFileStatus::WriteFailed);
}

TEST(ImproveSearch, AdvanceSkipsFixedEntriesAndEnds)
{
    SetTable({});
    improveEntryIndex = 0;
    ASSERT_TRUE(AdvanceImproveEntry());
    EXPECT_EQ(improveEntryIndex, 1);
    latticeRuleTable[kLatticeRuleHalf + 2] = 1;
    ASSERT_TRUE(AdvanceImproveEntry());
    EXPECT_EQ(improveEntryIndex, 3);
    improveEntryIndex = 1124;
    ASSERT_TRUE(AdvanceImproveEntry());
    EXPECT_EQ(RuleEntryOfIndex(improveEntryIndex), 0);
    improveEntryIndex = -2;   // a negative index names entry 1123
    ASSERT_TRUE(AdvanceImproveEntry());
    EXPECT_EQ(RuleEntryOfIndex(improveEntryIndex), 1124);
    improveEntryIndex = INT32_MAX;
    ASSERT_TRUE(AdvanceImproveEntry());
    EXPECT_EQ(RuleEntryOfIndex(improveEntryIndex), RuleEntryOfIndex(INT32_MAX) + 1);

    std::fill(latticeRuleTable + kLatticeRuleHalf, latticeRuleTable + kLatticeRuleTableSize, uint8_t{1});
    latticeRuleTable[kLatticeRuleHalf + 40] = 0;
    improveEntryIndex = 40;   // the only free entry is reached after a full round
    ASSERT_TRUE(AdvanceImproveEntry());
    EXPECT_EQ(improveEntryIndex, 40 + kLatticeRuleHalf);
    latticeRuleTable[kLatticeRuleHalf + 40] = 1;
    EXPECT_FALSE(AdvanceImproveEntry());
    EXPECT_EQ(improveEntryIndex, 40 + kLatticeRuleHalf);

    EXPECT_EQ(ImproveBaseFileName(), "IMPROVE/imp000.dat");
    EXPECT_EQ(ImproveRecordFileName(42), "IMPROVE/imp042.dat");
    EXPECT_EQ(ImproveRecordFileName(1234), "IMPROVE/imp1234.dat");
}

TEST(FreezeMask, GreyLevelsOfTheMap)
{
    squareRowCount = squareColumnCount = 4;
    std::fill(std::begin(frozenMask), std::end(frozenMask), uint8_t{0});
    frozenMask[SquareIndex(5, 5)] = 200;   // outside the used square
    EXPECT_EQ(FrozenMaskMaximum(), 1);
    EXPECT_EQ(FrozenGreyLevel(1, 1), 127);
    EXPECT_EQ(FrozenGreyLevel(0, 1), 0);
    frozenMask[SquareIndex(3, 3)] = 255;
    EXPECT_EQ(FrozenMaskMaximum(), 255);
    EXPECT_EQ(FrozenGreyLevel(255, 255), 254);
}
