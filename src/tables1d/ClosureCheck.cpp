// The indexed closure check. Which grid positions the earlier levels have
// fixed when a record is placed at level L depends only on the mask, not on
// the records; so the candidates of level L are exactly the records whose
// cells at those points equal the grid there (and agree with themselves where
// two points of the level meet), and an index by those cells lists them in
// ascending order, as the full scan would meet them. A level's candidate list
// is kept for as long as the records it depends on stay. Composed keys are
// looked up through indexes of whole keys to their first row; at the last
// level, whose composed keys differ only in their last block number, once per
// block.
#include "tables1d/ClosureCheck.h"
#include "base/TableRecords.h"
#include "tables1d/RecordKeyIndex.h"

#include <algorithm>
#include <climits>
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

int32_t ClosureRegionSize(const ClosureMask& mask)
{
    int32_t largest = 0;
    for (int p = 0; p < mask.pointCount && p < 10; ++p) largest = std::max(largest, mask.positions[p]);
    return 2 * largest + 1;
}

bool IsClosureScopeUsable(const ClosureMask& mask, const ClosureScope& scope)
{
    const int n = mask.pointCount;
    if (n < 1 || n > 9) return false;
    for (int p = 0; p < n; ++p)
        if (mask.positions[p] < 0 || mask.positions[p] > kClosureMaxPosition) return false;
    return scope.recordCount >= 0 && scope.recordCount <= kTableCapacity && scope.blockSize >= 1 &&
           scope.startFrom >= 0 && scope.startCount <= kTableCapacity && scope.progressLevel >= 0 &&
           scope.progressLevel <= 3 && scope.firstCountedRecord >= 0;
}

namespace {

class IndexedSearch {
public:
    IndexedSearch(const ClosureMask& mask, const ClosureScope& scope, const ClosureProgressCallback& progress)
        : n_(mask.pointCount), pos_(mask.positions), count_(scope.recordCount), block_(scope.blockSize),
          permuted_(scope.permuted), progressLevel_(scope.progressLevel), resetCounts_(scope.resetCounts),
          firstCounted_(scope.firstCountedRecord), width_(ClosureRegionSize(mask)),
          reach_(mask.doubleLeftReach >= 0 && mask.doubleLeftReach < width_ ? mask.doubleLeftReach : -1),
          placeable_(std::max(scope.recordCount, scope.startCount)), grid_(size_t(width_), -1), progress_(progress)
    {
        records_.fill(-1);
        buildLevels();
        const Level& last = levels_[size_t(n_ - 1)];
        for (int p : last.newPoints)
            lastLevelSetsReference_ = lastLevelSetsReference_ || pos_[n_ - 1] + pos_[p] == reach_;
        // Block numbers looked up, not divided, on the hot path.
        blockOf_.resize(size_t(std::max(placeable_, 0)));
        for (int32_t r = 0; r < placeable_; ++r) blockOf_[size_t(r)] = r / block_;
        int all[kTableKeyBytes];
        for (int p = 0; p < n_; ++p) all[p] = p;
        keyIndex_.build(ttKeys, count_, all, n_);
        if (permuted_ != PermutedTest::Skip) permutedIndex_.build(ttKeysPermuted, count_, all, n_);
    }

    ClosureOutcome run(int32_t startFrom, int32_t startCount)
    {
        if (resetCounts_) std::fill(ttHitCount, ttHitCount + count_, 0);
        startCount_ = startCount;
        for (int32_t i = startFrom; i < startCount; ++i) {
            records_[0] = i;
            stamp_[0] = ++clock_;
            ++outcome_.levelEntries[0];
            ++outcome_.levelFits[0];
            if (progressLevel_ == 0) report(0);
            // Plain writes: where two points share a cell, the later one's wins.
            for (int p = 0; p < n_; ++p) grid_[pos_[0] + pos_[p]] = ttKeys[i][p];
            setProbe(0, i);
            if (n_ == 1 ? complete(lookUp()) : place(1)) break;
        }
        // The globals keep the composed key of the last placement looked up.
        if (outcome_.placements > 0)
            for (int l = 0; l < n_; ++l) ttProbeKey[l] = outcome_.lastPlacement[l] / block_;
        return outcome_;
    }

private:
    // The first rows holding a composed key in the list and in its permuted
    // copy (-1 for none).
    struct Answer {
        int32_t found;
        int32_t permuted;
    };

