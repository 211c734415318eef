#include "tables1d/ClosureCostModel.h"

#include <algorithm>

namespace {

// A first try of a summary may take this many times the cheapest way's cost ...
constexpr double kFirstTry = 2;
// ... another try of a way not taken, this many ...
constexpr double kRetry = 2;
// ... and it comes once this many times what it is expected to take has been spent.
constexpr double kRetryShare = 32;
// A summary the check relies on is given up only far beyond what it and a walk cost.
constexpr double kGuard = 8;
// A walk that takes over from a first try of a summary, whose cost is not
// known yet, may take this many times the try before the summary goes on.
constexpr double kWalkAfterFirstTry = 1.5;
// One plan of summaries takes over from the other only when cheaper by this factor.
constexpr double kSwitchPlans = 0.75;
// A summary taking more than this many times its way's rate is counted at
// that rate times this: one search that meets many new boundaries must not
// make the way look dear for long.
constexpr double kSpike = 4;
// Weight of the newest start record in the usual size of a search.
constexpr double kSizeWeight = 0.1;
// What is left of a summary's earlier costs at each new one.
constexpr double kDecay = 0.85;

constexpr double kNone = std::numeric_limits<double>::infinity();

} // namespace

double ClosureCostModel::cost(Way way, int32_t shared) const
{
    // A walk given up tells its rate as well; a summary given up, no more than a bound.
    if ((way != Walk && !completed_[way]) || records_[way] <= 0 || !sized_) return kNone;
    return rate(way) * meanSize_ * (way == Walk ? double(std::max(shared, 1)) : 1.0);
}

ClosureCostModel::Choice ClosureCostModel::choose(int32_t shared) const
{
    // The cheaper plan of summaries, the one last completed unless the other is clearly cheaper.
    const Way summaries[] = {SummaryByOpenCells, SummaryByBoundaries};
    Way plan = plan_;
    const Way other = plan == SummaryByOpenCells ? SummaryByBoundaries : SummaryByOpenCells;
    if (excluded_[plan] || (!excluded_[other] && cost(other, shared) < kSwitchPlans * cost(plan, shared)) ||
        cost(plan, shared) == kNone)
        plan = other;
    Way best = Walk;
    double least = cost(Walk, shared);
    if (!excluded_[plan] && cost(plan, shared) < least) {
        best = plan;
        least = cost(plan, shared);
    }
    // A summary the check relies on is given up only far beyond what it and a walk cost.
    const Choice cheapest{best, best == Walk ? kNone : kGuard * std::max(cost(Walk, shared), least), Walk, kNone};
    // A summary not tried yet, then now and then a way not taken, is tried
    // within a few times the cheapest way's cost, which takes over when the
    // try is given up.
    // The cheapest way's cost for this start record alone bounds the try: a
    // check that stops early gains nothing from what a summary would serve later.
    const double alone = std::min(least, cost(Walk, 1));
    for (const Way w : summaries)
        if (!excluded_[w] && !tried_[w])
            return {w, kFirstTry * alone, cheapest.way,
                    cheapest.way == Walk ? kWalkAfterFirstTry * kFirstTry * alone : cheapest.limit};
    for (const Way w : summaries)
        if (w != best && !excluded_[w] && since_[w] >= kRetryShare * std::min(attempt(w), kFirstTry * alone))
            return {w, kRetry * alone, cheapest.way, cheapest.limit};
    return cheapest;
}

void ClosureCostModel::took(Way way, double seconds, int64_t size, bool whole)
{
    if (way == Walk) {
        seconds_[Walk] += seconds;
        records_[Walk] += double(size);
        // A walk given up still says the search is at least that large.
        if (whole || !sized_ || double(size) > meanSize_) sized(size);
    } else if (whole && !completed_[way]) {
        // The first summary completed replaces the bounds the tries given up left.
        seconds_[way] = seconds;
        records_[way] = double(size);
        sized(size);
    } else {
        // A summary given up would have taken longer: counted as twice as long.
        if (whole) seconds = std::min(seconds, kSpike * rate(way) * double(size));
        seconds_[way] = kDecay * seconds_[way] + (whole ? seconds : 2 * seconds);
        records_[way] = kDecay * records_[way] + double(size);
        if (whole) sized(size);
    }
    tried_[way] = true;
    completed_[way] = completed_[way] || whole;
    if (way != Walk && whole) plan_ = way;
    for (double& since : since_) since += seconds;
    since_[way] = 0;
}

double ClosureCostModel::attempt(Way way) const
{
    return records_[way] > 0 && sized_ ? rate(way) * meanSize_ : kNone;
}

void ClosureCostModel::sized(int64_t size)
{
    meanSize_ = sized_ ? (1 - kSizeWeight) * meanSize_ + kSizeWeight * double(size) : double(size);
    sized_ = true;
}
