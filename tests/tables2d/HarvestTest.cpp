#include "Tables2dTestSupport.h"

#include "base/GroupAlgebra.h"
#include "base/TableRecords.h"
#include "tables2d/FivePointHarvest.h"
#include "tables2d/HarvestListing.h"

#include <random>

using namespace table2dtest;

namespace {

int32_t Uniform(int element) { return element * (1296 + 216 + 36 + 6 + 1); }   // key (e, e, e, e, e)

class HarvestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearTwoDimKeyTables(true, true);
        LayStartupMask2dTables();
        std::copy_n(mask2dPointTables[0], 5, cross_);
    }
    FivePointWalk walk(int32_t events)
    {
        historyRowCount = events;
        return WalkFivePointWindows(3, cross_);
    }
    Mask2dPoint cross_[5];
};

TEST_F(HarvestTest, WindowsEnterTheTablesByTheirNextElement)
{
    // Event 1: 1s followed by 0, value 5; event 2: 0s with -99, the empty marker; event 0 is no window.
    LayEventPlane(0, 4, 1);
    LayEventPlane(1, 1, 5);
    LayEventPlane(2, 0, -99);
    LayEventPlane(3, 0, 0);
    EXPECT_EQ(walk(4).windows, 18);
    EXPECT_EQ(tt5Value[Uniform(1)], 5);
    EXPECT_EQ(tt5Value[Uniform(0)], kEmptyKeyValue);
    EXPECT_EQ(tt5Used[kKeys5 + Uniform(4)], 0);

    // So another value for the 0s is taken; a third conflicts at its first window.
    LayEventPlane(2, 0, 7);
    EXPECT_FALSE(walk(4).conflict);
    LayEventPlane(2, 0, 8);
    growthFrontDiffIncrement[2][0][0] = 7;
    const FivePointWalk conflict = walk(4);
    ASSERT_TRUE(conflict.conflict);
    EXPECT_EQ(conflict.event * 100 + conflict.i * 10 + conflict.j, 201);
    EXPECT_EQ(tt5Value[Uniform(0)], 7);

    // A value outside -128..127 keeps its low byte and no longer matches itself.
    LayEventPlane(1, 2, 300);
    EXPECT_TRUE(walk(3).conflict);
    EXPECT_EQ(tt5Value[Uniform(2)], 300 & 0xFF);

    // 4s followed by 2: plane 2 holds them with the value; the quotient 5s (2 * 5 = 4)
    // is marked in plane 0 without one and lists as -99.
    ClearTwoDimKeyTables(true, true);
    LayEventPlane(1, 4, -3);
    LayEventPlane(2, 2, 0);
    EXPECT_FALSE(walk(3).conflict);
    EXPECT_EQ(tt5Value[2 * kKeys5 + Uniform(4)], uint8_t(-3));
    EXPECT_EQ(tt5Used[Uniform(4)], 0);
    ASSERT_EQ(ListNormalisedKeys(5, kTableCapacity), 1);
    EXPECT_EQ(KeyTableIndex(rt1Keys[0], 5), Uniform(5));
    EXPECT_EQ(ttValues[0], -99);
}

// The listing from the remembered keys equals a scan of every flag, across clears.
TEST_F(HarvestTest, TheListedKeysAreThoseAFullScanFinds)
{
    std::mt19937 rng(5);
    const int32_t sizes[10] = {0, 0, 0, 0, 0, kKeys5, kKeys6, kKeys7, kKeys8, kKeys9};
    auto agree = [&](int n) {
        std::vector<int32_t> scanned, listed;
        for (int32_t index = 0; index < sizes[n]; ++index)
            if (IsNormalisedKeyUsed(n, index)) scanned.push_back(index);
        const int32_t count = ListNormalisedKeys(n, kTableCapacity).value();
        for (int32_t r = 0; r < count; ++r) listed.push_back(KeyTableIndex(rt1Keys[r], n));
        return scanned == listed;
    };
    for (int n = 5; n <= 9; ++n)
        for (int pass = 0; pass < 4; ++pass) {
            for (int k = 0; k < 300; ++k) MarkNormalisedKey(n, int32_t(rng() % sizes[n]));
            if (pass == 1) ClearTwoDimKeyTables(true, true);   // a clear between two harvests
            EXPECT_TRUE(agree(n)) << n << " " << pass;
        }
    tt6Used[3] = 1;   // set behind the list's back: found once the list is forgotten
    ForgetNormalisedKeys();
    EXPECT_TRUE(agree(6));
}

TEST_F(HarvestTest, ATableOverCapacityIsNotListedAndTheListIsBuiltInSixBlocks)
{
    for (int32_t index = 0; index < 1667; ++index) MarkNormalisedKey(6, index * 7);
    rt1Keys[0][0] = 9;
    EXPECT_FALSE(ListNormalisedKeys(6, 1666).has_value());
    EXPECT_EQ(rt1Keys[0][0], 9);

    MarkNormalisedKey(5, 1);   // (0,0,0,0,1)
    MarkNormalisedKey(5, 7);   // (0,0,0,1,1)
    tt5Value[1] = 3;
    std::fill_n(ttHitCount, 12, 5);
    std::fill_n(ttValues, 12, 5);
    ASSERT_TRUE(BuildHarvestedList(ListNormalisedKeys(5, 1666).value(), 5));
    EXPECT_EQ(ttRecordCount, 12);
    EXPECT_EQ(harvestClassCount[0], 2);
    EXPECT_EQ(ttValues[1], -99);
    // No row keeps what an earlier table left: counts 0, the images' values 0.
    for (int32_t r = 0; r < 12; ++r) EXPECT_EQ(ttHitCount[r] + (r >= 2 ? ttValues[r] : 0), 0) << r;
    for (int g = 0; g < 6; ++g) EXPECT_EQ(ttKeys[g * 2 + 1][4], GroupProduct(uint32_t(g), 1));
    EXPECT_FALSE(BuildHarvestedList(1667, 5));
    EXPECT_EQ(ttRecordCount, 12);
}

// A walk in parts meets the conflict the walk at once meets, at the same
// window, with the same entries made before it.
TEST_F(HarvestTest, AWalkInPartsStopsAtTheConflictTheWalkAtOnceMeets)
{
    LayEventPlane(0, 4, 1);
    LayEventPlane(1, 0, 5);   // 0s followed by 0: value 5
    LayEventPlane(2, 0, 5);
    growthFrontDiffIncrement[2][1][2] = 6;   // another value: the conflict
    LayEventPlane(3, 0, 0);
    LayEventPlane(4, 3, 0);
    historyRowCount = 5;
    const FivePointWalk whole = WalkFivePointWindows(3, cross_);
    ASSERT_TRUE(whole.conflict);
    const std::vector<uint8_t> used(tt5Used, tt5Used + 6 * kKeys5), values(tt5Value, tt5Value + 6 * kKeys5);

    ClearTwoDimKeyTables(true, true);
    const FivePointWalk first = WalkFivePointWindows(3, cross_, 1, 1);
    const FivePointWalk second = WalkFivePointWindows(3, cross_, 2, 3);
    EXPECT_FALSE(first.conflict);
    ASSERT_TRUE(second.conflict);
    EXPECT_EQ(whole.event * 100 + whole.i * 10 + whole.j, 212);
    EXPECT_EQ(second.event * 100 + second.i * 10 + second.j, 212);
    EXPECT_EQ(first.windows + second.windows, whole.windows);
    EXPECT_TRUE(std::equal(used.begin(), used.end(), tt5Used));
    EXPECT_TRUE(std::equal(values.begin(), values.end(), tt5Value));
}

} // namespace
