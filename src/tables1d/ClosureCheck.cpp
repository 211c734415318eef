// The indexed closure check. Which grid positions the earlier levels have
// fixed when a record is placed at level L depends only on the mask, not on
// the records; so the candidates of level L are exactly the records whose
// cells at those points equal the grid there, and an index by those cells
// lists them in ascending order, as the full scan would meet them. Composed
// keys are looked up through indexes of whole keys to their first row.
#include "tables1d/ClosureCheck.h"
#include "tables1d/RecordKeyIndex.h"
#include "tables1d/TableRecords.h"

#include <algorithm>
#include <map>
#include <span>
#include <vector>

std::string WhyClosureCheckCannotRun(const ClosureMask& mask, int32_t recordCount)
{
    const int n = mask.pointCount;
    if (n < 6 || n > 9)
        return "The closure check works on masks of 6 to 9 points; this mask has " + std::to_string(n) + ".";
    bool built = mask.positions[0] == 0;
    for (int p = 1; p < n; ++p) built = built && mask.positions[p] > mask.positions[p - 1];
    if (!built || mask.positions[n - 1] > 64)
        return "The mask's points are not in order; build the mask (\"mk\") before the check.";
    if (recordCount < 6)
        return "The table has " + std::to_string(recordCount) +
               " records; the closure check needs at least 6 (six blocks of at least one record).";
    return "";
}

ClosureScope GeneralClosureScope(const ClosureMask& mask, int32_t recordCount, bool firstBlockOnly)
{
    ClosureScope scope;
    scope.recordCount = recordCount;
    scope.blockSize = BlockSize(recordCount);
    scope.startCount = firstBlockOnly ? scope.blockSize : recordCount;
    scope.permuted = mask.pointCount <= 8 ? PermutedTest::Stop : PermutedTest::Skip;
    scope.progressLevel = mask.pointCount <= 6 ? 0 : mask.pointCount == 7 ? 1 : 2;
    return scope;
}

bool IsClosureScopeUsable(const ClosureMask& mask, const ClosureScope& scope)
{
    const int n = mask.pointCount;
    if (n < 1 || n > 9) return false;
    for (int p = 1; p < n; ++p)
        if (mask.positions[p] <= mask.positions[p - 1]) return false;
    if (mask.positions[0] != 0 || mask.positions[n - 1] > 64) return false;
    return scope.recordCount >= 0 && scope.recordCount <= kTableCapacity && scope.blockSize >= 1 &&
           scope.startCount >= 0 && scope.startCount <= scope.recordCount && scope.progressLevel >= 0 &&
           scope.progressLevel <= 2;
}

namespace {

class IndexedSearch {
public:
    IndexedSearch(const ClosureMask& mask, const ClosureScope& scope, const ClosureProgressCallback& progress)
        : n_(mask.pointCount), pos_(mask.positions), reach_(mask.doubleLeftReach),
          count_(scope.recordCount), block_(scope.blockSize), permuted_(scope.permuted),
          progressLevel_(scope.progressLevel), width_(2 * mask.positions[mask.pointCount - 1] + 1),
          grid_(size_t(width_), -1), progress_(progress)
    {
        buildLevels();
        blockOf_.resize(size_t(count_));
        for (int32_t r = 0; r < count_; ++r) blockOf_[r] = uint8_t(std::min(r / block_, 255));
        int all[kTableKeyBytes];
        for (int p = 0; p < n_; ++p) all[p] = p;
        keyIndex_.build(ttKeys, count_, all, n_);
        if (permuted_ != PermutedTest::Skip) permutedIndex_.build(ttKeysPermuted, count_, all, n_);
    }

    ClosureOutcome run(int32_t startCount)
    {
        std::fill(ttHitCount, ttHitCount + count_, 0);
        startCount_ = startCount;
        for (int32_t i = 0; i < startCount; ++i) {
            records_[0] = i;
            if (progressLevel_ == 0) report(0);
            for (int p = 0; p < n_; ++p) grid_[pos_[p]] = ttKeys[i][p];
            setProbe(0, i);
            if (place(1)) break;
        }
        // The globals keep the composed key of the last placement looked up.
        if (outcome_.placements > 0)
            for (int l = 0; l < n_; ++l) ttProbeKey[l] = outcome_.lastPlacement[l] / block_;
        return outcome_;
    }

private:
    struct Level {
        std::vector<int> fixedPoints;   // points landing on cells the earlier levels set
        std::vector<int> newPoints;     // points this level sets
        const RecordKeyIndex* index = nullptr;
        // When one earlier level's record covers every fixed cell, the
        // candidates depend on that record alone and are kept per record.
        int sourceLevel = -1;
        std::vector<std::span<const int32_t>> candidatesOf;
        std::vector<uint8_t> known;
    };

    void buildLevels()
    {
        std::vector<bool> fixed(size_t(width_), false);
        for (int p = 0; p < n_; ++p) fixed[pos_[p]] = true;
        for (int level = 1; level < n_; ++level) {
            Level& lv = levels_[level];
            unsigned pattern = 0;
            for (int p = 0; p < n_; ++p) {
                if (fixed[pos_[level] + pos_[p]]) {
                    lv.fixedPoints.push_back(p);
                    pattern |= 1u << p;
                } else {
                    lv.newPoints.push_back(p);
                }
            }
            for (int l = level - 1; l >= 0 && lv.sourceLevel < 0; --l) {
                bool covers = true;
                for (int p : lv.fixedPoints) {
                    const int32_t q = pos_[level] + pos_[p] - pos_[l];
                    covers = covers && std::binary_search(pos_.begin(), pos_.begin() + n_, q);
                }
                if (covers) lv.sourceLevel = l;
            }
            if (lv.sourceLevel >= 0) {
                lv.candidatesOf.resize(size_t(count_));
                lv.known.assign(size_t(count_), 0);
            }
            for (int p : lv.newPoints) fixed[pos_[level] + pos_[p]] = true;
            auto [it, inserted] = indexes_.try_emplace(pattern);
            if (inserted)
                it->second.build(ttKeys, count_, lv.fixedPoints.data(), int(lv.fixedPoints.size()));
            lv.index = &it->second;
        }
    }

