// The closure checks of the fixed masks on the shared engine: each form's
// fixed range, block size and reference cell, the three-point reporting rule,
// and agreement with the scan as first written on random tables.
#include "TableTestSupport.h"
#include "tables1d/FixedMaskChecks.h"

#include <numeric>

using namespace tabletest;

namespace {

AgreedCheck ExpectBothAgree(const FixedClosureCheck& check)
{
    return ExpectIndexedMatchesScan(check.mask, check.scope);
}

struct Form {
    FixedClosureCheck check;
    int centre;   // index of the centre cell in a key
};

std::vector<Form> AllForms()
{
    return {{FixedCheckOfMask11(), 1}, {FixedCheckOfMask31(), 2}, {FixedCheckOfMask53(), 2}, {FixedCheckOfMask73(), 3}};
}

void LayPadded(const Form& form)
{
    LayPaddedClosedTable(form.check.mask.pointCount, form.centre, form.check.scope.blockSize);
}

TEST(FixedMaskCheck, AClosedTablePassesAndABrokenOneStopsWithItsVerdict)
{
    for (const Form& form : AllForms()) {
        const int n = form.check.mask.pointCount;
        SCOPED_TRACE(n);
        LayPadded(form);
        BuildPermutedCopy(n);
        const AgreedCheck closed = ExpectBothAgree(form.check);
        EXPECT_EQ(closed.outcome.verdict, ClosureVerdict::Closed);
        EXPECT_GT(closed.outcome.placements, 0);
        EXPECT_EQ(std::accumulate(ttHitCount, ttHitCount + ttRecordCount, int64_t(0)), closed.outcome.placements);
        EXPECT_EQ(closed.last.records[0], ttRecordCount - 1);   // the status bar ends at the last start record

        // A record of block 1 and one of block 2 exchanged: a composed key goes missing.
        const int32_t block = form.check.scope.blockSize;
        std::swap_ranges(ttKeys[block + 1], ttKeys[block + 1] + n, ttKeys[2 * block + 1]);
        BuildPermutedCopy(n);
        EXPECT_EQ(ExpectBothAgree(form.check).outcome.verdict, ClosureVerdict::Unlocked);

        // The permuted copy of block 0 filed under block 1: the copy disagrees.
        LayPadded(form);
        BuildPermutedCopy(n);
        for (int32_t r = 0; r < block; ++r)
            std::swap_ranges(ttKeysPermuted[r], ttKeysPermuted[r] + n, ttKeysPermuted[block + r]);
        const ClosureOutcome outcome = ExpectBothAgree(form.check).outcome;
        EXPECT_EQ(outcome.verdict, ClosureVerdict::PermutedMismatch);
        if (n == 3) {
            // Three points report the disagreement only for a reference cell 0.
            EXPECT_EQ(ttKeys[outcome.lastPlacement[0]][2], 0);
            EXPECT_GT(outcome.placements, 1);
        } else {
            EXPECT_EQ(outcome.placements, 1);
        }
    }
}

TEST(FixedMaskCheck, TheFixedRangeIsScannedWhateverTheListHolds)
{
    const Form form = AllForms()[3];   // (7,3): 594 records
    LayPadded(form);
    BuildPermutedCopy(6);
    ttRecordCount = 600;
    for (int32_t r = 594; r < 600; ++r) std::fill(ttKeys[r], ttKeys[r] + 6, uint8_t(5));
    std::fill(std::begin(ttHitCount), std::end(ttHitCount), 77);
    EXPECT_EQ(ExpectBothAgree(form.check).outcome.verdict, ClosureVerdict::Closed);
    for (int32_t r = 594; r < 600; ++r) EXPECT_EQ(ttHitCount[r], 77);   // never placed, counted or reset

    // A shorter list: the rows after it, left from the longer table, are placed all the same.
    ttRecordCount = 12;
    EXPECT_EQ(ExpectBothAgree(form.check).outcome.verdict, ClosureVerdict::Closed);
    EXPECT_GT(std::accumulate(ttHitCount + 99, ttHitCount + 594, int64_t(0)), 0);
}

TEST(FixedMaskCheck, IndexedAndScanAgreeOnRandomTablesWithOldRows)
{
    std::mt19937 rng(7031);
    const std::vector<std::vector<uint8_t>> alphabets = {{0, 1, 2}, {0, 4}, {0, 3}, {0, 1, 2, 3, 4, 5}};
    int verdicts[3] = {};
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE(round);
        const Form form = AllForms()[size_t(round) % 4];
        const int n = form.check.mask.pointCount;
        const int32_t range = form.check.scope.recordCount;
        // Old rows of random keys over the whole range, then a table laid over their start.
        for (int32_t r = 0; r < range + 6; ++r)
            for (int p = 0; p < n; ++p) ttKeys[r][p] = ttKeysPermuted[r][p] = uint8_t(rng() % 6);
        const std::vector<uint8_t>& alphabet = alphabets[size_t(round / 4) % alphabets.size()];
        std::vector<Key> base = RandomBase(rng, alphabet, n, form.centre, form.check.scope.blockSize, round % 3 != 0);
        if (round % 2 == 0) base.resize(std::min<size_t>(base.size(), size_t(form.check.scope.blockSize / 2)));
        LayTable(base, n);
        BuildPermutedCopy(n);
        if (round % 5 == 1) ttKeys[rng() % ttRecordCount][rng() % n] = uint8_t(rng() % 6);
        ++verdicts[int(ExpectBothAgree(form.check).outcome.verdict)];
    }
    EXPECT_TRUE(verdicts[0] && verdicts[1] && verdicts[2]) << verdicts[0] << verdicts[1] << verdicts[2];
}

} // namespace
