#include "tables2d/TForm1GrowthRunEnd.h"

#include "app/TForm1.h"
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
    // Each share with an unbounded budget takes at least one stage.
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

    if (runEnd->stage == RunEnd::Stage::Events) {
        if (!runEnd->derivation.deriveEvents(budget)) return rearm();
        runEnd->stage = RunEnd::Stage::Fronts;
        const std::vector<GrowthEventWarning> warnings = runEnd->derivation.counts().warnings;
        for (const GrowthEventWarning& warning : warnings)
            ShowMessage(QString::fromStdString(GrowthEventWarningText(warning)), "Warning");
    }
    if (runEnd->stage == RunEnd::Stage::Fronts) {
        if (!runEnd->derivation.deriveFronts(budget)) return rearm();
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
        if (WalkHarvest(*runEnd->harvest, budget)) runEnd->stage = RunEnd::Stage::List;
        // The listing with the file, and the grid, take a tick each.
        return rearm();
    }
    if (runEnd->stage == RunEnd::Stage::List) {
        runEnd->stage = RunEnd::Stage::Show;
        const HarvestWork work = *runEnd->harvest;
        if (!ListHarvest(form, work)) return EndsHere(form);
        return rearm();
    }
    const HarvestWork work = *runEnd->harvest;
    runEnd.reset();
    ShowHarvest(form, work);
    EndsHere(form);
}
