// The closure check on summaries (ClosureSummaries.h): a start record whose
// composed keys all pass raises the counts by the number of placements of
// each key at once; the first start record that reaches a failing key is
// walked placement by placement (ClosureEnumeration.h), in the search's own
// order, so that it stops where the full scan stops, the searches on its way
// that cannot stop it taken from their summaries too.
#include "tables1d/ClosureCheck.h"

#include "base/GroupAlgebra.h"
#include "base/NumericHelpers.h"
#include "base/TableRecords.h"
#include "tables1d/ClosureEnumeration.h"
#include "tables1d/ClosureSummaries.h"
#include "tables1d/RecordKeyIndex.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <span>
#include <unordered_map>
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

// The check start record by start record. The first start records are
// walked placement by placement for as long as that stays short; from there
// a start record whose placements all pass is summarised: its composed keys
// and their numbers of placements raise the counts at once, and its counters
// and last progress report are worked out, not walked. The first start
// record with a failing composed key is walked, so the search stops at the
// same placement with the same counts; on the way, the searches below its
// placements that pass, or have no complete placement, are taken from their
// summaries. A start row past the list is counted, and walked the same way to
// its first complete placement if it has one.
class SummarisedSearch {
public:
    SummarisedSearch(const ClosureMask& mask, const ClosureScope& scope, const ClosureProgressCallback& progress)
        : n_(mask.pointCount), mask_(mask), scope_(scope), progress_(progress), walk_(mask, scope, progress)
    {
    }

    ClosureOutcome run()
    {
        const int32_t from = scope_.startFrom, to = scope_.startCount;
        if (scope_.resetCounts) std::fill(ttHitCount, ttHitCount + scope_.recordCount, 0);
        // A short search is walked whole: summaries would cost more to set up.
        int32_t i = from;
        for (int64_t budget = scope_.walkBeforeSummarising; i < to; ++i) {
            const int64_t before = WalkedWork(walk_.outcome());
            const ClosureEnumeration::StartWalk walked = walk_.tryStart(i, budget);
            if (walked == ClosureEnumeration::StartWalk::OverBudget) break;
            if (walked == ClosureEnumeration::StartWalk::Stopped) return walk_.finish();
            budget -= WalkedWork(walk_.outcome()) - before;
        }
        outcome_ = walk_.outcome();
        if (i == to) return walk_.finish();
        const int32_t listEnd = std::clamp(scope_.recordCount, i, to);
        symmetric_ = IsMultipliedByTheGroup(n_, scope_);
        if (symmetric_) firstBlock_.resize(size_t(scope_.blockSize));
        choosePlan(i, listEnd);
        if (!summaries_->usable()) {
            walk_.runStarts(i, to);
            return walk_.finish();
        }
        added_.assign(size_t(scope_.recordCount), 0);
        for (; i < to; ++i) {
            // A start record inside the list that reaches a failing key is
            // walked to its failure; the searches below it that pass are
            // taken from their summaries.
            if (i < listEnd ? !summarise(i) && walkStart(i, Guide::SkipPassing)
                            : passBeyondList(i))
                return finish();
            summaries_->trim();
        }
        return finish();
    }

private:
    // What a guided walk takes from summaries instead of walking it.
    enum class Guide {
        SkipDead,      // searches with no complete placement
        SkipPassing,   // those, and searches whose composed keys all pass
    };

    // The walk's guide: below a placement, a search without a complete
    // placement adds only its counters; with SkipPassing a search whose
    // composed keys all pass adds its counts too, unless it is small enough
    // to be walked.
    class SkippingGuide : public ClosureEnumeration::Guide {
    public:
        SkippingGuide(SummarisedSearch& search, bool passing) : s_(search), passing_(passing) {}

        bool completes(int depth) override { return s_.summaries_->completions(depth, s_.walk_.grid()) > 0; }