    struct Level {
        std::vector<int> fixedPoints;   // points landing on cells the earlier levels set
        std::vector<int> newPoints;     // points this level sets
        // Points landing on a cell another point of this level sets first: a
        // record fits only when its cells there agree (a two-dimensional mask
        // may hold a point twice).
        std::vector<std::pair<int, int>> samePoints;
        const RecordKeyIndex* index = nullptr;
        // When one earlier level's record covers every fixed cell, the
        // candidates depend on that record alone and are kept per record.
        int sourceLevel = -1;
        std::vector<std::span<const int32_t>> candidatesOf;
        std::vector<uint8_t> known;
        // Otherwise the candidates stay the same until the highest level
        // that set one of the fixed cells takes another record.
        int dependsOn = 0;
        uint64_t cachedStamp = 0;
        std::span<const int32_t> cached;
    };

    void buildLevels()
    {
        // The level that set each cell, plus one (0: none yet).
        std::vector<uint8_t> fixed(size_t(width_), 0);
        for (int p = 0; p < n_; ++p) fixed[size_t(pos_[0] + pos_[p])] = 1;
        for (int level = 1; level < n_; ++level) {
            Level& lv = levels_[level];
            uint64_t pattern = 0;   // fixed points, then for each point the point it must agree with
            for (int p = 0; p < n_; ++p) {
                if (const int setBy = fixed[size_t(pos_[level] + pos_[p])]) {
                    lv.fixedPoints.push_back(p);
                    lv.dependsOn = std::max(lv.dependsOn, setBy - 1);
                    pattern |= uint64_t(1) << p;
                    continue;
                }
                const auto first = std::find_if(lv.newPoints.begin(), lv.newPoints.end(),
                                                [&](int q) { return pos_[q] == pos_[p]; });
                if (first == lv.newPoints.end()) {
                    lv.newPoints.push_back(p);
                } else {
                    lv.samePoints.emplace_back(p, *first);
                    pattern |= uint64_t(*first + 1) << (10 + 4 * p);
                }
            }
            for (int l = level - 1; l >= 0 && lv.sourceLevel < 0; --l) {
                bool covers = true;
                for (int p : lv.fixedPoints) {
                    const int32_t cell = pos_[level] + pos_[p];
                    bool inside = false;
                    for (int q = 0; q < n_ && !inside; ++q) inside = pos_[l] + pos_[q] == cell;
                    covers = covers && inside;
                }
                if (covers) lv.sourceLevel = l;
            }
            if (lv.sourceLevel >= 0) {
                lv.candidatesOf.resize(size_t(placeable_));
                lv.known.assign(size_t(placeable_), 0);
            }
            for (int p : lv.newPoints) fixed[size_t(pos_[level] + pos_[p])] = uint8_t(level + 1);
            auto [it, inserted] = indexes_.try_emplace(pattern);
            if (inserted) {
                // Records that contradict themselves at this level never fit it.
                std::vector<uint8_t> consistent;
                if (!lv.samePoints.empty()) {
                    consistent.assign(size_t(count_), 1);
                    for (int32_t r = 0; r < count_; ++r)
                        for (const auto& [p, q] : lv.samePoints)
                            if (ttKeys[r][p] != ttKeys[r][q]) consistent[size_t(r)] = 0;
                }
                it->second.build(ttKeys, count_, lv.fixedPoints.data(), int(lv.fixedPoints.size()),
                                 consistent.empty() ? nullptr : consistent.data());
            }
            lv.index = &it->second;
        }
    }

    void report(int level)
    {
        if (!progress_) return;
        ClosureProgress info;
        info.startCount = startCount_;
        info.level = level;
        for (int l = 0; l <= level && l < 4; ++l) info.records[l] = records_[l];
        progress_(info);
    }

    std::span<const int32_t> candidates(Level& lv, int32_t shift)
    {
        uint8_t cells[kTableKeyBytes];
        for (size_t i = 0; i < lv.fixedPoints.size(); ++i)
            cells[i] = uint8_t(grid_[size_t(shift + pos_[lv.fixedPoints[i]])]);
        return lv.index->find(cells);
    }

