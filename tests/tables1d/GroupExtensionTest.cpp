#include "TableTestSupport.h"
#include "engine/GroupAlgebra.h"
#include "tables1d/GroupExtension.h"
#include "tables1d/TableRecords.h"

#include <gtest/gtest.h>

using namespace tabletest;

namespace {

// One orbit: six records b*x, b = 0..5, of a six-cell base key.
void LayOrbit(const std::vector<int32_t>& counts)
{
    const Key x = {0, 1, 2, 3, 4, 5};
    ttRecordCount = int32_t(counts.size());
    for (int b = 0; b < ttRecordCount; ++b) {
        for (int p = 0; p < 6; ++p) ttKeys[b][p] = uint8_t(GroupProduct(b, x[p]));
        ttHitCount[b] = counts[b];
    }
}

std::vector<int32_t> Counts() { return {ttHitCount, ttHitCount + ttRecordCount}; }

std::vector<int32_t> Extended(const std::vector<int32_t>& counts, bool byScan)
{
    LayOrbit(counts);
    EXPECT_TRUE(byScan ? ExtendHitCountsByScan(6) : ExtendHitCounts(6));
    return Counts();
}

TEST(GroupExtension, OneOrbitCombinesInTheOrderOfTheElements)
{
    for (bool byScan : {true, false}) {
        EXPECT_EQ(Extended({1, 0, 0, 0, 0, 0}, byScan), (std::vector<int32_t>{1, 1, 1, 1, 1, 1}));
        EXPECT_EQ(Extended({1, 1, 1, 1, 1, 1}, byScan), (std::vector<int32_t>{10, 10, 9, 10, 11, 11}));
        EXPECT_EQ(Extended({0, 0, 0, 0, 0, 1}, byScan), (std::vector<int32_t>{4, 2, 1, 1, 2, 5}));
        EXPECT_EQ(Extended({0, 0, 0, 0, 0, 0}, byScan), (std::vector<int32_t>(6, 0)));
        EXPECT_EQ(Extended({1, 1, 1, 1, 1}, byScan), (std::vector<int32_t>{5, 7, 8, 9, 8}));
    }
}

TEST(GroupExtension, InterleavedOrbitsOnlyCombineWithinThemselves)
{
    const Key x = {0, 1, 2, 3, 4, 5};
    const Key y = {5, 5, 0, 0, 1, 2};
    for (bool byScan : {true, false}) {
        ttRecordCount = 12;
        for (int b = 0; b < 6; ++b)
            for (int p = 0; p < 6; ++p) {
                ttKeys[2 * b][p] = uint8_t(GroupProduct(b, x[p]));
                ttKeys[2 * b + 1][p] = uint8_t(GroupProduct(b, y[p]));
            }
        std::fill(ttHitCount, ttHitCount + 12, 0);
        ttHitCount[0] = 1;
        ASSERT_TRUE(byScan ? ExtendHitCountsByScan(6) : ExtendHitCounts(6));
        for (int b = 0; b < 6; ++b) {
            EXPECT_EQ(ttHitCount[2 * b], 1);
            EXPECT_EQ(ttHitCount[2 * b + 1], 0);
        }
    }
}

TEST(GroupExtension, OtherPointCountsChangeNothing)
{
    LayOrbit({1, 0, 0, 0, 0, 0});
    EXPECT_FALSE(ExtendHitCounts(5));
    EXPECT_FALSE(ExtendHitCountsByScan(10));
    EXPECT_EQ(Counts(), (std::vector<int32_t>{1, 0, 0, 0, 0, 0}));
}

TEST(GroupExtension, CountsSaturateInsteadOfOverflowing)
{
    LayOrbit({2000000000, 2000000000, 2000000000, 2000000000, 2000000000, 2000000000});
    ASSERT_TRUE(ExtendHitCounts(6));
    for (int32_t c : Counts()) EXPECT_EQ(c, INT32_MAX);
}

TEST(GroupExtension, IndexedAndScanAgreeOnRandomTables)
{
    std::mt19937 rng(77);
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE(round);
        const int n = 6 + round % 4;
        LayTable(RandomBase(rng, {0, 1, 2, 3, 4, 5}, n, n / 2, 20 + round, round % 2 == 0), n);
        if (round % 3 == 1) {   // a broken orbit and a duplicate key
            ttKeys[7][0] = uint8_t((ttKeys[7][0] + 1) % 6);
            std::copy(ttKeys[3], ttKeys[3] + n, ttKeys[ttRecordCount]);
            ++ttRecordCount;
        }
        std::vector<int32_t> start(static_cast<size_t>(ttRecordCount));
        for (auto& c : start) c = int32_t(rng() % 50);

        std::copy(start.begin(), start.end(), ttHitCount);
        ASSERT_TRUE(ExtendHitCountsByScan(n));
        const std::vector<int32_t> scan = Counts();
        const std::vector<uint8_t> scanQuotient(quotientKey, quotientKey + n);

        std::fill(quotientKey, quotientKey + 10, uint8_t(9));
        std::copy(start.begin(), start.end(), ttHitCount);
        ASSERT_TRUE(ExtendHitCounts(n));
        EXPECT_EQ(Counts(), scan);
        EXPECT_EQ(std::vector<uint8_t>(quotientKey, quotientKey + n), scanQuotient);
    }
}

} // namespace
