#include "TableTestSupport.h"
#include "tables1d/GroupExtension.h"

using namespace tabletest;

namespace {

std::vector<int32_t> Counts() { return {ttHitCount, ttHitCount + ttRecordCount}; }

// One orbit b*x, b = 0..counts.size()-1, of a six-cell base key, extended.
std::vector<int32_t> Extended(const std::vector<int32_t>& counts, bool byScan)
{
    LayTable({Key{0, 1, 2, 3, 4, 5}}, 6);
    ttRecordCount = int32_t(counts.size());
    std::copy(counts.begin(), counts.end(), ttHitCount);
    EXPECT_TRUE(byScan ? ExtendHitCountsByScan(6) : ExtendHitCounts(6));
    return Counts();
}

TEST(GroupExtension, OneOrbitCombinesInTheOrderOfTheElementsAndSaturates)
{
    for (bool byScan : {true, false}) {
        EXPECT_EQ(Extended({1, 0, 0, 0, 0, 0}, byScan), (std::vector<int32_t>{1, 1, 1, 1, 1, 1}));
        EXPECT_EQ(Extended({1, 1, 1, 1, 1, 1}, byScan), (std::vector<int32_t>{10, 10, 9, 10, 11, 11}));
        EXPECT_EQ(Extended({0, 0, 0, 0, 0, 1}, byScan), (std::vector<int32_t>{4, 2, 1, 1, 2, 5}));
        EXPECT_EQ(Extended({1, 1, 1, 1, 1}, byScan), (std::vector<int32_t>{5, 7, 8, 9, 8}));
        EXPECT_EQ(Extended(std::vector<int32_t>(6, 2000000000), byScan), std::vector<int32_t>(6, INT32_MAX));
    }
    ttHitCount[0] = 3;   // another point count changes nothing
    EXPECT_FALSE(ExtendHitCounts(5) || ExtendHitCountsByScan(10));
    EXPECT_EQ(ttHitCount[0], 3);
}

TEST(GroupExtension, IndexedAndScanAgreeOnRandomTables)
{
    std::mt19937 rng(77);
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE(round);
        const int n = 6 + round % 4;
        LayTable(RandomBase(rng, {0, 1, 2, 3, 4, 5}, n, n / 2, 20 + round, round % 2 == 0), n);
        if (round % 3 == 1) {   // a broken orbit and a duplicate key
            ttKeys[7][0] = uint8_t((ttKeys[7][0] + 1) % 6);
            std::copy(ttKeys[3], ttKeys[3] + n, ttKeys[ttRecordCount++]);
        }
        std::vector<int32_t> start(static_cast<size_t>(ttRecordCount));
        for (auto& c : start) c = int32_t(rng() % 50);

        std::copy(start.begin(), start.end(), ttHitCount);
        ASSERT_TRUE(ExtendHitCountsByScan(n));
        const std::vector<int32_t> scan = Counts();
        std::copy(start.begin(), start.end(), ttHitCount);
        ASSERT_TRUE(ExtendHitCounts(n));
        EXPECT_EQ(Counts(), scan);
    }
}

} // namespace