        bool accountsBelow(int depth) override
        {
            ClosureSummaries& summaries = *s_.summaries_;
            const int32_t* grid = s_.walk_.grid();
            const int64_t complete = summaries.completions(depth, grid);
            if (complete > 0) {
                if (!passing_ || complete <= kWalkedCompletions) return false;
                const auto keys = summaries.keysBelow(depth, grid, s_.walk_.records().data());
                for (const ClosureSummaries::Entry& e : keys)
                    if (s_.judge(e.key).stops) return false;
                for (const ClosureSummaries::Entry& e : keys)
                    if (const int32_t row = s_.judge(e.key).counted; row >= 0)
                        ttHitCount[row] = SaturateToInt32(int64_t(ttHitCount[row]) + std::min(e.count, kCountCap));
            }
            std::array<int64_t, 10> fitting{};
            for (int level = depth; level + 1 < s_.n_; ++level)
                if ((fitting[size_t(level)] = summaries.placementsBelow(depth, level, grid)) == 0) break;
            fitting[size_t(s_.n_ - 1)] = complete;
            s_.walk_.skipBelow(depth, fitting);
            return true;
        }

    private:
        // A search with no more complete placements than this is walked: cheaper than its summary.
        static constexpr int64_t kWalkedCompletions = 1;
        SummarisedSearch& s_;
        const bool passing_;
    };

    // Walks start record i from where the search stands; true when a
    // placement failed.
    bool walkStart(int32_t i, Guide guide)
    {
        settle();
        walk_.seed(outcome_);
        const ClosureOutcome before = outcome_;
        SkippingGuide skipping(*this, guide == Guide::SkipPassing);
        walk_.setGuide(&skipping);
        const bool stopped = walk_.runStarts(i, i + 1);
        walk_.setGuide(nullptr);
        outcome_ = walk_.outcome();
        if (!stopped) {
            // The progress the scan leaves, which a search taken from summaries did not report.
            std::array<int64_t, 10> fitting{};
            for (int level = 0; level < n_; ++level)
                fitting[size_t(level)] = outcome_.levelFits[size_t(level)] - before.levelFits[size_t(level)];
            reportLast(i, fitting);
        }
        return stopped;
    }

    // A start row past the list, holding what an earlier list left there:
    // its block number matches no key cell, so its first complete placement
    // normally stops the check. A row with none adds the counters of its
    // search; otherwise it is walked to that placement, the searches without
    // one on the way counted, not walked. True when the check stops.
    bool passBeyondList(int32_t i)
    {
        summaries_->placeStart(i);
        std::array<int64_t, 10> fitting{};
        fitting[0] = 1;
        for (int level = 1; level < n_ && fitting[size_t(level) - 1] > 0; ++level)
            fitting[size_t(level)] = summaries_->fittingPlacements(level);
        if (fitting[size_t(n_ - 1)] > 0) return walkStart(i, Guide::SkipDead);
        addCounters(fitting);
        reportLast(i, fitting);
        return false;
    }

    // The search's counters raised by a start record's search that was not walked.
    void addCounters(const std::array<int64_t, 10>& fitting)
    {
        outcome_.placements = SaturatingAdd64(outcome_.placements, fitting[size_t(n_ - 1)]);
        for (int level = 0; level < n_; ++level) {
            outcome_.levelEntries[size_t(level)] = SaturatingAdd64(outcome_.levelEntries[size_t(level)],
                                                                   level == 0 ? 1 : fitting[size_t(level) - 1]);
            outcome_.levelFits[size_t(level)] =
                SaturatingAdd64(outcome_.levelFits[size_t(level)], fitting[size_t(level)]);
        }
    }

