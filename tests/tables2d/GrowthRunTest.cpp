// The growth step on small tori worked by hand, the seeding's draws, and the
// events, elements and fronts derived from hand-laid histories.
#include "Tables2dTestSupport.h"

#include "base/Random.h"
#include "engine/StringState.h"
#include "tables2d/GrowthEventDerivation.h"

#include <random>

using namespace table2dtest;

namespace {

using Cells = std::vector<std::vector<uint8_t>>;

void LayLayer1(const Cells& rows)
{
    for (size_t i = 0; i < rows.size(); ++i)
        for (size_t j = 0; j < rows[i].size(); ++j) growthLayer1Cells[i][j] = rows[i][j];
}

Cells Layer1(int n)
{
    Cells rows(n, std::vector<uint8_t>(n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) rows[i][j] = growthLayer1Cells[i][j];
    return rows;
}

void StepLayer1(const GrowthSetup& setup)
{
    StepGrowthLayer(growthLayer1Cells, growthLayer1History, stepCount, stopTimeA, stringAStopState, setup);
}

TEST(GrowthRun, StepsOfSmallToriWorkedByHand)
{
    LayStartupMask2dTables();
    // The 0 empties its neighbours and becomes 1, reading the step's copy; the lone 1 stays.
    LayLayer1({{2, 2, 2, 2}, {2, 1, 2, 2}, {2, 2, 0, 2}, {2, 2, 2, 2}});
    StepLayer1(MakeGrowthSetup(4, 0));
    EXPECT_EQ(Layer1(4), (Cells{{2, 2, 2, 2}, {2, 0, 0, 2}, {2, 0, 1, 0}, {2, 2, 0, 2}}));
    EXPECT_EQ(stringAStopState, 0);   // 0s are left

    // "Cross +1" with its extra point 6 columns left: on a 4 x 4 torus two right, past the cross.
    mask2dPointTables[1][5] = {-6, 0};
    LayLayer1({{1, 2, 0, 2}, {2, 2, 2, 2}, {2, 2, 2, 2}, {2, 2, 2, 2}});
    StepLayer1(MakeGrowthSetup(4, 1));
    EXPECT_EQ(growthLayer1Cells[0][0], 2);
    LayLayer1({{1, 2, 0, 2}, {2, 2, 2, 2}, {2, 2, 2, 2}, {2, 2, 2, 2}});
    StepLayer1(MakeGrowthSetup(4, 0));
    EXPECT_EQ(growthLayer1Cells[0][0], 0);

    // All 2s stop after one step; a step past the history planes makes the run unsuccessful.
    LayLayer1(Cells(4, std::vector<uint8_t>(4, 2)));
    isRunSuccessful = 1;
    StepLayer1(MakeGrowthSetup(4, 0));
    EXPECT_EQ(stringAStopState, 1);
    stepCount = kGrowthHistoryPlanes;
    StepLayer1(MakeGrowthSetup(4, 0));
    EXPECT_EQ(isRunSuccessful, 0);
}

TEST(GrowthRun, TheRandomSeedingTakesItsDrawsInOrder)
{
    // Two blocks of four draws, two cells of two, n, then 9n cells of two.
    SeedRandom(12345);
    for (int k = 0; k < 12; ++k) Rand();
    const int32_t n = Rand() % 8;
    for (int k = 0; k < 18 * n; ++k) Rand();
    const int32_t next = Rand();

    SeedRandom(12345);
    ResetGrowthRun(10);
    SeedGrowthLayerRandomly(10);
    EXPECT_EQ(Rand(), next);
    const Cells first = Layer1(10);
    SeedRandom(12345);
    ResetGrowthRun(10);
    SeedGrowthLayerRandomly(10);
    EXPECT_EQ(Layer1(10), first);

    SeedRandom(7);   // a side below 2 has no blocks: nothing is drawn
    SeedGrowthLayerRandomly(1);
    EXPECT_EQ(randomState, 7u);
}

// The events of every cell in the order the cell meets them, as the cell's own
// walk through its history finds them: random histories of both layers.
TEST(GrowthEvents, EveryCellsEventsInTheOrderOfItsHistory)
{
    std::mt19937 rng(3);
    const int32_t n = 5, planes = 40;
    for (int32_t t = 0; t < planes; ++t)
        for (int32_t i = 0; i < n; ++i)
            for (int32_t j = 0; j < n; ++j) {
                growthLayer1History[t][i][j] = uint8_t(rng() % 3);
                growthLayer2History[t][i][j] = uint8_t(rng() % 3);
            }
    stopTimeA = stopTimeB = planes;
    const GrowthEventCounts counts = DeriveGrowthEvents(n);
    struct Layer {
        const GrowthHistory& history;
        const GrowthPlanes32 &state, &step;
        const GrowthPlanes16 &two, &zero;
        int32_t count;
    };
    for (const Layer& layer :
         {Layer{growthLayer1History, growthEventState1, growthEventStep1, growthTwoEventStep1, growthZeroEventStep1,
                counts.layer1},
          Layer{growthLayer2History, growthEventState2, growthEventStep2, growthTwoEventStep2, growthZeroEventStep2,
                counts.layer2}})
        for (int32_t i = 0; i < n; ++i)
            for (int32_t j = 0; j < n; ++j) {
                int32_t k = 0;
                for (int32_t t = 0; t < planes; ++t) {
                    const uint8_t s = layer.history[t][i][j];
                    if (s == 1) continue;
                    EXPECT_EQ(layer.state[k][i][j], s);
                    EXPECT_EQ(layer.step[k][i][j], t);
                    EXPECT_EQ(layer.two[k][i][j], s == 2 ? t : 65535);
                    EXPECT_EQ(layer.zero[k][i][j], s == 2 ? 65535 : t);
                    ++k;
                }
                if (i == n - 1 && j == n - 1) {
                    EXPECT_EQ(layer.count, k);   // the last cell's count
                }
            }
}

TEST(GrowthEvents, EventsElementsAndFrontsWorkedByHand)
{
    // 2 x 2 torus; cells but (0, 0): layer 1 has 2, 0, 2 at planes 1, 3, 5, layer 2 has
    // 0, 2, 0 at 0, 3, 4. Cell (0, 0) has a 2 at plane 0 in both layers.
    const uint8_t cell1[6] = {1, 2, 1, 0, 1, 2}, cell2[6] = {0, 1, 1, 2, 0, 1};
    const uint8_t first1[6] = {2, 1, 1, 0, 1, 2}, first2[6] = {2, 1, 1, 2, 0, 1};
    for (int t = 0; t < 6; ++t)
        for (int c = 0; c < 4; ++c) {
            growthLayer1History[t][c / 2][c % 2] = c == 0 ? first1[t] : cell1[t];
            growthLayer2History[t][c / 2][c % 2] = c == 0 ? first2[t] : cell2[t];
        }
    stopTimeA = stopTimeB = 6;
    const GrowthEventCounts counts = DeriveGrowthEvents(2);
    EXPECT_FALSE(counts.mismatch);
    EXPECT_EQ(historyRowCount, 3);
    EXPECT_EQ(growthEventStep1[1][1][1], 3);
    EXPECT_EQ(growthZeroEventStep1[1][1][1], 3);
    // Elements: the step mod 3, plus 3 for a 0.
    EXPECT_EQ(growthEventElement1[1][1][1], 3);
    EXPECT_EQ(growthEventElement2[2][1][1], 4);
    ASSERT_EQ(counts.warnings.size(), 1u);
    EXPECT_EQ(GrowthEventWarningText(counts.warnings[0]), "t=0 x=0 y=0 Q+Q*=2");

    growthFrontDiffIncrement[2][1][1] = 77;
    DeriveGrowthFronts(2);
    // Fronts pair layer 1's events with layer 2's of the other kind: 1/0, 3/3, 5/4.
    EXPECT_EQ(growthFrontStep2[0][1][1], 0);
    EXPECT_EQ(growthFrontDiffIncrement[0][1][1], -1);
    EXPECT_EQ(growthFrontDiffIncrement[1][1][1], 1);
    EXPECT_EQ(growthFrontDiffIncrement[2][1][1], 77);   // the last event has no successor
    EXPECT_EQ(growthFrontStep2[0][0][0], -1);           // same kind: no front 2

    // A run stepped past its histories is derived from the 500 planes it has.
    stopTimeA = stopTimeB = 2000;
    DeriveGrowthEvents(27);
    DeriveGrowthFronts(27);
    EXPECT_LE(historyRowCount, kGrowthHistoryPlanes);
}

// The derivation in slices of any budget leaves every array, historyRowCount
// and the counts as the derivation at once does, entries beyond a cell's own
// events included: random histories on a 7 x 7 torus whose layers either agree
// in their event counts (with a few same-kind events, for the warnings) or not.
TEST(GrowthEvents, TheDerivationInSlicesEndsAsTheDerivationAtOnce)
{
    struct Arrays {
        std::vector<int32_t> words;
        std::vector<uint16_t> halves;
        int32_t rows = 0;
    };
    GrowthPlanes32* const words[] = {&growthEventState1, &growthEventState2, &growthEventStep1, &growthEventStep2,
                                     &growthEventElement1, &growthEventElement2, &growthFrontStep1, &growthFrontStep2,
                                     &growthFrontDiff, &growthFrontDiffIncrement};
    GrowthPlanes16* const halves[] = {&growthTwoEventStep1, &growthZeroEventStep1, &growthTwoEventStep2,
                                      &growthZeroEventStep2};
    const auto lay = [&](uint32_t pattern) {   // what an earlier run left
        for (GrowthPlanes32* a : words) std::fill_n(&(*a)[0][0][0], kGrowthEventPlanes * kGrowthSide * kGrowthSide, int32_t(pattern));
        for (GrowthPlanes16* a : halves) std::fill_n(&(*a)[0][0][0], kGrowthEventPlanes * kGrowthSide * kGrowthSide, uint16_t(pattern));
        historyRowCount = 9;
        isGrowthEventCountMismatch = 0;
    };
    const auto taken = [&] {
        Arrays a;
        for (GrowthPlanes32* w : words) a.words.insert(a.words.end(), &(*w)[0][0][0], &(*w)[0][0][0] + kGrowthEventPlanes * kGrowthSide * kGrowthSide);
        for (GrowthPlanes16* h : halves) a.halves.insert(a.halves.end(), &(*h)[0][0][0], &(*h)[0][0][0] + kGrowthEventPlanes * kGrowthSide * kGrowthSide);
        a.rows = historyRowCount;
        return a;
    };
    std::mt19937 rng(5);
    const int32_t n = 7;
    for (const bool agree : {true, false}) {
        SCOPED_TRACE(agree ? "counts agree" : "counts differ");
        stopTimeA = 61;
        stopTimeB = 58;
        for (int32_t t = 0; t < kGrowthHistoryPlanes; ++t)
            for (int32_t i = 0; i < n; ++i)
                for (int32_t j = 0; j < n; ++j) {
                    const uint8_t s = uint8_t(rng() % 3);
                    growthLayer1History[t][i][j] = s;
                    // The other kind where layer 1 has an event, now and then the same.
                    growthLayer2History[t][i][j] = s == 1 ? 1 : (rng() % 40 == 0 ? s : uint8_t(2 - s));
                }
        if (agree) stopTimeB = stopTimeA;

        lay(0x5A5A5A5A);
        const GrowthEventCounts whole = DeriveGrowthEvents(n);
        DeriveGrowthFronts(n);
        const Arrays expected = taken();
        EXPECT_EQ(whole.mismatch, !agree);
        EXPECT_EQ(whole.warnings.empty(), !agree);

        for (const int64_t budget : {int64_t{1}, int64_t{n * n * 3 + 5}, int64_t{5000}}) {
            SCOPED_TRACE(budget);
            lay(0x5A5A5A5A);
            GrowthDerivationSlices slices(n);
            int shares = 0;
            for (int64_t left = budget; !slices.deriveEvents(left); left = budget) ++shares;
            EXPECT_EQ(slices.counts().layer1, whole.layer1);
            EXPECT_EQ(slices.counts().layer2, whole.layer2);
            EXPECT_EQ(slices.counts().mismatch, whole.mismatch);
            ASSERT_EQ(slices.counts().warnings.size(), whole.warnings.size());
            for (size_t w = 0; w < whole.warnings.size(); ++w)
                EXPECT_EQ(GrowthEventWarningText(slices.counts().warnings[w]), GrowthEventWarningText(whole.warnings[w]));
            for (int64_t left = budget; !slices.deriveFronts(left); left = budget) ++shares;
            const Arrays sliced = taken();
            EXPECT_EQ(sliced.rows, expected.rows);
            EXPECT_TRUE(sliced.words == expected.words);
            EXPECT_TRUE(sliced.halves == expected.halves);
            if (budget < 5000) {
                EXPECT_GT(shares, 10);
            }
        }
    }
}

} // namespace
