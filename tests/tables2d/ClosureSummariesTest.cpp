// The summaries below a start record against the placements themselves,
// enumerated here by brute force: every composed key with its reference cell
// and its number of placements, and the placements of the first levels, for
// both plans, on one- and two-dimensional masks (two points sharing a cell
// included) and on tables with rows of cells outside the group.
#include "../tables1d/TableTestSupport.h"
#include "tables1d/ClosureSummaries.h"
#include "tables2d/ClosureCheck2d.h"

#include <map>

using namespace tabletest;

namespace {

using KeyAndReference = std::pair<std::vector<int32_t>, int32_t>;

struct Enumerated {
    std::map<KeyAndReference, int64_t> keys;
    std::vector<int64_t> fitting;   // placements of levels 0..L
};

// Every placement below `start`, tried as the check defines it: the start's
// cells written plainly, every later record agreeing with every cell set.
Enumerated Enumerate(const ClosureMask& mask, const ClosureScope& scope, int32_t start)
{
    const int n = mask.pointCount;
    std::vector<std::vector<int32_t>> grid(size_t(n), std::vector<int32_t>(size_t(ClosureRegionSize(mask)), -1));
    for (int p = 0; p < n; ++p) grid[0][size_t(mask.positions[0] + mask.positions[p])] = ttKeys[start][p];
    Enumerated result;
    result.fitting.assign(size_t(n), 0);
    result.fitting[0] = 1;
    std::vector<int32_t> records(size_t(n), start);
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
            records[size_t(level)] = r;
            place(level + 1);
        }
    };
    if (n > 1) place(1);
    else ++result.keys[{{start / scope.blockSize}, -1}];
    return result;
}

void ExpectSummariesMatch(const ClosureMask& mask, const ClosureScope& scope, int32_t start)
{
    const Enumerated expected = Enumerate(mask, scope, start);
    for (const auto plan : {ClosureSummaries::Plan::FewestOpenCells, ClosureSummaries::Plan::SmallestBoundaries}) {
        SCOPED_TRACE(testing::Message() << "start " << start << ", plan " << int(plan));
        ClosureSummaries summaries(mask, scope, plan);
        ASSERT_TRUE(summaries.usable());
        std::map<KeyAndReference, int64_t> found;
        for (const ClosureSummaries::Entry& e : summaries.startKeys(start)) {
            const RecordKeyIndex::PackedKey packed = summaries.composedKey(e.key);
            std::vector<int32_t> key;
            for (int l = 0; l < mask.pointCount; ++l)
                key.push_back(int32_t(((l < 8 ? packed.low : packed.high) >> (8 * (l % 8))) & 0xff));
            EXPECT_EQ(found.count({key, summaries.referenceCell(e.key)}), 0u);   // each key once
            found[{key, summaries.referenceCell(e.key)}] = e.count;
        }
        EXPECT_EQ(found, expected.keys);
        for (int level = 1; level + 1 < mask.pointCount; ++level)
            EXPECT_EQ(summaries.fittingPlacements(level), expected.fitting[size_t(level)]) << "level " << level;
        int64_t total = 0;
        for (const auto& [key, count] : expected.keys) total += count;
        std::vector<int32_t> grid(size_t(ClosureRegionSize(mask)), -1);
        for (int p = 0; p < mask.pointCount; ++p)
            grid[size_t(mask.positions[0] + mask.positions[p])] = ttKeys[start][p];
        EXPECT_EQ(summaries.completions(1, grid.data()), total);
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
        for (int s = 0; s < 3; ++s) ExpectSummariesMatch(mask, ScopeOfList(), int32_t(rng() % ttRecordCount));
    }
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
