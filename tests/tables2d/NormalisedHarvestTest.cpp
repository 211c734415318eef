#include "Tables2dTestSupport.h"

#include "base/GroupAlgebra.h"
#include "tables2d/HarvestListing.h"
#include "tables2d/NormalisedHarvest.h"

#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <random>

using namespace table2dtest;

namespace {

// The cross and the diagonals: on a 3 x 3 torus every cell once.
constexpr Mask2dPoint kNinePoints[9] = {{0, 0}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

int32_t Uniform(int element, int cells)
{
    int32_t index = 0;
    for (int p = 0; p < cells; ++p) index = index * 6 + element;
    return index;
}

class NormalisedHarvestTest : public ::testing::Test {
protected:
    void SetUp() override { ClearTwoDimKeyTables(true, true); }
    GrowthWindowCounts walk(int cells, int32_t side = 3)
    {
        historyRowCount = 3;   // one window event, event 1, followed by event 2
        return WalkNormalisedWindows(side, kNinePoints, cells);
    }
    // The listed keys as index numbers.
    std::vector<int32_t> listed(int cells)
    {
        std::vector<int32_t> keys;
        const int32_t count = ListNormalisedKeys(cells, kTableCapacity).value();
        for (int32_t r = 0; r < count; ++r) keys.push_back(KeyTableIndex(rt1Keys[r], cells));
        return keys;
    }
    static int32_t Key(std::array<uint8_t, 9> cells, int count) { return KeyTableIndex(cells.data(), count); }
};

TEST_F(NormalisedHarvestTest, EachPointReadsTheCellAtItsOffsetOnTheTorus)
{
    // (0, 0) holds 4, (0, 1) holds 5; followed by the identity, each window enters as it is.
    LayEventPlane(1, 0, 0);
    LayEventPlane(2, 0, 0);
    growthEventElement1[1][0][0] = 4;
    growthEventElement1[1][0][1] = 5;
    const GrowthWindowCounts counts = walk(9);
    EXPECT_EQ(counts.windows, 9);
    // Each window holds both cells, at the points that reach them.
    const std::vector<int32_t> keys = listed(9);
    ASSERT_EQ(keys.size(), 9u);
    auto has = [&](int32_t key) { return std::find(keys.begin(), keys.end(), key) != keys.end(); };
    EXPECT_TRUE(has(Key({4, 5, 0, 0, 0, 0, 0, 0, 0}, 9)));   // window (0, 0): x = 1 is the next column
    EXPECT_TRUE(has(Key({5, 0, 0, 4, 0, 0, 0, 0, 0}, 9)));   // window (0, 1): x = -1 the one before
    EXPECT_TRUE(has(Key({0, 0, 0, 0, 0, 4, 0, 5, 0}, 9)));   // window (2, 2): (1, 1) and (-1, 1) wrap round

    // Eight points leave out the last; a torus of 2 x 2 wraps them onto fewer cells.
    ClearTwoDimKeyTables(true, true);
    walk(8, 2);
    EXPECT_TRUE(IsNormalisedKeyUsed(8, Key({4, 5, 0, 5, 0, 0, 0, 0}, 8)));   // window (0, 0)
    EXPECT_EQ(listed(8).size(), 4u);
}

TEST_F(NormalisedHarvestTest, TheNextElementDividesTheWindowAndOnlySixAndSevenPointsKeepValues)
{
    // 3s followed by 5 with value -1: quotient (2, .., 2) (5 * 2 = 3), value 1.
    LayEventPlane(1, 3, -1);
    LayEventPlane(2, 5, 0);
    walk(7);
    ASSERT_EQ(listed(7), std::vector<int32_t>{Uniform(2, 7)});
    EXPECT_EQ(ttValues[0], 1);
    // Through 1 (1 * 2 = 0) with 300 the low byte; through the identity the last value wins.
    LayEventPlane(1, 0, 300);
    LayEventPlane(2, 1, 0);
    walk(7);
    EXPECT_EQ(tt7Value[Uniform(2, 7)], 300 & 0xFF);
    LayEventPlane(1, 2, 7);
    LayEventPlane(2, 0, 0);
    walk(7);
    listed(7);
    EXPECT_EQ(ttValues[0], 7);
    // A reflection negates the value; INT32_MIN keeps its low byte (3 * 0 = 3: quotient 0s).
    LayEventPlane(1, 3, -9);
    LayEventPlane(2, 3, 0);
    walk(6);
    EXPECT_EQ(tt6Value[Uniform(0, 6)], 9);
    LayEventPlane(1, 3, INT32_MIN);
    walk(6);
    EXPECT_EQ(tt6Value[Uniform(0, 6)], 0);

    // Eight and nine points: flags only, and their records list the value 0.
    LayEventPlane(1, 4, 9);
    walk(8);   // 3 * 2 = 4: the quotient (2, .., 2)
    LayEventPlane(2, 0, 0);
    walk(8);   // the window itself
    ttValues[1] = 77;
    ASSERT_EQ(listed(8), (std::vector<int32_t>{Uniform(2, 8), Uniform(4, 8)}));
    EXPECT_EQ(ttValues[0] | ttValues[1], 0);
}

TEST_F(NormalisedHarvestTest, WindowsOutsideTheGroupAndOtherPointCountsEnterNothing)
{
    LayEventPlane(1, 1, 0);
    LayEventPlane(2, 0, 0);
    growthEventElement1[1][2][2] = 6;   // a cell of every window on the 3 x 3 torus
    EXPECT_EQ(walk(9).skippedWindows, 9);
    growthEventElement1[1][2][2] = 1;
    growthEventElement1[2][1][1] = -1;   // the next element of one window
    const GrowthWindowCounts counts = walk(9);
    EXPECT_EQ(counts.windows * 10 + counts.skippedWindows, 81);
    for (const int cells : {5, 10}) EXPECT_EQ(walk(cells).windows, 0) << cells;
    EXPECT_EQ(tt5Used[Uniform(1, 5)], 0);

    // Two events or fewer hold no window.
    historyRowCount = 2;
    EXPECT_EQ(WalkNormalisedWindows(3, kNinePoints, 7).windows, 0);
}

} // namespace

// The walk written for speed against the plain one of GrowthWindows.h (each window
// divided cell by cell and indexed as written): random planes with a few cells
// outside the group, every point count and a few sides, masks reaching past the torus.
TEST(NormalisedHarvestWalk, AgreesWithThePlainWalkOverEveryWindow)
{
    std::mt19937 rng(11);
    for (const int cells : {6, 7, 8, 9})
        for (const int32_t side : {2, 5, 12}) {
            Mask2dPoint points[9];
            for (Mask2dPoint& p : points) p = {int32_t(rng() % 7) - 3, int32_t(rng() % 31) - 15};
            historyRowCount = 2 + int32_t(rng() % 12);
            for (int32_t k = 0; k < historyRowCount; ++k)
                for (int32_t i = 0; i < side; ++i)
                    for (int32_t j = 0; j < side; ++j) {
                        growthEventElement1[k][i][j] = rng() % 50 == 0 ? 6 + int32_t(rng() % 3) : int32_t(rng() % 6);
                        growthFrontDiffIncrement[k][i][j] = int32_t(rng() % 600) - 300;
                    }

            // The plain walk, into a table of its own.
            std::map<int32_t, uint8_t> expected;   // index -> value (0 where none is kept)
            uint8_t lastQuotient[9] = {};
            const GrowthWindowCounts plain = ForEachGrowthWindow(side, points, cells, [&](const GrowthWindow& w) {
                uint8_t quotient[9];
                for (int p = 0; p < cells; ++p) quotient[p] = uint8_t(GroupLeftDivide(w.next, w.key[p]));
                const uint32_t d = uint32_t(w.output);
                expected[KeyTableIndex(quotient, cells)] = cells <= 7 ? uint8_t(w.next <= 2 ? d : 0u - d) : 0;
                std::copy_n(quotient, cells, lastQuotient);
                return true;
            });

            ClearTwoDimKeyTables(true, true);
            const GrowthWindowCounts fast = WalkNormalisedWindows(side, points, cells);
            EXPECT_EQ(fast.windows, plain.windows) << cells << " " << side;
            EXPECT_EQ(fast.skippedWindows, plain.skippedWindows) << cells << " " << side;
            const std::vector<int32_t>& used = UsedKeys(cells);
            ASSERT_EQ(used.size(), expected.size()) << cells << " " << side;
            for (const auto& [index, value] : expected) {
                EXPECT_TRUE(IsNormalisedKeyUsed(cells, index));
                if (cells <= 7) {
                    EXPECT_EQ(*NormalisedKeyValue(cells, index), value);
                }
            }
            if (plain.windows > 0) {
                EXPECT_TRUE(std::equal(lastQuotient, lastQuotient + cells, quotientKey));
            }
        }
}

// A walk in parts, one range of events after the other, enters what the walk
// at once enters and leaves the same last quotient, also when a part holds
// no window.
TEST(NormalisedHarvestWalk, AWalkInPartsEntersWhatTheWalkAtOnceEnters)
{
    std::mt19937 rng(17);
    const int32_t side = 6;
    historyRowCount = 30;
    for (int32_t k = 0; k < historyRowCount; ++k)
        for (int32_t i = 0; i < side; ++i)
            for (int32_t j = 0; j < side; ++j) {
                // From event 23 on no element: no window after event 21.
                growthEventElement1[k][i][j] = k >= 23 ? 7 : int32_t(rng() % 6);
                growthFrontDiffIncrement[k][i][j] = int32_t(rng() % 600) - 300;
            }
    for (const int cells : {6, 7, 8, 9}) {
        SCOPED_TRACE(cells);
        const Mask2dPoint* points = kNinePoints;
        ClearTwoDimKeyTables(true, true);
        const GrowthWindowCounts whole = WalkNormalisedWindows(side, points, cells);
        const std::vector<int32_t> keys = UsedKeys(cells);
        std::vector<uint8_t> values;
        for (const int32_t index : keys) values.push_back(cells <= 7 ? *NormalisedKeyValue(cells, index) : 0);
        const std::vector<uint8_t> last(quotientKey, quotientKey + cells);

        ClearTwoDimKeyTables(true, true);
        int32_t windows = 0;
        for (const auto& [from, to] : {std::pair(1, 3), std::pair(4, 4), std::pair(5, 19), std::pair(20, 22),
                                       std::pair(23, 100)})
            windows += WalkNormalisedWindows(side, points, cells, from, to).windows;
        EXPECT_EQ(windows, whole.windows);
        EXPECT_EQ(UsedKeys(cells), keys);
        for (size_t r = 0; r < keys.size() && cells <= 7; ++r)
            EXPECT_EQ(*NormalisedKeyValue(cells, keys[r]), values[r]);
        EXPECT_EQ(std::vector<uint8_t>(quotientKey, quotientKey + cells), last);
    }
}