    ClosureOutcome finish()
    {
        settle();
        walk_.seed(outcome_);
        return walk_.finish();
    }

private:
    // The plan that works least on a sample of the start records from..to-1
    // (a few spread over the range); few start records take the first plan.
    void choosePlan(int32_t from, int32_t to)
    {
        using Plan = ClosureSummaries::Plan;
        summaries_ = std::make_unique<ClosureSummaries>(mask_, scope_, Plan::FewestOpenCells);
        constexpr int32_t kSample = 12;
        if (!summaries_->usable() || to - from < 8 * kSample) return;
        const auto sampleWork = [&](ClosureSummaries& s, int64_t budget) {
            for (int32_t k = 0; k < kSample && s.work() <= budget; ++k) {
                const int32_t start = from + int32_t(int64_t(to - from) * k / kSample);
                s.startKeys(symmetric_ ? start % scope_.blockSize : start);
                for (int level = 1; level + 1 < n_; ++level) s.fittingPlacements(level);
                s.trim();
            }
            return s.work();
        };
        const int64_t first = sampleWork(*summaries_, INT64_MAX);
        auto other = std::make_unique<ClosureSummaries>(mask_, scope_, Plan::SmallestBoundaries);
        if (sampleWork(*other, first) < first) summaries_ = std::move(other);
    }

    // What a composed key (with its reference cell) does to the search.
    struct Judgement {
        bool stops;
        int32_t counted;   // the row whose count it raises, -1 none
    };

    Judgement judge(uint64_t key)
    {
        if (const auto it = judged_.find(key); it != judged_.end()) return it->second;
        const RecordKeyIndex::PackedKey composed = summaries_->composedKey(key);
        const int32_t found = walk_.keyIndex().firstPacked(composed);
        Judgement j{found < 0, found >= scope_.firstCountedRecord ? found : -1};
        if (found >= 0 && scope_.permuted != PermutedTest::Skip) {
            const int32_t reference = summaries_->referenceCell(key);
            const int32_t permuted = walk_.permutedIndex().firstPacked(composed);
            if (permuted < 0 || permuted / scope_.blockSize != reference)
                j.stops = scope_.permuted == PermutedTest::Stop || reference == 0;
        }
        judged_.emplace(key, j);
        return j;
    }

    // Summarises start record i; false (and nothing changed) when one of its
    // placements fails.
    bool summarise(int32_t i)
    {
        const Below& below = searchBelow(i);
        for (const ClosureSummaries::Entry& e : below.keys)
            if (judge(e.key).stops) return false;
        for (const ClosureSummaries::Entry& e : below.keys)
            if (const int32_t row = judge(e.key).counted; row >= 0)
                added_[size_t(row)] = SaturatingAdd64(added_[size_t(row)], e.count);
        if (below.fitting[size_t(n_ - 1)] > 0) lastStart_ = i;
        addCounters(below.fitting);
        reportLast(i, below.fitting);
        return true;
    }

    // What the search finds below a start record: the composed keys with
    // their numbers of placements, and the placements of levels 0..L that fit.
    struct Below {
        std::vector<ClosureSummaries::Entry> keys;
        std::array<int64_t, 10> fitting{};
        bool known = false;
    };

    const Below& searchBelow(int32_t i)
    {
        if (!symmetric_) return summariseBelow(i, current_);
        // A start record of block g sees the search below the record of
        // block 0 with every cell, block number and reference cell
        // multiplied by g.
        const int32_t block = scope_.blockSize;
        Below& first = firstBlock_[size_t(i % block)];
        if (!first.known) summariseBelow(i % block, first);
        const int g = int(i / block);
        if (g == 0) return first;
        current_.keys.clear();
        for (const ClosureSummaries::Entry& e : first.keys)
            current_.keys.push_back({summaries_->multiplied(e.key, g), e.count});
        current_.fitting = first.fitting;
        return current_;
    }

    const Below& summariseBelow(int32_t i, Below& into)
    {
        const std::span<const ClosureSummaries::Entry> keys = summaries_->startKeys(i);
        into.keys.assign(keys.begin(), keys.end());
        int64_t placements = 0;
        for (const ClosureSummaries::Entry& e : keys) placements = SaturatingAdd64(placements, e.count);
        into.fitting.fill(0);
        into.fitting[0] = 1;
        for (int level = 1; level < n_; ++level)
            into.fitting[size_t(level)] = into.fitting[size_t(level) - 1] == 0 ? 0
                                          : level == n_ - 1                    ? placements
                                                                               : summaries_->fittingPlacements(level);
        into.known = true;
        return into;
    }

