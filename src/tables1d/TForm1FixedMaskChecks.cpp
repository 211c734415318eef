// The closure checks of the fixed masks (1,1), (3,1), (5,3) and (7,3): the
// engine of "CHECK TT 1 dim" over each mask's fixed record range. The status
// bar shows the start record; a failure is reported as the general check
// reports it.
#include "app/TForm1.h"

#include "tables1d/FixedMaskChecks.h"
#include "tables1d/TForm1ClosureStatus.h"

namespace {

ClosureOutcome RunFixedCheck(TForm1& f, const FixedClosureCheck& check)
{
    const ClosureOutcome outcome = RunClosureCheckShowingProgress(
        f.StatusBar1, check.mask, check.scope, [](const ClosureProgress& p) { return QString::number(p.records[0]); });
    ShowClosureVerdict(outcome.verdict);
    f.ShowCheckTrace(outcome, check.mask.pointCount);
    return outcome;
}

} // namespace

// Mask (1,1): on the permuted copy the last opening or check left.
void TForm1::Button164Click()
{
    RunFixedCheck(*this, FixedCheckOfMask11());
}

// Mask (3,1): the table is opened from its file first. When the file is
// refused (the opener says why) the check runs on the list as it stands.
void TForm1::Button169Click()
{
    OpenMask31Table();
    RunFixedCheck(*this, FixedCheckOfMask31());
}

// "Check T 1dim", mask (5,3): shows the counts in the grid and writes no file.
void TForm1::Button192Click()
{
    Button188Click();
    RunFixedCheck(*this, FixedCheckOfMask53());
    FillTable1dGrid(5);
}

// "III Check 196", mask (7,3): the counts go to the grid and, through WRITE 1,
// to the current table file, also after a failure.
void TForm1::Button196Click()
{
    Button188Click();
    RunFixedCheck(*this, FixedCheckOfMask73());
    FillTable1dGrid(6);
    Button231Click();
}
