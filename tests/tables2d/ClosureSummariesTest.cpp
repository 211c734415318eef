// The summaries below a start record against the placements themselves,
// enumerated here by brute force: every composed key with its reference cell
// and its number of placements, and the placements of the first levels, for
// both plans, on one- and two-dimensional masks (two points sharing a cell
// included) and on tables with rows of cells outside the group.
#include "../tables1d/TableTestSupport.h"
#include "tables1d/ClosureSummaries.h"
#include "tables2d/ClosureCheck2d.h"

#include <chrono>
#include <functional>
#include <map>
#include <span>

using namespace tabletest;

namespace {

using KeyAndReference = std::pair<std::vector<int32_t>, int32_t>;

struct Enumerated {
    std::map<KeyAndReference, int64_t> keys;
    std::vector<int64_t> fitting;   // placements of levels 0..L (below the prefix: of the levels after it)
    std::vector<int32_t> firstOfLevel1;   // records of level 1 that fit, ascending
};

// Every placement below a placement of the first levels (prefix[0] the start,
// which may be any row), tried as the check defines it: the start's cells
// written plainly, every later record agreeing with every cell set. Empty
// when the prefix itself does not fit.
Enumerated Enumerate(const ClosureMask& mask, const ClosureScope& scope, const std::vector<int32_t>& prefix)
{
    const int n = mask.pointCount;
    std::vector<std::vector<int32_t>> grid(size_t(n), std::vector<int32_t>(size_t(ClosureRegionSize(mask)), -1));
    for (int p = 0; p < n; ++p) grid[0][size_t(mask.positions[0] + mask.positions[p])] = ttKeys[prefix[0]][p];
    Enumerated result;
    result.fitting.assign(size_t(n), 0);
    result.fitting[0] = 1;
    std::vector<int32_t> records(size_t(n), prefix[0]);
    const int depth = int(prefix.size());
    std::function<void(int)> place = [&](int level) {
        if (level == n) {
            std::vector<int32_t> key;
            for (int32_t r : records) key.push_back(r / scope.blockSize);
            const int32_t reach = mask.doubleLeftReach;
            const int32_t reference = reach >= 0 && reach < int32_t(grid[0].size()) ? grid[size_t(n - 1)][size_t(reach)] : -1;
            ++result.keys[{key, reference}];
            return;
        }
        for (int32_t r = 0; r < scope.recordCount; ++r) {
            if (level < depth && r != prefix[size_t(level)]) continue;
            grid[size_t(level)] = grid[size_t(level) - 1];
            bool fits = true;
            for (int p = 0; p < n && fits; ++p) {
                int32_t& cell = grid[size_t(level)][size_t(mask.positions[level] + mask.positions[p])];
                if (cell == -1)
                    cell = ttKeys[r][p];
                else
                    fits = cell == ttKeys[r][p];
            }
            if (!fits) continue;
            ++result.fitting[size_t(level)];
            if (level == 1) result.firstOfLevel1.push_back(r);
            records[size_t(level)] = r;
            place(level + 1);
        }
    };
    if (n > 1) place(1);
    else ++result.keys[{{prefix[0] / scope.blockSize}, -1}];
    return result;
}

// The cells a placement of the prefix's levels leaves in the region.
std::vector<int32_t> GridOf(const ClosureMask& mask, const std::vector<int32_t>& prefix)
{
    std::vector<int32_t> grid(size_t(ClosureRegionSize(mask)), -1);
    for (size_t level = 0; level < prefix.size(); ++level)
        for (int p = 0; p < mask.pointCount; ++p) {
            int32_t& cell = grid[size_t(mask.positions[level] + mask.positions[p])];
            if (level == 0 || cell == -1) cell = ttKeys[prefix[level]][p];
        }
    return grid;
}

std::map<KeyAndReference, int64_t> Unpacked(const ClosureSummaries& summaries, std::span<const ClosureSummaries::Entry> entries,
                                            int n)
{
    std::map<KeyAndReference, int64_t> found;
    for (const ClosureSummaries::Entry& e : entries) {
        const RecordKeyIndex::PackedKey packed = summaries.composedKey(e.key);
        std::vector<int32_t> key;
        for (int l = 0; l < n; ++l) key.push_back(int32_t(((l < 8 ? packed.low : packed.high) >> (8 * (l % 8))) & 0xff));
        EXPECT_EQ(found.count({key, summaries.referenceCell(e.key)}), 0u);   // each key once
        found[{key, summaries.referenceCell(e.key)}] = e.count;
    }
    return found;
}

// The summaries below `start`, and below its last record of level 1 that
// fits, against the enumeration; the placements of the first levels below a
// row past the list (any cells) too.
void ExpectSummariesMatch(const ClosureMask& mask, const ClosureScope& scope, int32_t start, int32_t pastRow = -1)
{
    const int n = mask.pointCount;
    const Enumerated expected = Enumerate(mask, scope, {start});
    for (const auto plan : {ClosureSummaries::Plan::FewestOpenCells, ClosureSummaries::Plan::SmallestBoundaries}) {
        SCOPED_TRACE(testing::Message() << "start " << start << ", plan " << int(plan));
        ClosureSummaries summaries(mask, scope, plan);
        ASSERT_TRUE(summaries.usable());
        EXPECT_EQ(Unpacked(summaries, summaries.startKeys(start), n), expected.keys);
        for (int level = 1; level < n; ++level)
            EXPECT_EQ(summaries.fittingPlacements(level), expected.fitting[size_t(level)]) << "level " << level;
        int64_t total = 0;
        for (const auto& [key, count] : expected.keys) total += count;
        EXPECT_EQ(summaries.completions(1, GridOf(mask, {start}).data()), total);

        if (!expected.firstOfLevel1.empty() && n > 2) {
            const std::vector<int32_t> prefix = {start, expected.firstOfLevel1.back()};
            const Enumerated below = Enumerate(mask, scope, prefix);
            const std::vector<int32_t> grid = GridOf(mask, prefix);
            EXPECT_EQ(Unpacked(summaries, summaries.keysBelow(2, grid.data(), prefix.data()), n), below.keys);
            for (int level = 2; level < n; ++level)
                EXPECT_EQ(summaries.placementsBelow(2, level, grid.data()), below.fitting[size_t(level)]) << "level " << level;
        }
        if (pastRow >= 0) {
            const Enumerated past = Enumerate(mask, scope, {pastRow});
            summaries.placeStart(pastRow);
            for (int level = 1; level < n; ++level)
                EXPECT_EQ(summaries.fittingPlacements(level), past.fitting[size_t(level)]) << "row past the list, level " << level;
        }
    }
}

ClosureScope ScopeOfList()
{
    ClosureScope scope;
    scope.recordCount = ttRecordCount;
    scope.blockSize = std::max(1, BlockSize(ttRecordCount));
    scope.startCount = ttRecordCount;
    return scope;
}

// A random table: a few base keys over a small alphabet with their
// conjugates, multiplied by the group; now and then a changed cell and rows
// past the blocks, one of cells outside the group.
void LayRandomTable(std::mt19937& rng, int n, int centre, int wanted)
{
    static const std::vector<std::vector<uint8_t>> alphabets = {{0, 4}, {0, 1, 2}, {0, 1}, {0, 3}};
    std::vector<Key> base = RandomBase(rng, alphabets[rng() % alphabets.size()], n, centre, wanted, rng() % 2 == 0);
    base.push_back(Key{});
    LayTable(base, n);
    if (rng() % 2) ttKeys[rng() % ttRecordCount][rng() % n] = uint8_t(rng() % 6);
    if (rng() % 2) {
        const int32_t count = ttRecordCount;
        ttRecordCount = count + 2;
        std::copy_n(ttKeys[rng() % count], n, ttKeys[count]);
        for (int p = 0; p < n; ++p) ttKeys[count + 1][p] = uint8_t(rng() % 2 ? 0 : 200 + p);
    }
}

TEST(ClosureSummaries, OneDimensionalMasksGiveTheKeysAndCountsOfTheirPlacements)
{
    std::mt19937 rng(3107);
    for (int round = 0; round < 12; ++round) {
        const int n = 3 + round % 7;
        SCOPED_TRACE(testing::Message() << n << " points, round " << round);
        std::vector<int> offsets = {0, -4, -3, -2, -1, 1, 2, 3, 4, -6, 6};
        std::shuffle(offsets.begin() + 1, offsets.end(), rng);
        offsets.resize(size_t(n));
        const ClosureMask mask = MaskFromOffsets(offsets);
        LayRandomTable(rng, n, CentreIndex(mask), 6 + int(rng() % 10));
        for (int k = 0; k < 3; ++k) ExpectSummariesMatch(mask, ScopeOfList(), int32_t(rng() % ttRecordCount));
    }
}

TEST(ClosureSummaries, TwoDimensionalMasksGiveTheKeysAndCountsOfTheirPlacements)
{
    std::mt19937 rng(9931);
    for (int round = 0; round < 15; ++round) {
        const int k = 5 + round % 5;
        SCOPED_TRACE(testing::Message() << k << " points, round " << round);
        // The cross and extra points near it: some coincide with the cross or each other.
        std::vector<Mask2dPoint> points = {{0, 0}, {1, 0}, {0, 1}, {0, -1}, {-1, 0}};
        const int reach = round % 3 == 0 ? 1 : 2;
        for (int m = 5; m < k; ++m)
            points.push_back({int32_t(rng() % (2 * reach + 1)) - reach, int32_t(rng() % (2 * reach + 1)) - reach});
        int32_t minX = 0, minY = 0;
        for (const Mask2dPoint& p : points) {
            minX = std::min(minX, p.x);
            minY = std::min(minY, p.y);
        }
        std::vector<Mask2dPoint> normalised;
        for (const Mask2dPoint& p : points) normalised.push_back({p.x - minX, p.y - minY});
        const ClosureMask mask = ClosureMaskOf2d(k, normalised.data(), minX, minY);
        LayRandomTable(rng, k, 0, 4 + int(rng() % 8));
        // A row past the list: a key of it with stray cells.
        const int32_t past = ttRecordCount + 3;
        std::copy_n(ttKeys[rng() % ttRecordCount], k, ttKeys[past]);
        ttKeys[past][rng() % k] = uint8_t(rng() % 3 == 0 ? 200 : rng() % 6);
        for (int s = 0; s < 3; ++s) ExpectSummariesMatch(mask, ScopeOfList(), int32_t(rng() % ttRecordCount), past);
    }
}

// The reference cell is packed beside the block numbers in a field just wide
// enough for the largest cell of the list plus one (0 marks none). Lists whose
// cells stay within 0..1, 0..3 or 0..7 fill that field to its top: their
// reference cells must come back whole.
TEST(ClosureSummaries, TheReferenceCellComesBackWholeWhateverTheLargestCell)
{
    std::mt19937 rng(1313);
    const ClosureMask cross = ClosureMaskOf2d(5, std::vector<Mask2dPoint>{{1, 1}, {2, 1}, {1, 2}, {1, 0}, {0, 1}}.data(), -1, -1);
    const ClosureMask line = MaskFromOffsets({-2, -1, 0, 1, 2});
    for (const int largest : {1, 2, 3, 7}) {
        for (const bool flat : {false, true}) {
            SCOPED_TRACE(testing::Message() << "cells 0.." << largest << (flat ? ", one dimension" : ", the cross"));
            const ClosureMask& mask = flat ? line : cross;
            // Rows of cells 0..largest, half of them the largest, so that placements are many.
            ttRecordCount = 36;
            for (int32_t r = 0; r < ttRecordCount; ++r)
                for (int p = 0; p < kTableKeyBytes; ++p)
                    ttKeys[r][p] = uint8_t(rng() % 2 ? largest : int(rng() % uint32_t(largest + 1)));
            int32_t start = 0;
            while (ttKeys[start][0] != largest || Enumerate(mask, ScopeOfList(), {start}).keys.empty()) ++start;
            bool referenceLargest = false;
            for (const auto& [key, count] : Enumerate(mask, ScopeOfList(), {start}).keys)
                referenceLargest = referenceLargest || key.second == largest;
            ASSERT_TRUE(referenceLargest);
            ExpectSummariesMatch(mask, ScopeOfList(), start);
        }
    }
}

// A summary given up at its deadline keeps only the groups it finished: asked
// again and again past the deadline, it gets a little further each time, and
// once it finishes its keys and counts are those of a summary never stopped.
TEST(ClosureSummaries, ASummaryGivenUpAtItsDeadlineLeavesNothingHalfMade)
{
    // Far apart points: the records of most levels meet in few cells, so the
    // summaries are many.
    const ClosureMask mask = MaskFromOffsets({-9, -5, -2, 0, 1, 4, 8, 11});
    LayTable(AllKeysOver({0, 4}, 8, CentreIndex(mask)), 8);
    const ClosureScope scope = ScopeOfList();
    ClosureSummaries whole(mask, scope);
    ClosureSummaries stopped(mask, scope);
    stopped.setDeadline(ClosureSummaries::Clock::now() - std::chrono::seconds(1));
    int tries = 0;
    for (const int32_t start : {5, 77, 200}) {
        std::span<const ClosureSummaries::Entry> keys;
        do {
            keys = stopped.startKeys(start);
            if (stopped.abandoned()) {
                EXPECT_TRUE(keys.empty());
            }
            ++tries;
        } while (stopped.abandoned() && tries < 100000);
        ASSERT_FALSE(stopped.abandoned());
        const auto found = Unpacked(stopped, keys, 8);
        EXPECT_EQ(found, Unpacked(whole, whole.startKeys(start), 8)) << "start " << start;
        for (int level = 1; level < 8; ++level) {
            int64_t counted;
            while ((counted = stopped.fittingPlacements(level)) == 0 && stopped.abandoned()) ++tries;
            EXPECT_EQ(counted, whole.fittingPlacements(level)) << "start " << start << ", level " << level;
        }
    }
    EXPECT_GT(tries, 10);   // given up many times on the way
}

TEST(ClosureSummaries, KeysThatDoNotPackAreRefused)
{
    // Blocks of one record: block numbers up to 299 need more than a byte.
    LayTable(AllKeysOver({0, 4}, 6, 2), 6);
    ttRecordCount = 300;
    const ClosureMask mask = MaskFromOffsets({-2, -1, 0, 1, 2, 3});
    ClosureScope scope = ScopeOfList();
    scope.blockSize = 1;
    EXPECT_FALSE(ClosureSummaries(mask, scope).usable());
    scope.blockSize = 50;
    EXPECT_TRUE(ClosureSummaries(mask, scope).usable());
}

} // namespace