    // Whether every block b of the list is block 0 multiplied by b, cell by
    // cell (as the generators and harvests lay their tables out): then the
    // placements from a record of block b are those from its record of
    // block 0, multiplied by b.
    static bool IsMultipliedByTheGroup(int n, const ClosureScope& scope)
    {
        const int32_t block = scope.blockSize;
        if (scope.recordCount != 6 * block || block < 1) return false;
        for (int32_t i = 0; i < block; ++i)
            for (int p = 0; p < n; ++p) {
                const uint8_t cell = ttKeys[i][p];
                if (cell > 5) return false;
                for (int32_t g = 1; g < 6; ++g)
                    if (ttKeys[g * block + i][p] != GroupProduct(uint32_t(g), cell)) return false;
            }
        return true;
    }

    // The last progress report the walk of start record i would have made:
    // at level p the records of the last placement of levels 0..p-1, then
    // the last record tried at level p.
    void reportLast(int32_t i, const std::array<int64_t, 10>& fitting)
    {
        const int level = scope_.progressLevel;
        if (!progress_ || level >= n_) return;
        ClosureProgress info;
        info.startCount = scope_.startCount;
        info.level = level;
        info.records[0] = i;
        if (level > 0) {
            if (fitting[size_t(level) - 1] == 0) return;
            std::array<int32_t, 10> records;
            walk_.lastPlacementFrom(i, level, records);
            for (int l = 1; l < level; ++l) info.records[size_t(l)] = records[size_t(l)];
            info.records[size_t(level)] = scope_.recordCount - 1;
        }
        progress_(info);
    }

    // The counts raised, and the last placement of the summarised start
    // records as the walk would have left it.
    void settle()
    {
        for (int32_t row = 0; row < scope_.recordCount; ++row)
            if (added_[size_t(row)] != 0) {
                // Raised one placement at a time, the count would stop at the int32 maximum.
                ttHitCount[row] = SaturateToInt32(int64_t(ttHitCount[row]) + std::min(added_[size_t(row)], kCountCap));
                added_[size_t(row)] = 0;
            }
        if (lastStart_ < 0) return;
        std::array<int32_t, 10> records;
        const bool any = walk_.lastPlacementFrom(lastStart_, n_, records, [&](int level) {
            return summaries_->completions(level + 1, walk_.grid()) > 0;
        });
        lastStart_ = -1;
        if (!any) return;
        outcome_.lastPlacement = records;
        outcome_.lastFound = true;
        RecordKeyIndex::PackedKey composed;
        for (int l = 0; l < n_; ++l) {
            const uint64_t block = uint64_t(records[size_t(l)] / scope_.blockSize);
            if (l < 8)
                composed.low |= block << (8 * l);
            else
                composed.high |= block << (8 * (l - 8));
        }
        lastFoundIndex = walk_.keyIndex().firstPacked(composed);
    }

    static constexpr int64_t kCountCap = int64_t(1) << 62;

    // Records placed by the walk so far.
    static int64_t WalkedWork(const ClosureOutcome& o)
    {
        int64_t fits = 0;
        for (const int64_t f : o.levelFits) fits = SaturatingAdd64(fits, f);
        return fits;
    }

    static int64_t SaturatingAdd64(int64_t a, int64_t b)
    {
        int64_t sum;
        return __builtin_add_overflow(a, b, &sum) ? INT64_MAX : sum;
    }

    const int n_;
    const ClosureMask mask_;
    const ClosureScope scope_;
    const ClosureProgressCallback& progress_;
    ClosureEnumeration walk_;
    std::unique_ptr<ClosureSummaries> summaries_;
    std::unordered_map<uint64_t, Judgement> judged_;
    std::vector<int64_t> added_;   // counts raised by the summarised start records, not yet in ttHitCount
    bool symmetric_ = false;       // the list is its block 0 multiplied by the group
    std::vector<Below> firstBlock_;   // below each record of block 0, once known
    Below current_;
    int32_t lastStart_ = -1;       // the last summarised start record with a complete placement
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
    SummarisedSearch search(mask, scope, progress);
    return search.run();
}
