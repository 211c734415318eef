#include "Tables2dTestSupport.h"

#include "tables1d/GroupExtension.h"
#include "tables2d/ClosureCheck2d.h"

#include <array>
#include <numeric>

using namespace tabletest;

namespace {

// The closure mask of raw points (point 0 the centre), normalised as the mask
// editor does.
ClosureMask MaskOf(const std::vector<Mask2dPoint>& points)
{
    int32_t minX = 10000, minY = 10000;
    for (const Mask2dPoint& p : points) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
    }
    std::vector<Mask2dPoint> normalised;
    for (const Mask2dPoint& p : points) normalised.push_back({p.x - minX, p.y - minY});
    return ClosureMaskOf2d(int(points.size()), normalised.data(), minX, minY);
}

// The cross in its start-up order, then the extra points.
std::vector<Mask2dPoint> Cross(std::vector<Mask2dPoint> extra = {})
{
    std::vector<Mask2dPoint> points = {{0, 0}, {1, 0}, {0, 1}, {0, -1}, {-1, 0}};
    points.insert(points.end(), extra.begin(), extra.end());
    return points;
}

ClosureScope WholeScope(int k, int32_t startFrom, int32_t startCount, bool resetCounts)
{
    ClosureScope scope;
    scope.recordCount = ttRecordCount;
    scope.blockSize = BlockSize(ttRecordCount);
    scope.startFrom = startFrom;
    scope.startCount = startCount;
    scope.resetCounts = resetCounts;
    scope.progressLevel = k <= 5 ? 0 : k <= 7 ? 1 : k - 6;
    return scope;
}

ClosureOutcome ExpectBothAgree(const ClosureMask& mask, const ClosureScope& scope)
{
    BuildPermutedCopy(mask.pointCount);
    return ExpectIndexedMatchesScan(mask, scope).outcome;
}

// Four rounds on each cross with these extra points: round(k, mask, round,
// keys) with the keys of its k points over the cells 0 and 4, the key of
// zeros first.
template <class Round>
void ForEachCrossInFourRounds(const std::vector<std::vector<Mask2dPoint>>& extras, Round&& round)
{
    for (const auto& extra : extras) {
        const int k = 5 + int(extra.size());
        const ClosureMask mask = MaskOf(Cross(extra));
        for (int r = 0; r < 4; ++r) {
            SCOPED_TRACE(testing::Message() << k << " points, round " << r);
            round(k, mask, r, AllKeysOver({0, 4}, k, 0));
        }
    }
}

TEST(ClosureCheck2d, IndexedAndScanAgreeOnRandomMasksAndTablesWholeAndBroken)
{
    std::mt19937 rng(11052);
    const std::vector<std::vector<uint8_t>> alphabets = {{0, 4}, {0, 1, 2}, {0, 1}, {0, 1, 2, 3, 4, 5}};
    for (int k = 5; k <= 9; ++k) {
        int verdicts[3] = {};
        for (int round = 0; round < 6; ++round) {
            SCOPED_TRACE(testing::Message() << k << " points, round " << round);
            // Near extra points now and then coincide with the cross; far ones span beyond twelve cells.
            std::vector<Mask2dPoint> extra;
            const int reach = round % 3 == 0 ? 1 : 5;
            for (int m = 5; m < k; ++m)
                extra.push_back({int32_t(rng() % (2 * reach + 1)) - reach, int32_t(rng() % (2 * reach + 1)) - reach});
            const ClosureMask mask = MaskOf(Cross(extra));

            int32_t from = 0;
            if (round % 3 == 2) {
                // Every key over {0, 3}: placements complete, the conjugates by 4 are missing.
                LayTable(AllKeysOver({0, 3}, k, 0), k);
                from = k == 5 ? 0 : 1;
            } else {
                // A few keys, their conjugates by 4 and the key of zeros: some placements complete.
                std::vector<Key> base = RandomBase(rng, alphabets[(round + k) % alphabets.size()], k, 0, 24, true);
                base.push_back(Key{});
                LayTable(base, k);
                if (round % 3 == 1) {
                    // Rows past the six blocks holding zeros; one cell changed every other round.
                    const int32_t count = ttRecordCount;
                    ttRecordCount = count + 2;
                    std::fill_n(ttKeys[count], k, 0);
                    std::fill_n(ttKeys[count + 1], k, 0);
                    if (round % 2) ttKeys[rng() % count][rng() % k] = uint8_t(rng() % 6);
                }
            }
            const int32_t count = ttRecordCount;
            for (int32_t r = 0; r < count; ++r) ttHitCount[r] = int32_t(rng() % 3);

            // Five points start from every record; the others from a range, now and then past the list.
            int32_t to = round % 2 ? BlockSize(count) : count;
            if (k > 5 && round == 3) {
                from = int32_t(rng() % count);
                to = count + 3;
            }
            ++verdicts[int(ExpectBothAgree(mask, WholeScope(k, from, to, k == 5 || round % 2 == 0)).verdict)];
        }
        // Every verdict reached, so agreement was tested on all three.
        EXPECT_TRUE(verdicts[0] && verdicts[1] && verdicts[2])
            << k << " points: " << verdicts[0] << " " << verdicts[1] << " " << verdicts[2];
    }
}

