// The closure checks of the fixed masks (1,1), (3,1), (5,3) and (7,3): the
// engine of "CHECK TT 1 dim" over each mask's fixed record range. The status
// bar shows the start record; a failure is reported as the general check
// reports it. The hidden trace panel gets what the general check writes
// there and, for (1,1), (3,1) and (7,3), the cells of the last placement.
#include "app/TForm1.h"

#include "base/TableRecords.h"
#include "tables1d/FixedMaskChecks.h"
#include "tables1d/TForm1ClosureStatus.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

enum class PlacementCells { Shown, NotShown };

// The cells of the check's last complete placement, position by position
// across its region, into the hidden trace panel; positions the placement
// does not cover (or all, when the check completed none) are left empty.
void ShowPlacementCells(TForm1& f, const ClosureMask& mask, const ClosureOutcome& outcome)
{
    QLabel* const labels[] = {f.lblPlacedCell0, f.lblPlacedCell1, f.lblPlacedCell2, f.lblPlacedCell3,
                              f.lblPlacedCell4, f.lblPlacedCell5, f.lblPlacedCell6, f.lblPlacedCell7,
                              f.lblPlacedCell8, f.lblPlacedCell9, f.lblPlacedCell10};
    constexpr int kShownCells = int(std::size(labels));
    std::array<int32_t, kShownCells> cells;
    cells.fill(-1);
    const int n = std::clamp<int32_t>(mask.pointCount, 0, kTableKeyBytes);
    for (int level = 0; level < n; ++level) {
        const int32_t record = outcome.lastPlacement[size_t(level)];
        if (record < 0 || record >= kTableCapacity) continue;
        for (int p = 0; p < n; ++p) {
            const int32_t position = mask.positions[size_t(level)] + mask.positions[size_t(p)];
            if (position >= 0 && position < kShownCells) cells[size_t(position)] = ttKeys[record][p];
        }
    }
    for (int q = 0; q < kShownCells; ++q)
        labels[q]->setText(cells[size_t(q)] >= 0 ? QString::number(cells[size_t(q)]) : QString());
}

ClosureOutcome RunFixedCheck(TForm1& f, const FixedClosureCheck& check, PlacementCells cells)
{
    const ClosureOutcome outcome = RunClosureCheckShowingProgress(
        f.StatusBar1, check.mask, check.scope, [](const ClosureProgress& p) { return QString::number(p.records[0]); });
    ShowClosureVerdict(outcome.verdict);
    f.ShowCheckTrace(outcome, check.mask.pointCount);
    if (cells == PlacementCells::Shown) ShowPlacementCells(f, check.mask, outcome);
    return outcome;
}

} // namespace

// Mask (1,1): on the permuted copy the last opening or check left.
void TForm1::Button164Click()
{
    RunFixedCheck(*this, FixedCheckOfMask11(), PlacementCells::Shown);
}

// Mask (3,1): the table is opened from its file first. When the file is
// refused (the opener says why) the check runs on the list as it stands.
void TForm1::Button169Click()
{
    OpenMask31Table();
    RunFixedCheck(*this, FixedCheckOfMask31(), PlacementCells::Shown);
}

// "Check T 1dim", mask (5,3): the general check written out for one mask, so
// its trace holds what the general check's does, without the cells; it shows
// the counts in the grid and writes no file.
void TForm1::Button192Click()
{
    Button188Click();
    RunFixedCheck(*this, FixedCheckOfMask53(), PlacementCells::NotShown);
    FillTable1dGrid(5);
}

// "III Check 196", mask (7,3): the counts go to the grid and, through WRITE 1,
// to the current table file, also after a failure.
void TForm1::Button196Click()
{
    Button188Click();
    RunFixedCheck(*this, FixedCheckOfMask73(), PlacementCells::Shown);
    FillTable1dGrid(6);
    Button231Click();
}
