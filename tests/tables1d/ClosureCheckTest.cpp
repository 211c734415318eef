#include "TableTestSupport.h"

#include <numeric>

using namespace tabletest;

namespace {

// The general check by scan and indexed on the list as it is, and over its
// scope summarised from the first start record or from one whose walk the
// engine breaks off.
AgreedCheck ExpectBothAgree(const ClosureMask& mask, bool firstBlockOnly)
{
    BuildPermutedCopy(mask.pointCount);
    ClosureScope summarised = GeneralClosureScope(mask, ttRecordCount, firstBlockOnly);
    return ExpectEnginesMatchScan(
        [&](int form, const ClosureProgressCallback& progress) {
            summarised.walkBeforeSummarising = form == 2 ? 0 : 97;   // from the first, or from one broken off
            return form == 0   ? RunClosureCheckByScan(mask, firstBlockOnly, progress)
                   : form == 1 ? RunClosureCheck(mask, firstBlockOnly, progress)
                               : RunClosureCheck(mask, summarised, progress);
        },
        3);
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
