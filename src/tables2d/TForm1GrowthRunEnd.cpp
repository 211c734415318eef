#include "tables2d/TForm1GrowthRunEnd.h"

#include "app/TForm1.h"
#include "base/TableRecords.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/TableGenerator.h"
#include "tables2d/GrowthEventDerivation.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/GrowthWindows.h"
#include "tables2d/NormalisedHarvest.h"
#include "widgets/Dialogs.h"

#include <algorithm>
#include <vector>

std::optional<HarvestWork> BeginHarvest(TForm1& form, int pointCount)
{
    HarvestWork work;
    work.pointCount = pointCount;
    work.side = growthSetup.side;
    bool harvests = false;
    if (pointCount == 5)
        harvests = BeginFivePointHarvest(form, work);
    else if (pointCount == 6)
        harvests = BeginSixPointHarvest(form, work);
    else if (pointCount >= 7 && pointCount <= kGrowthMaskPoints)
        harvests = BeginNormalisedHarvest(form, work);
    if (!harvests) return std::nullopt;
    return work;
}

bool WalkHarvest(HarvestWork& work, int64_t& budget)
{
    const int32_t last = LastGrowthWindowEvent();
    const int32_t n = std::clamp(work.side, 0, kGrowthSide);
    const int64_t cost = std::max<int64_t>(1, int64_t(n) * n);
    while (!work.walked) {
        if (work.nextEvent > last) {
            work.walked = true;
            break;
        }
        if (budget <= 0) return false;
        const int64_t events = std::min<int64_t>(std::max<int64_t>(1, budget / cost), last - work.nextEvent + 1);
        const int32_t to = work.nextEvent + int32_t(events) - 1;
        if (work.pointCount == 5) {
            Mask2dPoint cross[5];
            std::copy_n(work.points, 5, cross);
            const FivePointWalk part = WalkFivePointWindows(work.side, cross, work.nextEvent, to);
            work.five.windows += part.windows;
            work.five.skippedWindows += part.skippedWindows;
            if (part.conflict) {
                work.five.conflict = true;
                work.five.event = part.event;
                work.five.i = part.i;
                work.five.j = part.j;
                work.walked = true;
            }
        } else {
            WalkNormalisedWindows(work.side, work.points, work.pointCount, work.nextEvent, to);
        }
        budget -= events * cost;
        work.nextEvent = to + 1;
    }
    return true;
}

bool ListHarvest(TForm1& form, const HarvestWork& work)
{
    return work.pointCount == 5 ? ListFivePointHarvest(form, work) : ListNormalisedHarvest(form, work);
}

void ShowHarvest(TForm1& form, const HarvestWork& work)
{
    if (work.pointCount == 5)
        form.FillHarvestGrid(5);
    else
        form.FillTable2dGrid(work.pointCount);
}

void RunHarvest(TForm1& form, int pointCount)
{
    std::optional<HarvestWork> work = BeginHarvest(form, pointCount);
    if (!work) return;
    int64_t whole = INT64_MAX;
    WalkHarvest(*work, whole);
    if (ListHarvest(form, *work)) ShowHarvest(form, *work);
}

namespace {

// The estimated costs, in nanoseconds, of the stages of a run's end and of
// the tick that ends a run: about twice the mean that the growth chain
// benchmark measures on saturated tables (given after each).
constexpr int64_t kEventCellCost = 16;      // a cell of a plane in a pass of the events: 5-10
constexpr int64_t kFrontCellCost = 24;      // a cell of a plane in the pass of the fronts: 8-13
constexpr int64_t kWalkedPointCost = 6;     // a point of a window of the walk: 2-3
constexpr int64_t kListCost = 200'000;      // the listing with its table file: 100 us
constexpr int64_t kListedRecordCost = 12;   //   and 6 a record
constexpr int64_t kShowCost = 150'000;      // the grid: 60-90 us
constexpr int64_t kShownRecordCost = 6;     //   and 3 a record
constexpr int64_t kStopCost = 250'000;      // the last step, the four labels and their repaint: 0.11 ms
constexpr int64_t kSteppedCellCost = 100;   //   and a cell of the torus: 30
constexpr int64_t kDrawCost = 100'000;      // layer 1 drawn at the step: 40 us
constexpr int64_t kDrawnCellCost = 1'500;   //   and 800 a cell

// Runs `slice`, which spends a budget of cells, on what is left of `budget`
// at `cellCost` a cell; true when the slice is through.
template <class Slice>
bool SpendOnCells(int64_t& budget, int64_t cellCost, Slice slice)
{
    const int64_t cells = budget / cellCost;
    int64_t left = cells;
    const bool through = slice(left);
    budget -= (cells - left) * cellCost;
    return through;
}

// A stage that is done whole: in what is left of the tick when its estimate
// fits there, or in a tick of its own, with the whole budget, however long
// it takes.
bool Fits(int64_t cost, int64_t budget) { return cost <= budget || budget >= kGrowthRunEndBudget; }

// The listing of the keys the tables hold (it refuses more than the list
// takes) with the table file.
int64_t ListCost(const HarvestWork& work)
{
    const int64_t keys = std::min<int64_t>(int64_t(UsedKeys(work.pointCount).size()), kGeneratorMaxKeys);
    return kListCost + 6 * keys * kListedRecordCost;
}

int64_t ShowCost() { return kShowCost + ListedRecordCount() * kShownRecordCost; }

struct RunEnd {
    explicit RunEnd(int32_t side) : derivation(side) {}

