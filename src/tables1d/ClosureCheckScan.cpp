// The closure check as first written: every record is tried at every level,
// each level keeps its own copy of the placement grid, and a composed key is
// looked up by scanning the table from its first record. Kept as the
// reference the indexed check is measured and tested against.
#include "base/TableRecords.h"
#include "tables1d/ClosureCheck.h"

#include <algorithm>
#include <vector>

namespace {

class ScanSearch {
public:
    ScanSearch(const ClosureMask& mask, const ClosureScope& scope, const ClosureProgressCallback& progress)
        : n_(mask.pointCount), pos_(mask.positions), reach_(mask.doubleLeftReach),
          count_(scope.recordCount), block_(scope.blockSize), permuted_(scope.permuted),
          progressLevel_(scope.progressLevel), resetCounts_(scope.resetCounts),
          firstCounted_(scope.firstCountedRecord), width_(ClosureRegionSize(mask)),
          grid_(size_t(10) * size_t(width_), -1), progress_(progress)
    {
    }

    ClosureOutcome run(int32_t startFrom, int32_t startCount)
    {
        if (resetCounts_) std::fill(ttHitCount, ttHitCount + count_, 0);
        startCount_ = startCount;
        for (int32_t i = startFrom; i < startCount; ++i) {
            records_[0] = i;
            ++outcome_.levelEntries[0];
            ++outcome_.levelFits[0];
            if (progressLevel_ == 0) report(0);
            int32_t* level0 = row(0);
            std::fill(level0, level0 + width_, -1);
            for (int p = 0; p < n_; ++p) level0[pos_[0] + pos_[p]] = ttKeys[i][p];
            if (n_ == 1 ? complete() : place(1)) break;
        }
        return outcome_;
    }

private:
    int32_t* row(int level) { return grid_.data() + size_t(level) * size_t(width_); }

    void report(int level)
    {
        if (!progress_) return;
        ClosureProgress info;
        info.startCount = startCount_;
        info.level = level;
        for (int l = 0; l <= level && l < 4; ++l) info.records[l] = records_[l];
        progress_(info);
    }

    // Tries every record at this level; true when the search has to stop.
    bool place(int level)
    {
        ++outcome_.levelEntries[level];
        for (int32_t r = 0; r < count_; ++r) {
            records_[level] = r;
            if (level == progressLevel_) report(level);
            int32_t* cells = row(level);
            std::copy(row(level - 1), row(level - 1) + width_, cells);
            bool fits = true;
            for (int p = 0; p < n_ && fits; ++p) {
                int32_t& cell = cells[pos_[level] + pos_[p]];
                if (cell == -1)
                    cell = ttKeys[r][p];
                else if (cell != ttKeys[r][p])
                    fits = false;
            }
            if (!fits) continue;
            ++outcome_.levelFits[level];
            if (level == n_ - 1 ? complete() : place(level + 1)) return true;
        }
        return false;
    }

    // Looks the composed key up; true when it fails.
    bool complete()
    {
        ++outcome_.placements;
        for (int l = 0; l < n_; ++l) outcome_.lastPlacement[l] = records_[l];
        for (int l = 0; l < n_; ++l) ttProbeKey[l] = records_[l] / block_;

        const int32_t found = firstMatch(ttKeys);
        outcome_.lastFound = found >= 0;
        if (found < 0) {
            outcome_.verdict = ClosureVerdict::Unlocked;
            return true;
        }
        lastFoundIndex = found;
        if (found >= firstCounted_) ttHitCount[found] = SaturatingAdd(ttHitCount[found], 1);

        if (permuted_ != PermutedTest::Skip) {
            const int32_t permuted = firstMatch(ttKeysPermuted);
            const int32_t reference = reach_ >= 0 && reach_ < width_ ? row(n_ - 1)[reach_] : -1;
            if (permuted < 0 || permuted / block_ != reference) {
                if (permuted_ == PermutedTest::StopWhenReferenceIsZero && reference != 0) return false;
                outcome_.verdict = ClosureVerdict::PermutedMismatch;
                return true;
            }
        }
        return false;
    }

    int32_t firstMatch(const uint8_t (*keys)[kTableKeyBytes]) const
    {
        for (int32_t j = 0; j < count_; ++j) {
            int p = 0;
            while (p < n_ && int32_t(keys[j][p]) == ttProbeKey[p]) ++p;
            if (p == n_) return j;
        }
        return -1;
    }

    const int n_;
    const std::array<int32_t, 10> pos_;
    const int32_t reach_;
    const int32_t count_;
    const int32_t block_;
    const PermutedTest permuted_;
    const int progressLevel_;
    const bool resetCounts_;
    const int32_t firstCounted_;
    const int32_t width_;
    std::vector<int32_t> grid_;
    const ClosureProgressCallback& progress_;
    int32_t startCount_ = 0;
    std::array<int32_t, 10> records_{};
    ClosureOutcome outcome_;
};

} // namespace

ClosureOutcome RunClosureCheckByScan(const ClosureMask& mask, bool firstBlockOnly,
                                     const ClosureProgressCallback& progress)
{
    if (!WhyClosureCheckCannotRun(mask, ttRecordCount).empty()) return {};
    return RunClosureCheckByScan(mask, GeneralClosureScope(mask, ttRecordCount, firstBlockOnly), progress);
}

ClosureOutcome RunClosureCheckByScan(const ClosureMask& mask, const ClosureScope& scope,
                                     const ClosureProgressCallback& progress)
{
    if (!IsClosureScopeUsable(mask, scope)) return {};
    ScanSearch search(mask, scope, progress);
    return search.run(scope.startFrom, scope.startCount);
}
