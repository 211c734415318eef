// The closure check's choice of way, on searches whose costs are given: a
// check of many start records of varied sizes, each way costing so much per
// record of a search, and a summary given up at the limit the choice sets.
// Whatever the costs, the check must come out close to its cheapest fixed
// way: never much dearer than walking throughout, and about as cheap as
// summarising throughout where summaries win.
#include "tables1d/ClosureCostModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace {

using Way = ClosureCostModel::Way;

// Seconds per record of a search, for each way; a summary's may vary from one
// start record to the next by a factor up to `spread`.
struct Costs {
    std::array<double, 3> perRecord;
    double spread = 1;
    double spikes = 0;   // the share of start records whose summaries cost fifteen times as much
};

struct Totals {
    double chosen = 0;                  // the check as the model takes it
    std::array<double, 3> fixed{};      // each way throughout
    std::array<int, 3> taken{};         // start records each way took
};

Totals Simulate(const Costs& costs, uint32_t seed, int starts = 2000)
{
    std::mt19937 rng(seed);
    std::lognormal_distribution<double> sizes(12, 1.5);   // a few hundred to millions of records
    std::uniform_real_distribution<double> spread(1, costs.spread);
    ClosureCostModel model;
    Totals t;
    // The first walk, given up after its budget, as the check begins.
    model.took(ClosureCostModel::Walk, costs.perRecord[0] * 2e5, 200000, false);
    t.chosen += costs.perRecord[0] * 2e5;
    for (int i = 0; i < starts; ++i) {
        const int64_t size = int64_t(sizes(rng)) + 1;
        std::array<double, 3> cost;
        for (int w = 0; w < 3; ++w) cost[size_t(w)] = costs.perRecord[size_t(w)] * double(size) * (w ? spread(rng) : 1);
        if (std::uniform_real_distribution<double>(0, 1)(rng) < costs.spikes)
            for (int w = 1; w < 3; ++w) cost[size_t(w)] *= 15;
        for (int w = 0; w < 3; ++w) t.fixed[size_t(w)] += cost[size_t(w)];
        ClosureCostModel::Choice c = model.choose(1);
        // As the check takes a start record: a way given up at its limit hands
        // over to its fallback; a walk given up hands back to the summary,
        // which goes on where it stopped, the two taking turns on limits
        // growing fourfold.
        std::array<double, 3> spent{};
        double summaryLimit = 0;
        for (;;) {
            const size_t w = size_t(c.way);
            const double needed = cost[w] - spent[w];
            if (needed > c.limit) {
                t.chosen += c.limit;
                if (c.way == ClosureCostModel::Walk) {
                    model.took(ClosureCostModel::Walk, c.limit, int64_t(c.limit / costs.perRecord[0]), false);
                    c = {c.fallback, std::max(4 * summaryLimit, 1e-4), ClosureCostModel::Walk, std::max(4 * c.limit, 1e-4)};
                } else {
                    spent[w] += c.limit;
                    summaryLimit = c.limit;
                    const Way next = c.fallback == ClosureCostModel::Walk ? c.way : ClosureCostModel::Walk;
                    c = {c.fallback, c.fallbackLimit, next};
                }
                continue;
            }
            t.chosen += needed;
            ++t.taken[w];
            model.took(c.way, cost[w], size, true);
            for (size_t g = 1; g < 3; ++g)
                if (g != w && spent[g] > 0) model.took(Way(g), spent[g], size, false);
            break;
        }
    }
    return t;
}

double Cheapest(const Totals& t) { return *std::min_element(t.fixed.begin(), t.fixed.end()); }

TEST(ClosureCostModel, SummariesDearerThanWalkingCostLittleMoreThanTheWalk)
{
    // Summaries ten and forty times dearer per record, varying fivefold from one start record to the next.
    for (const Costs& costs : {Costs{{3e-8, 3e-7, 4e-7}, 5}, Costs{{3e-8, 1.2e-6, 3e-7}, 5}})
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            const Totals t = Simulate(costs, seed);
            EXPECT_LT(t.chosen, 1.1 * t.fixed[0]) << "seed " << seed;
            EXPECT_GT(t.taken[0], 1900);
        }
    // A short check with summaries a hundred times dearer: their first tries are cut short.
    for (uint32_t seed = 1; seed <= 3; ++seed) {
        const Totals t = Simulate(Costs{{3e-8, 3e-6, 3e-6}, 1}, seed, 40);
        EXPECT_LT(t.chosen, 1.5 * t.fixed[0]) << "seed " << seed;
    }
}

TEST(ClosureCostModel, SummariesCheaperThanWalkingAreTakenAndTheCheaperPlanMost)
{
    // Summaries a hundred times cheaper, one plan twice as cheap as the other.
    for (const Costs& costs : {Costs{{3e-8, 3e-10, 6e-10}, 3}, Costs{{3e-8, 8e-10, 4e-10}, 3}})
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            const Totals t = Simulate(costs, seed);
            EXPECT_LT(t.chosen, 1.1 * Cheapest(t)) << "seed " << seed;
            const int better = costs.perRecord[1] < costs.perRecord[2] ? 1 : 2;
            EXPECT_GT(t.taken[size_t(better)], 1500) << "seed " << seed;
        }
}

// Now and then a summary meets boundaries it has not seen and costs far more
// than usual (as the plan that serves a saturated table best does): the
// other plan, five times dearer, must not take over for long.
TEST(ClosureCostModel, ADearSummaryNowAndThenKeepsTheCheaperPlan)
{
    for (uint32_t seed = 1; seed <= 3; ++seed) {
        const Totals t = Simulate(Costs{{3e-8, 1.2e-9, 2.5e-10}, 3, 0.02}, seed);
        EXPECT_LT(t.chosen, 1.15 * t.fixed[2]) << "seed " << seed;
        EXPECT_GT(t.taken[2], 1900) << "seed " << seed;
    }
}

TEST(ClosureCostModel, WaysOfAboutTheSameCostNeverCostMuchMoreThanEither)
{
    // Walking and summarising within a factor two of each other, the summaries varying widely.
    for (const Costs& costs : {Costs{{3e-8, 2e-8, 5e-8}, 8}, Costs{{3e-8, 6e-8, 4e-8}, 2}})
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            const Totals t = Simulate(costs, seed);
            EXPECT_LT(t.chosen, 1.1 * Cheapest(t)) << "seed " << seed;
        }
}

TEST(ClosureCostModel, ASummaryThatServesSeveralStartRecordsIsWeighedAgainstAllTheirWalks)
{
    // A summary as dear as two walks, serving six start records: it is taken.
    ClosureCostModel model;
    model.took(ClosureCostModel::Walk, 0.01, 100000, true);
    model.took(ClosureCostModel::SummaryByOpenCells, 0.02, 100000, true);
    model.took(ClosureCostModel::SummaryByBoundaries, 0.04, 100000, true);
    EXPECT_EQ(model.choose(1).way, ClosureCostModel::Walk);
    EXPECT_EQ(model.choose(6).way, ClosureCostModel::SummaryByOpenCells);
    // A summary given up is not relied on until it completes.
    ClosureCostModel fresh;
    fresh.took(ClosureCostModel::Walk, 0.01, 100000, true);
    fresh.took(ClosureCostModel::SummaryByOpenCells, 0.0001, 100000, false);
    fresh.took(ClosureCostModel::SummaryByBoundaries, 0.0001, 100000, false);
    EXPECT_EQ(fresh.choose(6).way, ClosureCostModel::Walk);
}

} // namespace