    enum class Stage { Events, Fronts, Walk, List, Show } stage = Stage::Events;
    GrowthDerivationSlices derivation;
    std::optional<HarvestWork> harvest;
};

std::optional<RunEnd> runEnd;

// The chain goes on after the end of a run as after a run that failed.
void EndsHere(TForm1& form)
{
    runEnd.reset();
    if (isTableGenerator2dRunning) form.Timer18->setEnabled(true);
}

} // namespace

int64_t GrowthRunStopCost(int32_t side, bool layerDrawn)
{
    const int64_t cells = int64_t(side) * side;
    return kStopCost + cells * kSteppedCellCost + (layerDrawn ? kDrawCost + cells * kDrawnCellCost : 0);
}

void BeginGrowthRunEnd(int32_t side) { runEnd.emplace(side); }

bool IsGrowthRunEnding() { return runEnd.has_value(); }

namespace {

// Whether a share of the end is being done (a message box on the way may call
// back into "Stop").
bool endUnderWay = false;

} // namespace

void FinishGrowthRunEnd(TForm1& form)
{
    if (endUnderWay) return;
    // An unbounded budget takes the whole end in one share.
    while (runEnd) ContinueGrowthRunEnd(form, INT64_MAX);
}

void ContinueGrowthRunEnd(TForm1& form, int64_t budget)
{
    if (!runEnd) return;
    form.Timer13->setEnabled(false);
    endUnderWay = true;
    struct Leave {
        ~Leave() { endUnderWay = false; }
    } leave;
    // A harvester that stops the generator on the way ("Stop" after a failed
    // write) leaves this end to go on: the run has ended, and is harvested.
    const auto rearm = [&form] { form.Timer13->setEnabled(true); };

    GrowthDerivationSlices& derivation = runEnd->derivation;
    if (runEnd->stage == RunEnd::Stage::Events) {
        if (!SpendOnCells(budget, kEventCellCost, [&](int64_t& cells) { return derivation.deriveEvents(cells); }))
            return rearm();
        runEnd->stage = RunEnd::Stage::Fronts;
        const std::vector<GrowthEventWarning> warnings = runEnd->derivation.counts().warnings;
        for (const GrowthEventWarning& warning : warnings)
            ShowMessage(QString::fromStdString(GrowthEventWarningText(warning)), "Warning");
    }
    if (runEnd->stage == RunEnd::Stage::Fronts) {
        if (!SpendOnCells(budget, kFrontCellCost, [&](int64_t& cells) { return derivation.deriveFronts(cells); }))
            return rearm();
        runEnd->stage = RunEnd::Stage::Walk;
        // Layers whose last cell ended with different event counts leave the
        // element arrays of an earlier run: harvesting them would pair those
        // elements with this run's fronts.
        std::optional<HarvestWork> harvest;
        if (isGrowthEventCountMismatch == 0) harvest = BeginHarvest(form, mask2dPointCount);
        if (!harvest) return EndsHere(form);
        runEnd->harvest = std::move(harvest);
    }
    if (runEnd->stage == RunEnd::Stage::Walk) {
        HarvestWork& work = *runEnd->harvest;
        if (!SpendOnCells(budget, kWalkedPointCost * work.pointCount,
                          [&work](int64_t& cells) { return WalkHarvest(work, cells); }))
            return rearm();
        runEnd->stage = RunEnd::Stage::List;
    }
    if (runEnd->stage == RunEnd::Stage::List) {
        const HarvestWork work = *runEnd->harvest;
        const int64_t cost = ListCost(work);
        if (!Fits(cost, budget)) return rearm();
        budget -= cost;
        runEnd->stage = RunEnd::Stage::Show;
        if (!ListHarvest(form, work)) return EndsHere(form);
    }
    const int64_t cost = ShowCost();
    if (!Fits(cost, budget)) return rearm();
    const HarvestWork work = *runEnd->harvest;
    runEnd.reset();
    ShowHarvest(form, work);
    EndsHere(form);
}
