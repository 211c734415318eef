#pragma once
// The end of a successful growth run on the ticks of Timer13: the event
// derivation and the fronts, then the harvest of the mask's point count (its
// walk over the events, the listing with its table file, and the grid). The
// end runs in the tick whose step ended the run whenever it fits that tick's
// budget; an end that does not fit goes on over the following ticks, each of
// which spends a budget of its own: the derivation and the walk a few planes
// at a time, the listing and the grid whole. The work and its order are those
// of "Pdb Pdb2 161" followed by the harvester, and the outcome is the same;
// only the next run may start a few ticks later.
//
// A harvest itself comes in four steps, which the harvest buttons run at once
// and the chain over its ticks: the harvester's checks, the walk over the
// events, the listing with the table file, and the grid.
#include "mask2d/Mask2dTables.h"
#include "tables2d/FivePointHarvest.h"
#include "tables2d/GrowthRun.h"

#include <cstdint>
#include <optional>

class TForm1;

struct HarvestWork {
    int pointCount = 0;                            // 5..9
    int32_t side = 0;                              // the torus of the run
    Mask2dPoint points[kGrowthMaskPoints] = {};    // the point table the walk reads
    int maskItem = 0;                              // the mask the tables are noted to hold
    int32_t nextEvent = 1;                         // the first event the walk has not taken yet
    bool walked = false;                           // the walk is through (or ended at a conflict)
    FivePointWalk five;                            // five points: what the walk met
};

// The checks of the harvester of pointCount points (5..9); nullopt when it
// harvests nothing (no successful run, or a refusal it has reported).
std::optional<HarvestWork> BeginHarvest(TForm1& form, int pointCount);
// Walks events while the budget lasts (in cell-planes: an event of the walk
// costs side * side); true once the walk is through.
bool WalkHarvest(HarvestWork& work, int64_t& budget);
// What follows the walk: the listing and the table file; false when the
// harvester ends there (a refusal it has reported), without a grid.
bool ListHarvest(TForm1& form, const HarvestWork& work);
// The listed table in the grid of "CH II".
void ShowHarvest(TForm1& form, const HarvestWork& work);
// All four at once, as the harvest buttons run them.
void RunHarvest(TForm1& form, int pointCount);

// Each harvester's own checks and what follows its walk.
bool BeginFivePointHarvest(TForm1& form, HarvestWork& work);
bool ListFivePointHarvest(TForm1& form, const HarvestWork& work);
bool BeginSixPointHarvest(TForm1& form, HarvestWork& work);
bool BeginNormalisedHarvest(TForm1& form, HarvestWork& work);       // seven to nine points
bool ListNormalisedHarvest(TForm1& form, const HarvestWork& work);  // six to nine points

// A tick's budget, a tenth of Timer13's 10 ms interval. The costs of the end
// are estimates in nanoseconds, about twice what the growth chain benchmark
// measures, so that a tick keeps to its budget also on a slower machine.
constexpr int64_t kGrowthRunEndBudget = 1'000'000;

// What the tick that ends a run on a torus of `side` spends before the end
// begins: the step (drawn: layer 1 drawn at every step), the four labels of
// the end and their repaint.
int64_t GrowthRunStopCost(int32_t side, bool layerDrawn);

// A successful run has ended on the torus of `side`: its end begins with
// ContinueGrowthRunEnd, in the same tick.
void BeginGrowthRunEnd(int32_t side);
bool IsGrowthRunEnding();
// "Stop" or a new run: a run that has ended is harvested as if its end had
// come within its last tick, so nothing of it is lost; the rest of the end is
// done at once. Called from within the end itself (a harvester that stops the
// generator after a failed write), it leaves the end to finish where it stands.
void FinishGrowthRunEnd(TForm1& form);
// What fits the budget of the end (nanoseconds, estimated), with Timer13 off
// meanwhile (message boxes shown on the way let no tick in): the derivation
// and the walk as far as the budget goes, the listing and the grid when
// their estimates fit what is left, or whole in a tick of their own. Timer13
// is on again afterwards while work is left; when the end is through, the
// next run of the generator is armed.
void ContinueGrowthRunEnd(TForm1& form, int64_t budget = kGrowthRunEndBudget);
