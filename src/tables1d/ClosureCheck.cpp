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
#include "tables1d/ClosureCostModel.h"
#include "tables1d/ClosureEnumeration.h"
#include "tables1d/ClosureSummaries.h"
#include "tables1d/RecordKeyIndex.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <limits>
#include <memory>
#include <optional>
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

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The check start record by start record. The first start records are
// walked placement by placement for as long as that stays short. From there
// each start record is either walked or summarised, whichever the cost
// model (ClosureCostModel.h) finds cheaper from what the check has seen so
// far. A summarised start record whose placements all pass raises the counts
// by its composed keys' numbers of placements at once, and its counters and
// last progress report are worked out, not walked. The first start record
// with a failing composed key is walked, so the search stops at the same
// placement with the same counts; on the way, the searches below its
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
            const Clock::time_point start = Clock::now();
            const ClosureEnumeration::StartWalk walked = walk_.tryStart(i, budget);
            const bool over = walked == ClosureEnumeration::StartWalk::OverBudget;
            const int64_t placed = over ? budget : WalkedWork(walk_.outcome()) - before;
            model_.took(ClosureCostModel::Walk, SecondsSince(start), placed, !over);
            if (over) break;
            if (walked == ClosureEnumeration::StartWalk::Stopped) return walk_.finish();
            budget -= placed;
        }
        if (i == to) return walk_.finish();
        if (scope_.way == ClosureWay::Walk || !summaries(ClosureCostModel::SummaryByOpenCells).usable()) {
            walk_.runStarts(i, to);
            return walk_.finish();
        }
        outcome_ = walk_.outcome();
        listEnd_ = std::clamp(scope_.recordCount, i, to);
        symmetric_ = IsMultipliedByTheGroup(n_, scope_);
        if (symmetric_) firstBlock_.resize(size_t(scope_.blockSize));
        added_.assign(size_t(scope_.recordCount), 0);
        for (; i < to; ++i) {
            if (i < listEnd_ ? takeFromList(i) : passBeyondList(i)) return finish();
            for (const std::unique_ptr<ClosureSummaries>& s : summaries_)
                if (s) s->trim();
        }
        return finish();
    }

