// The rule-table window's model: which entry a click names, how a drag moves
// the weight curves, the weighted pairs of "Make RCA" and the table they give.
#include "base/Random.h"
#include "lattice/LatticeRuleTable.h"
#include "lattice/LatticeSettings.h"
#include "lattice/RuleTableWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

void SetWeights(double w)
{
    std::fill(std::begin(ruleWeightsX), std::end(ruleWeightsX), w);
    std::fill(std::begin(ruleWeightsY), std::end(ruleWeightsY), w);
}

// The weights that differ from 0.5 after a drag from (x0, y0) to (x1, y1).
std::vector<int> Moved(const double* weights, int count, int x0, int y0, int x1, int y1)
{
    SetWeights(0.5);
    RuleWindowMouseDown(x0, y0);
    RuleWindowMouseUp(x1, y1);
    std::vector<int> moved;
    for (int i = 0; i < count; ++i)
        if (weights[i] != 0.5)
            moved.push_back(i);
    return moved;
}

std::vector<int> MovedX(int x0, int y0, int x1, int y1) { return Moved(ruleWeightsX, 45, x0, y0, x1, y1); }
std::vector<int> MovedY(int x0, int y0, int x1, int y1) { return Moved(ruleWeightsY, 25, x0, y0, x1, y1); }

} // namespace

TEST(RuleTableWindow, AClickNamesTheEntryUnderThePointerOnlyOnTheGrid)
{
    EXPECT_EQ(RuleWindowMouseDown(130, 75), RuleEntryIndex(1, 0, 1, 0));
    EXPECT_EQ(RuleWindowMouseDown(629, 349), RuleEntryIndex(4, 4, 4, 8));
    EXPECT_EQ(RuleWindowMouseDown(650, 75), -1);   // the Y strip: a drag only
    EXPECT_EQ(RuleWindowMouseDown(75, 360), -1);
    EXPECT_EQ(RuleWindowMouseDown(-3, 20), -1);    // outside the window (a call from code)
}

TEST(RuleTableWindow, ADragMovesOneWeightOrAGroupAndHoldsThemWithinZeroToOne)
{
    EXPECT_EQ(MovedX(14 * 10 + 3, 360, 500, 430), std::vector<int>{10});   // +70: held at 1
    EXPECT_EQ(ruleWeightsX[10], 1.0);
    MovedX(14 * 10 + 3, 360, 0, 325);   // -35: -0.5
    EXPECT_EQ(ruleWeightsX[10], 0.0);
    EXPECT_EQ(MovedX(14 * 11, 425, 14 * 11, 439), (std::vector<int>{2, 11, 20, 29, 38}));   // c4 = 2
    EXPECT_DOUBLE_EQ(ruleWeightsX[29], 0.7);
    EXPECT_EQ(MovedX(14 * 11, 440, 14 * 11, 300), (std::vector<int>{9, 10, 11, 12, 13, 14, 15, 16, 17}));   // c3 = 1

    EXPECT_EQ(MovedY(640, 14 * 7 + 1, 675, 0), std::vector<int>{7});
    EXPECT_EQ(ruleWeightsY[7], 1.0);
    EXPECT_EQ(MovedY(705, 14 * 7, 670, 14 * 7), (std::vector<int>{2, 7, 12, 17, 22}));   // c2 = 2
    EXPECT_EQ(MovedY(720, 14 * 7, 734, 14 * 7), (std::vector<int>{5, 6, 7, 8, 9}));      // c1 = 1
    EXPECT_TRUE(MovedX(720, 14 * 7, 734, 14 * 7).empty());
}

// Right of and below the grid at once both indices lie past their tables
// (X 45..53, Y 25..31): such a drag moves no weight.
TEST(RuleTableWindow, ADragFromTheCornerBeyondBothTablesMovesNothing)
{
    for (int x : {632, 699})
        for (int y : {352, 419}) {
            EXPECT_TRUE(MovedX(x, y, x + 50, y + 50).empty()) << x << "," << y;
            EXPECT_TRUE(MovedY(x, y, x + 50, y + 50).empty()) << x << "," << y;
        }
    EXPECT_TRUE(MovedX(660, 440, 700, 500).empty());   // c3 group of X index 47
}

// With all weights 0 a pair is taken only on a draw r = 0; otherwise each
// pair spends its 100000 draws of three numbers and keeps the last one.
TEST(RuleTableWindow, MakeRcaDrawsInOrderAndKeepsTheLastPairWhenNoneIsTaken)
{
    SetWeights(0.0);
    rulePairCount = 3;
    SeedRandom(5);
    DrawWeightedRulePairs();
    const int32_t after = Rand();
    SeedRandom(5);
    for (int p = 0; p < 3; ++p) {
        int i = 0, j = 0;
        for (int draw = 0; draw < 100000; ++draw) {
            i = Rand() % 45;
            j = Rand() % 25;
            if (Rand() == 0)
                break;
        }
        EXPECT_EQ(rulePairX[p], i) << p;
        EXPECT_EQ(rulePairY[p], j) << p;
    }
    EXPECT_EQ(Rand(), after);
}

TEST(RuleTableWindow, TheTableFromThePairsCancelsRepeatsAndKeepsEntryZeroClear)
{
    std::fill(std::begin(latticeRuleTable), std::end(latticeRuleTable), uint8_t{1});
    rulePairCount = 4;
    const uint16_t pairs[4][2] = {{9 * 3 + 2, 5 * 4 + 1}, {7, 7}, {7, 7}, {0, 0}};
    for (int p = 0; p < 4; ++p) {
        rulePairX[p] = pairs[p][0];
        rulePairY[p] = pairs[p][1];
    }
    BuildRuleTableFromPairs();
    EXPECT_EQ(std::count(latticeRuleTable, latticeRuleTable + kLatticeRuleHalf, 1), 1);
    EXPECT_EQ(latticeRuleTable[RuleEntryIndex(4, 1, 3, 2)], 1);
    EXPECT_EQ(latticeRuleTable[kLatticeRuleHalf], 1);   // the fixed marks are not touched
}
