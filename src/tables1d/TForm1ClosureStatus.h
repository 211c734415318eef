#pragma once
// Runs a closure check while the status bar follows it, and reports its verdict.
#include "tables1d/ClosureCheck.h"

#include <QString>

#include <functional>

class StatusBar;

// Runs the indexed check of the scope. The status bar gets text(progress) a
// few times a second and, at the end, the text of the last progress report.
ClosureOutcome RunClosureCheckShowingProgress(StatusBar* bar, const ClosureMask& mask, const ClosureScope& scope,
                                              const std::function<QString(const ClosureProgress&)>& text);

// "IS UNLOCKED" or "IS OOOOOOOOOOO" in a "Warning" box for a failed check; nothing when it passed.
void ShowClosureVerdict(ClosureVerdict verdict);