private:
    using Way = ClosureCostModel::Way;

    // The summaries of one plan, made when first asked for.
    ClosureSummaries& summaries(Way way)
    {
        const size_t plan = way == ClosureCostModel::SummaryByBoundaries ? 1 : 0;
        std::unique_ptr<ClosureSummaries>& s = summaries_[plan];
        if (!s)
            s = std::make_unique<ClosureSummaries>(mask_, scope_,
                                                   plan ? ClosureSummaries::Plan::SmallestBoundaries
                                                        : ClosureSummaries::Plan::FewestOpenCells);
        if (!current_) current_ = s.get();
        return *s;
    }

    // The way a start record of the list is taken: the scope's, or the cheapest.
    ClosureCostModel::Choice choose(int32_t i) const
    {
        switch (scope_.way) {
        case ClosureWay::SummariseOpenCells: return {ClosureCostModel::SummaryByOpenCells};
        case ClosureWay::SummariseBoundaries: return {ClosureCostModel::SummaryByBoundaries};
        case ClosureWay::EachInTurn: {
            // Every way, and a summary given up at once now and then, for each
            // other way to take over; once a walk given up after the least
            // budget as well, for the summary to go on.
            const int turn = i % 7;
            if (turn < 2) return {ClosureCostModel::Walk};
            const Way first = turn % 2 ? ClosureCostModel::SummaryByOpenCells : ClosureCostModel::SummaryByBoundaries;
            const Way other = turn % 2 ? ClosureCostModel::SummaryByBoundaries : ClosureCostModel::SummaryByOpenCells;
            return {first, turn >= 4 ? 0.0 : kNoLimit, turn >= 5 ? ClosureCostModel::Walk : other,
                    turn == 6 ? 0.0 : kNoLimit};
        }
        default: break;
        }
        // A summary of a record of block 0 serves its records of the other blocks still to come.
        int32_t shared = 1;
        if (symmetric_) {
            shared = 0;
            for (int32_t g = 0; g < 6; ++g) {
                const int32_t start = g * scope_.blockSize + i % scope_.blockSize;
                shared += start >= i && start < listEnd_;
            }
        }
        return model_.choose(shared);
    }

    // Start record i of the list, taken the cheapest way; true when the check stops.
    bool takeFromList(int32_t i)
    {
        if (symmetric_ && firstBlock_[size_t(i % scope_.blockSize)].known) {
            const Below& below = searchBelow(i, *current_);
            model_.sized(SizeOf(below.fitting));
            return !passesWhole(i, below) && walkStart(i, Guide::SkipPassing);
        }
        ClosureCostModel::Choice choice = choose(i);
        // The seconds each summary spent on this start record before it was
        // given up, reported once the way that took over has told the search's size.
        std::array<double, ClosureCostModel::kWays> givenUp{};
        double summaryLimit = 0;   // the last summary's limit
        const auto reportGivenUp = [&](int64_t size) {
            for (int w = 1; w < ClosureCostModel::kWays; ++w)
                if (givenUp[size_t(w)] > 0) model_.took(Way(w), givenUp[size_t(w)], size, false);
        };
        for (;;) {
            if (choice.way == ClosureCostModel::Walk) {
                const int64_t before = WalkedWork(outcome_);
                const std::optional<bool> stopped = walkTimed(i, choice.limit);
                if (stopped) {
                    reportGivenUp(WalkedWork(outcome_) - before);
                    return *stopped;
                }
                // A walk given up after a summary's try: the summary goes on from
                // where it stopped, and the two take turns on limits that grow
                // until one of them completes.
                choice = {choice.fallback, std::max(kGrowth * summaryLimit, kLeastLimit), ClosureCostModel::Walk,
                          std::max(kGrowth * choice.limit, kLeastLimit)};
                continue;
            }
            // Made once (their indexes) before the first try, which is timed without that.
            ClosureSummaries& s = summaries(choice.way);
            const Clock::time_point start = Clock::now();
            if (choice.limit < kNoLimit)
                s.setDeadline(start + std::chrono::duration_cast<Clock::duration>(
                                          std::chrono::duration<double>(std::min(choice.limit, 1e6))));
            const Below* below = searchBelowUnlessAbandoned(i, s);
            s.clearDeadline();
            const double seconds = SecondsSince(start) + givenUp[size_t(choice.way)];
            if (below) {
                givenUp[size_t(choice.way)] = 0;
                model_.took(choice.way, seconds, SizeOf(below->fitting), true);
                reportGivenUp(SizeOf(below->fitting));
                current_ = &s;
                if (passesWhole(i, *below)) return false;
                // A start record that reaches a failing key is walked to its failure:
                // plainly when its whole walk costs less than its summary did, else
                // guided by the summaries.
                if (model_.walkRate() * double(SizeOf(below->fitting)) <= seconds) return *walkTimed(i, kNoLimit);
                return walkStart(i, Guide::SkipPassing);
            }
            givenUp[size_t(choice.way)] = seconds;
            summaryLimit = choice.limit;
            // The way that takes over; a walk on a limit gives the summary back.
            const Way next = choice.fallback == ClosureCostModel::Walk ? choice.way : ClosureCostModel::Walk;
            choice = {choice.fallback, choice.fallbackLimit, next, kNoLimit};
        }
    }

    // Start record i walked placement by placement; true when a placement
    // failed. With a limit in seconds, a walk that would place more records
    // than the walk's rate allows in that time is undone: nothing then.
    std::optional<bool> walkTimed(int32_t i, double limit)
    {
        settle();
        walk_.seed(outcome_);
        const double rate = model_.walkRate();
        const Clock::time_point start = Clock::now();
        bool stopped;
        if (limit < kNoLimit && rate > 0) {
            const int64_t budget = int64_t(std::clamp(limit / rate, 1e3, 1e15));
            const ClosureEnumeration::StartWalk walked = walk_.tryStart(i, budget);
            if (walked == ClosureEnumeration::StartWalk::OverBudget) {
                model_.took(ClosureCostModel::Walk, SecondsSince(start), budget, false);
                return std::nullopt;
            }
            stopped = walked == ClosureEnumeration::StartWalk::Stopped;
        } else {
            stopped = walk_.runStarts(i, i + 1);
        }
        const int64_t size = WalkedWork(walk_.outcome()) - WalkedWork(outcome_);
        model_.took(ClosureCostModel::Walk, SecondsSince(start), size, true);
        outcome_ = walk_.outcome();
        return stopped;
    }

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

        bool completes(int depth) override { return s_.current_->completions(depth, s_.walk_.grid()) > 0; }

        bool accountsBelow(int depth) override
        {
            ClosureSummaries& summaries = *s_.current_;
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

    // Walks start record i from where the search stands, guided; true when a
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
    // normally stops the check. A short search is walked; otherwise a row
    // with no complete placement adds the counters of its search, and a row
    // with one is walked to it, every search on the way that has no complete
    // placement counted, not walked. True when the check stops.
    bool passBeyondList(int32_t i)
    {
        const bool inTurn = scope_.way == ClosureWay::EachInTurn && i % 2;
        if (scope_.way == ClosureWay::Cheapest || inTurn) {
            // Walked unless that costs more than counting has cost so far.
            const double rate = model_.walkRate();
            const int64_t budget = inTurn                      ? kTurnBudgetPastTheList
                                   : rate > 0 && counted_ > 0 ? int64_t(std::clamp(countSeconds_ / rate, 1e3, 1e7))
                                                              : kFirstBudgetPastTheList;
            settle();
            walk_.seed(outcome_);
            const ClosureEnumeration::StartWalk walked = walk_.tryStart(i, budget);
            if (walked != ClosureEnumeration::StartWalk::OverBudget) {
                outcome_ = walk_.outcome();
                return walked == ClosureEnumeration::StartWalk::Stopped;
            }
        }
        const Clock::time_point start = Clock::now();
        current_->placeStart(i);
        std::array<int64_t, 10> fitting{};
        fitting[0] = 1;
        for (int level = 1; level < n_ && fitting[size_t(level) - 1] > 0; ++level)
            fitting[size_t(level)] = current_->fittingPlacements(level);
        const bool complete = fitting[size_t(n_ - 1)] > 0;
        if (!complete) {
            addCounters(fitting);
            reportLast(i, fitting);
        }
        const bool stopped = complete && walkStart(i, Guide::SkipDead);
        const double seconds = SecondsSince(start);
        countSeconds_ = counted_ ? 0.7 * countSeconds_ + 0.3 * seconds : seconds;
        ++counted_;
        return stopped;
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

    // What a composed key (with its reference cell) does to the search.
    struct Judgement {
        bool stops;
        int32_t counted;   // the row whose count it raises, -1 none
    };

    Judgement judge(uint64_t key)
    {
        if (const auto it = judged_.find(key); it != judged_.end()) return it->second;
        // Both plans pack composed keys alike.
        const RecordKeyIndex::PackedKey composed = current_->composedKey(key);
        const int32_t found = walk_.keyIndex().firstPacked(composed);
        Judgement j{found < 0, found >= scope_.firstCountedRecord ? found : -1};
        if (found >= 0 && scope_.permuted != PermutedTest::Skip) {
            const int32_t reference = current_->referenceCell(key);
            const int32_t permuted = walk_.permutedIndex().firstPacked(composed);
            if (permuted < 0 || permuted / scope_.blockSize != reference)
                j.stops = scope_.permuted == PermutedTest::Stop || reference == 0;
        }
        judged_.emplace(key, j);
        return j;
    }

    // What the search finds below a start record: the composed keys with
    // their numbers of placements, and the placements of levels 0..L that fit.
    struct Below {
        std::vector<ClosureSummaries::Entry> keys;
        std::array<int64_t, 10> fitting{};
        bool known = false;
    };

    // Takes start record i from its summary when every placement passes; false
    // (and nothing changed) when one of them fails.
    bool passesWhole(int32_t i, const Below& below)
    {
        for (const ClosureSummaries::Entry& e : below.keys)
            if (judge(e.key).stops) return false;
        for (const ClosureSummaries::Entry& e : below.keys)
            if (const int32_t row = judge(e.key).counted; row >= 0) {
                if (added_[size_t(row)] == 0) touched_.push_back(row);
                added_[size_t(row)] = SaturatingAdd64(added_[size_t(row)], e.count);
            }
        if (below.fitting[size_t(n_ - 1)] > 0) lastStart_ = i;
        addCounters(below.fitting);
        reportLast(i, below.fitting);
        return true;
    }

    // The summary of start record i, or null when the summaries gave up.
    const Below* searchBelowUnlessAbandoned(int32_t i, ClosureSummaries& s)
    {
        if (!symmetric_) return summariseBelow(i, scratch_, s) ? &scratch_ : nullptr;
        Below& first = firstBlock_[size_t(i % scope_.blockSize)];
        if (!first.known && !summariseBelow(i % scope_.blockSize, first, s)) return nullptr;
        return &searchBelow(i, s);
    }

    // A start record of block g sees the search below the record of block 0
    // with every cell, block number and reference cell multiplied by g.
    const Below& searchBelow(int32_t i, const ClosureSummaries& s)
    {
        const Below& first = firstBlock_[size_t(i % scope_.blockSize)];
        const int g = int(i / scope_.blockSize);
        if (g == 0) return first;
        scratch_.keys.clear();
        for (const ClosureSummaries::Entry& e : first.keys)
            scratch_.keys.push_back({s.multiplied(e.key, g), e.count});
        scratch_.fitting = first.fitting;
        return scratch_;
    }

    // False when the summaries gave up on the way.
    bool summariseBelow(int32_t i, Below& into, ClosureSummaries& s)
    {
        const std::span<const ClosureSummaries::Entry> keys = s.startKeys(i);
        if (s.abandoned()) return false;
        into.keys.assign(keys.begin(), keys.end());
        int64_t placements = 0;
        for (const ClosureSummaries::Entry& e : keys) placements = SaturatingAdd64(placements, e.count);
        into.fitting.fill(0);
        into.fitting[0] = 1;
        for (int level = 1; level < n_; ++level) {
            into.fitting[size_t(level)] = into.fitting[size_t(level) - 1] == 0 ? 0
                                          : level == n_ - 1                    ? placements
                                                                               : s.fittingPlacements(level);
            if (s.abandoned()) return false;
        }
        into.known = true;
        return true;
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
        for (const int32_t row : touched_) {
            // Raised one placement at a time, the count would stop at the int32 maximum.
            ttHitCount[row] = SaturateToInt32(int64_t(ttHitCount[row]) + std::min(added_[size_t(row)], kCountCap));
            added_[size_t(row)] = 0;
        }
        touched_.clear();
        if (lastStart_ < 0) return;
        std::array<int32_t, 10> records;
        const bool any = walk_.lastPlacementFrom(lastStart_, n_, records, [&](int level) {
            return current_->completions(level + 1, walk_.grid()) > 0;
        });
        lastStart_ = -1;
        if (!any) return;
        outcome_.lastPlacement = records;
        outcome_.lastFound = true;
        lastFoundIndex = walk_.firstRowComposedBy(records);
    }

    static constexpr int64_t kCountCap = int64_t(1) << 62;
    static constexpr double kNoLimit = std::numeric_limits<double>::infinity();
    // A summary and a walk taking turns on one start record: each turn's limit
    // this many times the one before, and at least kLeastLimit seconds.
    static constexpr double kGrowth = 4;
    static constexpr double kLeastLimit = 1e-4;
    // A row past the list is walked first with this many records at most,
    // until counting rows has a cost to compare with.
    static constexpr int64_t kFirstBudgetPastTheList = 10000;
    static constexpr int64_t kTurnBudgetPastTheList = 50;   // EachInTurn: some rows walked, some counted

    // Records a walk of a search with these fitting placements places.
    static int64_t SizeOf(const std::array<int64_t, 10>& fitting)
    {
        int64_t size = 0;
        for (const int64_t f : fitting) size = SaturatingAdd64(size, f);
        return size;
    }

    // Records placed by the walk so far.
    static int64_t WalkedWork(const ClosureOutcome& o) { return SizeOf(o.levelFits); }

    const int n_;
    const ClosureMask mask_;
    const ClosureScope scope_;
    const ClosureProgressCallback& progress_;
    ClosureEnumeration walk_;
    ClosureCostModel model_;
    std::array<std::unique_ptr<ClosureSummaries>, 2> summaries_;   // by plan, once asked for
    ClosureSummaries* current_ = nullptr;   // the plan last used, for counts and guided walks
    std::unordered_map<uint64_t, Judgement> judged_;
    std::vector<int64_t> added_;     // counts raised by the summarised start records, not yet in ttHitCount
    std::vector<int32_t> touched_;   // the rows of added_ that are not 0
    int32_t listEnd_ = 0;            // start records from here on lie past the list
    bool symmetric_ = false;         // the list is its block 0 multiplied by the group
    std::vector<Below> firstBlock_;  // below each record of block 0, once known
    Below scratch_;                  // the summary of a start record of another block than 0
    int32_t lastStart_ = -1;         // the last summarised start record with a complete placement
    double countSeconds_ = 0;        // recent cost of counting a row past the list
    int64_t counted_ = 0;
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