    void report(int level)
    {
        if (!progress_) return;
        ClosureProgress info;
        info.startCount = startCount_;
        info.level = level;
        for (int l = 0; l <= level && l < 3; ++l) info.records[l] = records_[l];
        progress_(info);
    }

    std::span<const int32_t> candidates(Level& lv, int32_t shift)
    {
        uint8_t cells[kTableKeyBytes];
        for (size_t i = 0; i < lv.fixedPoints.size(); ++i)
            cells[i] = uint8_t(grid_[shift + pos_[lv.fixedPoints[i]]]);
        return lv.index->find(cells);
    }

    void setProbe(int level, int32_t record)
    {
        const uint64_t block = blockOf_[record];
        if (level < 8) {
            const int bit = 8 * level;
            probe_.low = (probe_.low & ~(uint64_t(0xff) << bit)) | (block << bit);
        } else {
            const int bit = 8 * (level - 8);
            probe_.high = (probe_.high & ~(uint64_t(0xff) << bit)) | (block << bit);
        }
    }

    bool place(int level)
    {
        Level& lv = levels_[level];
        const int32_t shift = pos_[level];
        std::span<const int32_t> rows;
        if (lv.sourceLevel >= 0) {
            const int32_t source = records_[lv.sourceLevel];
            if (!lv.known[source]) {
                lv.candidatesOf[source] = candidates(lv, shift);
                lv.known[source] = 1;
            }
            rows = lv.candidatesOf[source];
        } else {
            rows = candidates(lv, shift);
        }
        const bool reports = level == progressLevel_;
        for (const int32_t r : rows) {
            records_[level] = r;
            setProbe(level, r);
            if (reports) report(level);
            for (int p : lv.newPoints) grid_[shift + pos_[p]] = ttKeys[r][p];
            if (level == n_ - 1 ? complete() : place(level + 1)) return true;
        }
        // The full scan reports every record it tries at this level, the last
        // one included; the progress shown after the level is the same here.
        if (reports && (rows.empty() || rows.back() != count_ - 1)) {
            records_[level] = count_ - 1;
            report(level);
        }
        return false;
    }

    bool complete()
    {
        ++outcome_.placements;
        for (int l = 0; l < n_; ++l) outcome_.lastPlacement[l] = records_[l];
        // Block numbers of the general scope stay below 12 (N < 6B + 6), and
        // those of a fixed range below 6, so they fit the byte cells.
        const int32_t found = keyIndex_.firstPacked(probe_);
        outcome_.lastFound = found >= 0;
        if (found < 0) {
            outcome_.verdict = ClosureVerdict::Unlocked;
            return true;
        }
        lastFoundIndex = found;
        ttHitCount[found] = SaturatingAdd(ttHitCount[found], 1);

        if (permuted_ != PermutedTest::Skip) {
            const int32_t permuted = permutedIndex_.firstPacked(probe_);
            const int32_t reference = reach_ >= 0 && reach_ < width_ ? grid_[reach_] : -1;
            if (permuted < 0 || permuted / block_ != reference) {
                if (permuted_ == PermutedTest::StopWhenReferenceIsZero && reference != 0) return false;
                outcome_.verdict = ClosureVerdict::PermutedMismatch;
                return true;
            }
        }
        return false;
    }

    const int n_;
    const std::array<int32_t, 10> pos_;
    const int32_t reach_;
    const int32_t count_;
    const int32_t block_;
    const PermutedTest permuted_;
    const int progressLevel_;
    const int32_t width_;
    std::vector<int32_t> grid_;   // one cell per position; -1 where no level has set it
    const ClosureProgressCallback& progress_;
    std::array<Level, 10> levels_;
    std::map<unsigned, RecordKeyIndex> indexes_;   // shared by levels fixing the same points
    RecordKeyIndex keyIndex_;
    RecordKeyIndex permutedIndex_;
    int32_t startCount_ = 0;
    std::array<int32_t, 10> records_{};
    std::vector<uint8_t> blockOf_;            // block number of each record
    RecordKeyIndex::PackedKey probe_;         // block numbers of the records placed so far
    ClosureOutcome outcome_;
};

} // namespace

ClosureOutcome RunClosureCheck(const ClosureMask& mask, bool firstBlockOnly,
                               const ClosureProgressCallback& progress)
{
    if (!WhyClosureCheckCannotRun(mask, ttRecordCount).empty()) return {};
    return RunClosureCheck(mask, GeneralClosureScope(mask, ttRecordCount, firstBlockOnly), progress);
}

ClosureOutcome RunClosureCheck(const ClosureMask& mask, const ClosureScope& scope,
                               const ClosureProgressCallback& progress)
{
    if (!IsClosureScopeUsable(mask, scope)) return {};
    IndexedSearch search(mask, scope, progress);
    return search.run(scope.startCount);
}