    // The block number of the record at `level` into the composed key. Block
    // numbers above 255 (start records far beyond the list) match no key cell.
    void setProbe(int level, int32_t record)
    {
        const int32_t number = blockOf_[size_t(record)];
        const uint64_t block = uint64_t(std::min(number, 255));
        if (number > 255)
            unmatchable_ |= 1u << level;
        else
            unmatchable_ &= ~(1u << level);
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
        ++outcome_.levelEntries[level];
        const int32_t shift = pos_[level];
        std::span<const int32_t> rows;
        if (lv.sourceLevel >= 0) {
            const int32_t source = records_[lv.sourceLevel];
            if (!lv.known[size_t(source)]) {
                lv.candidatesOf[size_t(source)] = candidates(lv, shift);
                lv.known[size_t(source)] = 1;
            }
            rows = lv.candidatesOf[size_t(source)];
        } else {
            if (lv.cachedStamp != stamp_[size_t(lv.dependsOn)]) {
                lv.cached = candidates(lv, shift);
                lv.cachedStamp = stamp_[size_t(lv.dependsOn)];
            }
            rows = lv.cached;
        }
        const bool reports = level == progressLevel_;
        if (level == n_ - 1 && !lastLevelSetsReference_) {
            if (placeLast(rows, reports)) return true;
        } else {
            for (const int32_t r : rows) {
                records_[level] = r;
                stamp_[size_t(level)] = ++clock_;
                ++outcome_.levelFits[level];
                setProbe(level, r);
                if (reports) report(level);
                for (int p : lv.newPoints) grid_[size_t(shift + pos_[p])] = ttKeys[r][p];
                if (level == n_ - 1 ? complete(lookUp()) : place(level + 1)) return true;
            }
        }
        // The full scan reports every record it tries at this level, the last
        // one included; the progress shown after the level is the same here.
        if (reports && (rows.empty() || rows.back() != count_ - 1)) {
            records_[level] = count_ - 1;
            report(level);
        }
        return false;
    }

    // The last level, where every fitting record completes a placement. Its
    // composed keys differ only in the last block number, and the reference
    // cell is already set, so the lookups are answered once per block for as
    // long as the blocks of the other levels stay the same, and a block that
    // passes needs no more than its count raised; the cells the record would
    // set are read by nobody.
    bool placeLast(std::span<const int32_t> rows, bool reports)
    {
        const int level = n_ - 1;
        RecordKeyIndex::PackedKey prefix = probe_;
        if (level < 8)
            prefix.low &= ~(uint64_t(0xff) << (8 * level));
        else
            prefix.high &= ~(uint64_t(0xff) << (8 * (level - 8)));
        const int32_t reference = reach_ >= 0 ? grid_[size_t(reach_)] : -1;
        const unsigned unmatchable = unmatchable_ & ~(1u << level);
        LastLevelMemo& memo = memo_;
        if (!(memo.prefix == prefix) || memo.reference != reference || memo.unmatchable != unmatchable) {
            memo.prefix = prefix;
            memo.reference = reference;
            memo.unmatchable = unmatchable;
            memo.known = memo.passing = 0;
        }
        Answer* const answers = memo.answers;
        int32_t** const countOf = memo.countOf;
        uint32_t& known = memo.known;
        uint32_t& passing = memo.passing;
        int32_t lastPassed = -1;   // the last passing record not yet noted
        for (const int32_t r : rows) {
            records_[level] = r;
            if (reports) report(level);
            const int32_t block = blockOf_[size_t(r)];
            const uint32_t bit = block < kMemoBlocks ? 1u << block : 0;
            if (bit && !(known & bit)) {
                setProbe(level, r);
                answers[size_t(block)] = lookUp();
                known |= bit;
                if (passes(answers[size_t(block)])) {
                    passing |= bit;
                    const int32_t found = answers[size_t(block)].found;
                    countOf[size_t(block)] = found >= firstCounted_ ? &ttHitCount[found] : nullptr;
                }
            }
            if (passing & bit) {
                ++outcome_.placements;
                ++outcome_.levelFits[level];
                if (int32_t* count = countOf[size_t(block)]; count && *count < INT32_MAX) ++*count;
                lastPassed = r;
                continue;
            }
            if (!bit) setProbe(level, r);
            const Answer answer = bit ? answers[size_t(block)] : lookUp();
            noteLastPassed(lastPassed, answers);
            lastPassed = -1;
            ++outcome_.levelFits[level];
            if (complete(answer)) return true;
        }
        noteLastPassed(lastPassed, answers);
        return false;
    }