TEST(ClosureCheck2d, AHandMadeClosedTablePassesAndAChangedKeyFailsWithItsVerdict)
{
    const ClosureMask mask = MaskOf(Cross({{1, 1}}));
    const std::vector<Key> base = table2dtest::KeysWithEqualCells24({0, 4});
    LayTable(base, 6);
    const int32_t n = ttRecordCount;
    const ClosureOutcome outcome = ExpectBothAgree(mask, WholeScope(6, 0, n, true));
    EXPECT_EQ(outcome.verdict, ClosureVerdict::Closed);
    EXPECT_GT(outcome.placements, 1000);
    EXPECT_EQ(std::accumulate(ttHitCount, ttHitCount + n, int64_t(0)), outcome.placements);

    // Record 1 of block 1 exchanged with record 1 of block 2: a composed key names a block no record has.
    const int32_t block = n / 6;
    std::swap_ranges(ttKeys[block + 1], ttKeys[block + 1] + 6, ttKeys[2 * block + 1]);
    EXPECT_EQ(ExpectBothAgree(mask, WholeScope(6, 0, n, true)).verdict, ClosureVerdict::Unlocked);

    LayTable(table2dtest::KeysWithEqualCells24({0, 3}), 6);
    EXPECT_EQ(ExpectBothAgree(mask, WholeScope(6, 0, n, true)).verdict, ClosureVerdict::PermutedMismatch);
}

TEST(ClosureCheck2d, ChecksInPiecesAddUpToTheWholeCheck)
{
    std::mt19937 rng(5);
    const ClosureMask mask = MaskOf(Cross({{1, 1}, {-1, -1}}));
    LayTable(RandomBase(rng, {0, 4}, 7, 0, 40, true), 7);
    const int32_t n = ttRecordCount;
    BuildPermutedCopy(7);
    ASSERT_EQ(RunClosureCheck(mask, WholeScope(7, 0, n, true)).verdict, ClosureVerdict::Closed);
    const std::vector<int32_t> whole(ttHitCount, ttHitCount + n);
    ASSERT_GT(std::accumulate(whole.begin(), whole.end(), int64_t(0)), 0);

    // The pieces walked, and summarised from their first start record.
    for (const int64_t walk : {int64_t(100000), int64_t(0)}) {
        const auto piece = [&](int32_t from, int32_t to, bool reset) {
            ClosureScope scope = WholeScope(7, from, to, reset);
            scope.walkBeforeSummarising = walk;
            RunClosureCheck(mask, scope);
        };
        piece(0, 50, true);
        piece(50, 50, false);   // an empty piece changes nothing
        piece(50, n, false);
        EXPECT_EQ(std::vector<int32_t>(ttHitCount, ttHitCount + n), whole);
    }
}

TEST(ClosureCheck2d, StartRowsPastTheListEndTheCheckAtTheirFirstPlacement)
{
    // Row N, past the list, holds a key of the table; its block number 6 is no key cell.
    LayTable(AllKeysOver({0, 4}, 5, 0), 5);
    const int32_t n = ttRecordCount;
    std::copy_n(ttKeys[0], 5, ttKeys[n]);
    const ClosureOutcome outcome = ExpectBothAgree(MaskOf(Cross()), WholeScope(5, n - 1, n + 1, true));
    EXPECT_EQ(outcome.verdict, ClosureVerdict::Unlocked);
    EXPECT_EQ(outcome.lastPlacement[0], n);
    EXPECT_EQ(ttProbeKey[0], 6);
}

