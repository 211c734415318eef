#include "TableTestSupport.h"

#include <numeric>

using namespace tabletest;

namespace {

// The general check by scan and indexed on the list as it is, and over its
// scope summarised from the first start record by one plan, from a start
// record whose walk the engine breaks off by the other, and each way in turn.
AgreedCheck ExpectBothAgree(const ClosureMask& mask, bool firstBlockOnly)
{
    BuildPermutedCopy(mask.pointCount);
    ClosureScope scope = GeneralClosureScope(mask, ttRecordCount, firstBlockOnly);
    return ExpectEnginesMatchScan(
        [&](int form, const ClosureProgressCallback& progress) {
            if (form == 0) return RunClosureCheckByScan(mask, firstBlockOnly, progress);
            if (form == 1) return RunClosureCheck(mask, firstBlockOnly, progress);
            scope.walkBeforeSummarising = form == 2 ? 0 : 97;
            scope.way = form == 2   ? ClosureWay::SummariseOpenCells
                        : form == 3 ? ClosureWay::SummariseBoundaries
                                    : ClosureWay::EachInTurn;
            return RunClosureCheck(mask, scope, progress);
        },
        4);
}

const ClosureMask kMask73 = MaskFromOffsets({-3, -2, -1, 0, 1, 2});   // (7,3), 6 points

TEST(ClosureCheck, ATableClosedByConstructionPassesAndCountsEveryPlacement)
{
    for (const ClosureMask& mask : {kMask73, MaskFromOffsets({-3, -1, 0, 1, 2, 4})}) {
        LayTable(AllKeysOver({0, 4}, 6, CentreIndex(mask)), 6);
        const AgreedCheck agreed = ExpectBothAgree(mask, false);
        EXPECT_EQ(agreed.outcome.verdict, ClosureVerdict::Closed);
        EXPECT_GT(agreed.outcome.placements, 100);
        EXPECT_EQ(std::accumulate(ttHitCount, ttHitCount + ttRecordCount, int64_t(0)), agreed.outcome.placements);
        EXPECT_EQ(agreed.last.records[0], ttRecordCount - 1);   // the progress ends at the last start record
    }
}

TEST(ClosureCheck, AChangedKeyFailsWithItsVerdict)
{
    // Record 5 of block 1 exchanged with record 5 of block 2: the window 2x now claims next value 1.
    LayTable(AllKeysOver({0, 4}, 6, 3), 6);
    const int32_t block = ttRecordCount / 6;
    std::swap_ranges(ttKeys[block + 5], ttKeys[block + 5] + 6, ttKeys[2 * block + 5]);
    EXPECT_EQ(ExpectBothAgree(kMask73, false).outcome.verdict, ClosureVerdict::Unlocked);

    // Keys over {0, 3}: their conjugates by 4 (over {0, 5}) are missing.
    LayTable(AllKeysOver({0, 3}, 6, 3), 6);
    EXPECT_EQ(ExpectBothAgree(kMask73, false).outcome.verdict, ClosureVerdict::PermutedMismatch);

    // Nine points skip the permuted test, eight do not.
    for (const int n : {8, 9}) {
        SCOPED_TRACE(n);
        std::vector<int> offsets;
        for (int p = 0; p < n; ++p) offsets.push_back(p - 4);
        const ClosureMask mask = MaskFromOffsets(offsets);
        LayTable(AllKeysOver({0, 3}, n, CentreIndex(mask)), n);
        BuildPermutedCopy(n);
        EXPECT_EQ(RunClosureCheck(mask, true).verdict, n == 9 ? ClosureVerdict::Closed : ClosureVerdict::PermutedMismatch);
    }
}

TEST(ClosureCheck, IndexedAndScanAgreeOnRandomTablesWholeAndBroken)
{
    std::mt19937 rng(20240611);
    const std::vector<std::vector<uint8_t>> alphabets = {{0, 4}, {0, 3}, {0, 1, 2}, {0, 1}, {0, 1, 2, 3, 4, 5}};
    int verdicts[3] = {};
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        const int n = 6 + round % 3;
        std::vector<int> offsets = {0, -5, -4, -3, -2, -1, 1, 2, 3, 4, 5};   // a random mask within -5..5
        std::shuffle(offsets.begin() + 1, offsets.end(), rng);
        offsets.resize(size_t(n));
        const ClosureMask mask = MaskFromOffsets(offsets);
        LayTable(RandomBase(rng, alphabets[round % alphabets.size()], n, CentreIndex(mask), 25, round % 3 != 0), n);

        const int32_t count = ttRecordCount, a = int32_t(rng() % count), b = int32_t(rng() % count);
        if (round % 4 == 1) ttKeys[a][rng() % n] = uint8_t(rng() % 6);               // one cell changed
        if (round % 4 == 2) std::swap_ranges(ttKeys[a], ttKeys[a] + n, ttKeys[b]);   // two records exchanged
        if (round % 4 == 3) {   // rows beyond the blocks: a duplicate key, and old bytes in the copy too
            ttRecordCount = count + 2;
            std::copy(ttKeys[a], ttKeys[a] + n, ttKeys[count]);
            for (int p = 0; p < n; ++p) ttKeys[count + 1][p] = ttKeysPermuted[count + 1][p] = uint8_t(rng() % 6);
        }
        ++verdicts[int(ExpectBothAgree(mask, round % 2 == 1).outcome.verdict)];
    }
    // Every verdict reached, so agreement was tested on all three.
    EXPECT_TRUE(verdicts[0] && verdicts[1] && verdicts[2]) << verdicts[0] << verdicts[1] << verdicts[2];
}