    // The answers of the last level's blocks under one prefix of the
    // composed key (the blocks of the other levels) and one reference cell.
    static constexpr int32_t kMemoBlocks = 16;
    struct LastLevelMemo {
        RecordKeyIndex::PackedKey prefix;
        int32_t reference = -2;
        unsigned unmatchable = 0;
        uint32_t known = 0, passing = 0;   // blocks whose answer is known, and which pass
        Answer answers[kMemoBlocks];       // valid for the known blocks
        int32_t* countOf[kMemoBlocks];     // the count a passing block raises, if any
    };

    // What a complete placement notes of itself, for the passing placement of
    // record `last` at the last level (none for -1).
    void noteLastPassed(int32_t last, const Answer* answers)
    {
        if (last < 0) return;
        outcome_.lastPlacement = records_;
        outcome_.lastPlacement[size_t(n_ - 1)] = last;
        outcome_.lastFound = true;
        lastFoundIndex = answers[size_t(blockOf_[size_t(last)])].found;
    }

    // Whether a placement with this answer passes both lookups.
    bool passes(const Answer& answer) const
    {
        if (answer.found < 0) return false;
        if (permuted_ == PermutedTest::Skip) return true;
        const int32_t reference = reach_ >= 0 ? grid_[size_t(reach_)] : -1;
        return answer.permuted >= 0 && blockOf_[size_t(answer.permuted)] == reference;
    }

    Answer lookUp() const
    {
        Answer answer{-1, -1};
        if (unmatchable_ != 0) return answer;
        answer.found = keyIndex_.firstPacked(probe_);
        if (answer.found >= 0 && permuted_ != PermutedTest::Skip) answer.permuted = permutedIndex_.firstPacked(probe_);
        return answer;
    }

    bool complete(const Answer& answer)
    {
        ++outcome_.placements;
        outcome_.lastPlacement = records_;
        const int32_t found = answer.found;
        outcome_.lastFound = found >= 0;
        if (found < 0) {
            outcome_.verdict = ClosureVerdict::Unlocked;
            return true;
        }
        lastFoundIndex = found;
        if (found >= firstCounted_) ttHitCount[found] = SaturatingAdd(ttHitCount[found], 1);

        if (permuted_ != PermutedTest::Skip) {
            const int32_t reference = reach_ >= 0 ? grid_[size_t(reach_)] : -1;
            if (answer.permuted < 0 || blockOf_[size_t(answer.permuted)] != reference) {
                if (permuted_ == PermutedTest::StopWhenReferenceIsZero && reference != 0) return false;
                outcome_.verdict = ClosureVerdict::PermutedMismatch;
                return true;
            }
        }
        return false;
    }

    const int n_;
    const std::array<int32_t, 10> pos_;
    const int32_t count_;
    const int32_t block_;
    const PermutedTest permuted_;
    const int progressLevel_;
    const bool resetCounts_;
    const int32_t firstCounted_;
    const int32_t width_;
    const int32_t reach_;       // -1: the reference cell lies outside the region
    const int32_t placeable_;   // rows that can be placed: the records and the start rows
    std::vector<int32_t> grid_;      // one cell per position; -1 where no level has set it
    std::vector<int32_t> blockOf_;   // block number of each row that can be placed
    const ClosureProgressCallback& progress_;
    std::array<Level, 10> levels_;
    std::map<uint64_t, RecordKeyIndex> indexes_;   // shared by levels with the same constraints
    RecordKeyIndex keyIndex_;
    RecordKeyIndex permutedIndex_;
    int32_t startCount_ = 0;
    std::array<int32_t, 10> records_;    // the record of each level; -1 past the last level
    LastLevelMemo memo_;
    std::array<uint64_t, 10> stamp_{};   // when each level last took a record
    uint64_t clock_ = 0;
    RecordKeyIndex::PackedKey probe_;   // block numbers of the records placed so far
    unsigned unmatchable_ = 0;          // levels whose block number no key cell can hold
    bool lastLevelSetsReference_ = n_ == 1;   // the reference cell is one the last level sets
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
    return search.run(scope.startFrom, scope.startCount);
}
