#include "tables1d/TForm1ClosureStatus.h"

#include "widgets/Dialogs.h"
#include "widgets/StatusBar.h"

#include <QElapsedTimer>

ClosureOutcome RunClosureCheckShowingProgress(StatusBar* bar, const ClosureMask& mask, const ClosureScope& scope,
                                              const std::function<QString(const ClosureProgress&)>& text)
{
    // Formatting a text for every record tried would cost more than the
    // search itself; a few texts a second are all a user can read.
    QElapsedTimer sinceShown;
    sinceShown.start();
    ClosureProgress latest;
    bool anyProgress = false;
    const auto progress = [&](const ClosureProgress& p) {
        latest = p;
        anyProgress = true;
        if (sinceShown.elapsed() < 50) return;
        bar->setSimpleText(text(p));
        sinceShown.restart();
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