// Tables whose cells stay within 0..3 or 0..1, worked out by hand: every row
// of block b holds the value v_b in all five cells. From a row of value v only
// rows of value v fit, so with v unique to the start's block every placement
// composes the key of that block's number s, found first in the block of value
// s; its permuted row (the substitution of that block applied to s's key) must
// come first in the block of the reference cell v.
TEST(ClosureCheck2d, TablesOfSmallCellsPassAsWorkedOutByHand)
{
    struct Layout {
        std::array<uint8_t, 6> values;   // v_0 .. v_5
        int32_t startBlock;              // its value and the number of the block found
        int32_t foundBlock;
    };
    // Block 0 of 3s: key 0 found in block 1 (0s); permuted 0s come first in block 3 (1s, substituted 1 -> 0).
    // Block 1 of 1s: key 1 found in block 1 itself; permuted 1s come first in block 1 (1 -> 1).
    for (const Layout& t : {Layout{{3, 0, 2, 1, 2, 1}, 0, 1}, Layout{{0, 1, 0, 0, 0, 0}, 1, 1}}) {
        SCOPED_TRACE(int(t.values[0]));
        constexpr int32_t kBlock = 6;
        for (int32_t r = 0; r < 6 * kBlock; ++r) std::fill_n(ttKeys[r], 5, t.values[size_t(r / kBlock)]);
        ttRecordCount = 6 * kBlock;
        const ClosureOutcome outcome =
            ExpectBothAgree(MaskOf(Cross()), WholeScope(5, t.startBlock * kBlock, (t.startBlock + 1) * kBlock, true));
        EXPECT_EQ(outcome.verdict, ClosureVerdict::Closed);
        EXPECT_EQ(outcome.placements, kBlock * kBlock * kBlock * kBlock * kBlock);
        EXPECT_EQ(ttHitCount[t.foundBlock * kBlock], outcome.placements);
        EXPECT_EQ(lastFoundIndex, t.foundBlock * kBlock);
    }
}

// Rows past the list hold what earlier lists left there: keys of the table,
// keys with a cell changed, stray bytes. A start row without a complete
// placement only adds its counters and progress; the first with one ends the
// check, normally with "IS UNLOCKED" (its block number is no key cell). The
// engine counts such rows and walks them to their first complete placement;
// each way it takes them gives the scan's outcome.
TEST(ClosureCheck2d, RangesPastTheListAgreeWithTheScanWhateverItsRowsHold)
{
    std::mt19937 rng(2807);
    const std::vector<std::vector<Mask2dPoint>> extras = {
        {{0, 3}}, {{1, 1}, {0, 2}}, {{2, 1}, {-1, 2}, {0, 3}}, {{1, 1}, {-1, -1}, {2, 0}, {0, -2}}};
    int dead = 0, live = 0;
    ForEachCrossInFourRounds(extras, [&](int k, const ClosureMask& mask, int round, std::vector<Key> base) {
        std::shuffle(base.begin() + 1, base.end(), rng);   // the key of zeros stays first
        base.resize(std::min<size_t>(base.size(), 14));
        LayTable(base, k);
        const int32_t n = ttRecordCount;
        // Rows past the list: keys of the table with a cell changed, stray
        // cells, and now and then a key of the table; zeros after them.
        constexpr int32_t kStale = 60;
        for (int32_t r = n; r < kTableCapacity; ++r) {
            const Key& key = base[rng() % base.size()];
            const uint32_t kind = r < n + kStale ? rng() % 12 : 12;
            for (int p = 0; p < k; ++p)
                ttKeys[r][p] = kind == 0 ? key[size_t(p)] : kind < 8 ? uint8_t(GroupProduct(kind % 6, key[size_t(p)]))
                             : kind < 11 ? uint8_t(rng() % 6) : kind == 11 ? uint8_t(rng() % 256) : 0;
            if (kind > 0 && kind < 8) ttKeys[r][rng() % uint32_t(k)] = uint8_t(rng() % 6);
        }
        if (round == 3) {
            // A stray key cell naming the block of the rows past the list: the
            // first composed key of row N is found, and the permuted copy ends the check.
            std::fill_n(ttKeys[n - 1], k, 0);
            ttKeys[n - 1][0] = uint8_t(n / BlockSize(n));
            std::fill_n(ttKeys[n], k, 0);
        }
        for (int32_t r = 0; r < n; ++r) ttHitCount[r] = int32_t(rng() % 3);
        const int32_t from = round == 0 ? n - 3 : n + int32_t(rng() % 8);
        const ClosureOutcome outcome =
            ExpectBothAgree(mask, WholeScope(k, round == 3 ? n : from, round == 1 ? kTableCapacity : n + kStale, false));
        const int64_t started = outcome.levelEntries[0];
        dead += int(started - (outcome.verdict == ClosureVerdict::Closed ? 0 : 1));
        live += outcome.verdict != ClosureVerdict::Closed;
    });
    // Rows without a complete placement were passed, and rows with one stopped the check.
    EXPECT_GT(dead, 20);
    EXPECT_GT(live, 8);
}