// When every block of the list is block 0 multiplied by its element, the
// search below a start record of block g is the one below its record of block
// 0 multiplied by g, and is summarised once. Lists that only look so are
// checked start record by start record: rows past the six blocks that take
// part in the search, a cell outside the group in block 0 (whose products in
// the other blocks are only the multiplication's fallback), one cell of a
// later block changed.
TEST(ClosureCheck, OnlyAListOfBlocksMultipliedByTheGroupSharesItsSummaries)
{
    std::mt19937 rng(911);
    const ClosureMask mask = MaskFromOffsets({-2, -1, 0, 1, 2});
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        // Closed as laid out, so that the check reaches the later blocks.
        std::vector<Key> base = AllKeysOver({0, 1, 2}, 5, 2);
        if (round == 1) base[rng() % base.size()][1] = 7;
        LayTable(base, 5);
        const int32_t count = ttRecordCount, block = count / 6;
        if (round == 0) {
            // Two rows past the blocks, start records of block 6 that no level
            // after the first can take (a first cell 7), each otherwise a key of the table.
            ttRecordCount = count + 2;
            for (int32_t r = count; r < count + 2; ++r) {
                std::copy_n(ttKeys[rng() % uint32_t(count)], 5, ttKeys[r]);
                ttKeys[r][0] = 7;
            }
        }
        if (round == 2) ttKeys[3 * block + int32_t(rng() % block)][rng() % 5] ^= 1;
        BuildPermutedCopy(5);
        ClosureScope scope = GeneralClosureScope(mask, ttRecordCount, false);
        scope.resetCounts = round != 1;
        for (int32_t r = 0; r < ttRecordCount; ++r) ttHitCount[r] = int32_t(rng() % 3);
        ExpectIndexedMatchesScan(mask, scope);
    }
}

// The last level's lookups are answered once per block and reused while the
// blocks of the other levels stay the same; the permuted test also reads the
// reference cell, which a level before the last sets from a cell that is no
// block number. Here block 0 holds the key of zeros and the keys with one
// cell v among zeros: every placement composes the key of zeros, which passes
// only with reference cell 0. The search meets the same blocks first with
// reference 0, then with v from a record of the same block: that placement
// fails, and must not be answered as the one before it.
TEST(ClosureCheck, TheLastLevelsAnswersFollowTheReferenceCell)
{
    for (const std::vector<int>& offsets : {std::vector<int>{-3, -2, -1, 0, 1, 2}, std::vector<int>{-4, -3, -2, -1, 0, 1}})
        for (const uint8_t v : {uint8_t(4), uint8_t(1), uint8_t(5)}) {
            SCOPED_TRACE(testing::Message() << "centre at " << -offsets[0] << ", cell " << int(v));
            const ClosureMask mask = MaskFromOffsets(offsets);
            constexpr int32_t kBlock = 8;
            for (int32_t r = 0; r < 6 * kBlock; ++r)
                for (int p = 0; p < 6; ++p) ttKeys[r][p] = r < kBlock ? 0 : 5;   // blocks 1..5 never fit
            for (int p = 0; p < 6; ++p) ttKeys[1 + p][5 - p] = v;   // the cell v at each place
            ttRecordCount = 6 * kBlock;
            BuildPermutedCopy(6);
            ClosureScope scope = GeneralClosureScope(mask, ttRecordCount, true);
            const AgreedCheck agreed = ExpectIndexedMatchesScan(mask, scope);
            EXPECT_EQ(agreed.outcome.verdict, ClosureVerdict::PermutedMismatch);
            EXPECT_GT(agreed.outcome.placements, 1);   // passing placements came first
        }
}

// Tables whose search runs long enough to be summarised start record by
// start record: closed, then with one cell changed in the first, a middle or
// the last block (the search stops early, midway or late, and the counts,
// counters, last placement and progress up to there must be the scan's), with
// and without "/6", over ranges of start records, with counts kept from an
// earlier check.
TEST(ClosureCheck, SummarisedStartRecordsAgreeWithTheScanUpToTheFailure)
{
    std::mt19937 rng(777);
    for (const int n : {6, 7, 8, 9}) {
        std::vector<int> offsets;
        for (int p = 0; p < n; ++p) offsets.push_back(p - n / 2);
        if (n >= 8) offsets.back() = 5;   // a gap: not every level overlaps its neighbour alike
        const ClosureMask mask = MaskFromOffsets(offsets);
        for (int round = 0; round < 5; ++round) {
            SCOPED_TRACE(testing::Message() << n << " points, round " << round);
            std::vector<Key> base = AllKeysOver({0, 4}, n, CentreIndex(mask));
            if (n >= 8) base.resize(n == 8 ? 48 : 40);   // the scan tries every record at every level
            LayTable(base, n);
            const int32_t count = ttRecordCount, block = count / 6;
            if (round > 0) {
                const int32_t row = (round == 1 ? 0 : round == 2 ? 3 * block : 5 * block) + int32_t(rng() % block);
                ttKeys[row][rng() % n] ^= 1;
            }
            for (int32_t r = 0; r < count; ++r) ttHitCount[r] = int32_t(rng() % 4);
            BuildPermutedCopy(n);
            ClosureScope scope = GeneralClosureScope(mask, count, round % 2 == 1);
            scope.resetCounts = round != 3;
            if (round == 4) {
                scope.startFrom = block + 3;
                scope.startCount = count - 7;
            }
            const AgreedCheck agreed = ExpectIndexedMatchesScan(mask, scope);
            if (round == 0) {
                EXPECT_EQ(agreed.outcome.verdict, ClosureVerdict::Closed);
            }
        }
    }
}

} // namespace
