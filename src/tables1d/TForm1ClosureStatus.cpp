#include "tables1d/TForm1ClosureStatus.h"

#include "widgets/Dialogs.h"
#include "widgets/StatusBar.h"

ClosureOutcome RunClosureCheckShowingProgress(StatusBar* bar, const ClosureMask& mask, const ClosureScope& scope,
                                              const std::function<QString(const ClosureProgress&)>& text)
{
    // Formatting a text for every record tried would cost more than the
    // search itself: the bar says when a text would be seen.
    ClosureProgress latest;
    bool anyProgress = false;
    const auto progress = [&](const ClosureProgress& p) {
        latest = p;
        anyProgress = true;
        if (bar->progressDue()) bar->setSimpleText(text(p));
    };
    const ClosureOutcome outcome = RunClosureCheck(mask, scope, progress);
    if (anyProgress) bar->setSimpleText(text(latest));
    return outcome;
}

void ShowClosureVerdict(ClosureVerdict verdict)
{
    if (verdict == ClosureVerdict::Unlocked)
        ShowMessage("IS UNLOCKED", "Warning");
    else if (verdict == ClosureVerdict::PermutedMismatch)
        ShowMessage("IS OOOOOOOOOOO", "Warning");
}