// Closed tables of five to nine points whose search is summarised start
// record by start record, whole and with one cell changed early, midway or
// late, with "/6", ranges past the list and counts kept from earlier pieces.
TEST(ClosureCheck2d, SummarisedStartRecordsAgreeWithTheScanUpToTheFailure)
{
    std::mt19937 rng(4242);
    const std::vector<std::vector<Mask2dPoint>> extras = {
        {}, {{1, 1}}, {{1, 1}, {-1, -1}}, {{2, 0}, {0, 2}, {1, 1}}, {{1, 1}, {-1, -1}, {2, 0}, {-2, 0}}};
    ForEachCrossInFourRounds(extras, [&](int k, const ClosureMask& mask, int round, std::vector<Key> base) {
        std::shuffle(base.begin(), base.end(), rng);
        base.resize(std::min<size_t>(base.size(), k == 6 ? 20 : 16));
        for (Key& key : std::vector<Key>(base)) {   // with their conjugates by 4, so that keys close up
            Key conjugate{};
            for (int p = 0; p < k; ++p) conjugate[p] = uint8_t(GroupProduct(GroupProduct(4, key[p]), 4));
            if (std::find(base.begin(), base.end(), conjugate) == base.end()) base.push_back(conjugate);
        }
        LayTable(base, k);
        const int32_t count = ttRecordCount, block = count / 6;
        if (round > 0) ttKeys[(round - 1) * 2 * block + int32_t(rng() % block)][rng() % k] ^= 1;
        for (int32_t r = 0; r < count; ++r) ttHitCount[r] = int32_t(rng() % 3);
        const int32_t from = round == 3 ? int32_t(rng() % block) : 0;
        const int32_t to = round == 2 ? block : round == 3 ? count + 2 : count;
        ExpectBothAgree(mask, WholeScope(k, from, to, k == 5 || round != 3));
    });
}

TEST(ClosureCheck2d, ExtensionOfFivePointKeysMatchesTheScan)
{
    std::mt19937 rng(99);
    LayTable(RandomBase(rng, {0, 1, 2, 3, 4, 5}, 5, 0, 60, false), 5);
    ttRecordCount += 3;   // rows beyond the blocks take part as well
    std::vector<int32_t> start(static_cast<size_t>(ttRecordCount));
    for (auto& c : start) c = int32_t(rng() % 50);
    std::copy(start.begin(), start.end(), ttHitCount);
    ASSERT_TRUE(ExtendHitCounts2dByScan(5));
    const std::vector<int32_t> scanned(ttHitCount, ttHitCount + ttRecordCount);
    const std::vector<uint8_t> scanQuotient(quotientKey, quotientKey + 5);
    std::copy(start.begin(), start.end(), ttHitCount);
    ASSERT_TRUE(ExtendHitCounts2d(5));
    EXPECT_EQ(std::vector<int32_t>(ttHitCount, ttHitCount + ttRecordCount), scanned);
    EXPECT_EQ(std::vector<uint8_t>(quotientKey, quotientKey + 5), scanQuotient);
    EXPECT_NE(scanned, start);

    EXPECT_FALSE(ExtendHitCounts2d(4) || ExtendHitCounts2d(10));
    EXPECT_EQ(std::vector<int32_t>(ttHitCount, ttHitCount + ttRecordCount), scanned);
}

} // namespace
