#pragma once
// The acceptance test of a rule table: does one C cell in the centre of a
// fresh 17 x 17 square grow into a lasting pattern? Seven lattice steps under
// the border "Frozen A" (whatever "Border" says) from a square of empty cells
// with cell (8, 8) = 0; the rule is accepted when more than five cells of
// value 0 or 1 remain. The result stays in the top-left 17 x 17 corner of the
// square, the four cell counters hold its full counts, and both the row and
// the column count are given back as they were.

#include <cstdint>

// Set to 1 by an accepting test and never cleared by it; the random-rule
// commands clear it after use.
extern uint8_t isRuleAccepted;

// Runs the test under the item of "sd" (the formula modes use their formula)
// and returns the verdict; the caller decides what to do with isRuleAccepted.
bool RunAcceptanceTest(int mode);
