#pragma once
// The end of a successful growth run, spread over the ticks of Timer13 so that
// each tick stays short however large the torus and the table: the event
// derivation and the fronts, then the harvest of the mask's point count,
// walked over a few events at a time, and last its listing, table file and
// grid. Each tick spends a fixed budget of cell-planes (a plane of the torus
// in one pass of the derivation or of the walk). The work and its order are
// those of "Pdb Pdb2 161" followed by the harvester, and the outcome is the
// same; only the next run starts a few ticks later.
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
// Walks events while the budget lasts; true once the walk is through.
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

// The cell-planes one tick of the chain spends.
constexpr int64_t kGrowthRunEndBudget = 12000;

// A successful run has ended on the torus of `side`: its end begins on the next tick.
void BeginGrowthRunEnd(int32_t side);
bool IsGrowthRunEnding();
// "Stop" or a new run: a run that has ended is harvested as if its end had
// come within its last tick, so nothing of it is lost; the rest of the end is
// done at once. Called from within the end itself (a harvester that stops the
// generator after a failed write), it leaves the end to finish where it stands.
void FinishGrowthRunEnd(TForm1& form);
// One tick's share of the end (budget in cell-planes), with Timer13 off
// meanwhile (message boxes shown on the way let no tick in); Timer13 is on
// again afterwards while work is left. At the last share the next run of the
// generator is armed.
void ContinueGrowthRunEnd(TForm1& form, int64_t budget = kGrowthRunEndBudget);
