#pragma once
// The learning trials: a series of random runs, each with a drawn string
// length and number of B cells, whose finished runs the chosen predictor
// learns from. The form arms the timers; this file keeps the parameters,
// checks them and makes the draws.
#include <cstdint>
#include <string>

extern int32_t trialBCountBase;      // smallest number of B cells (Edit51)
extern int32_t dirWorkNumber;        // the number of the "Dir work 5" edit; read by nothing
// Set by "Start test", cleared by "Stop" and by an ambiguity that ends the
// learning: only while it is set does a finished run arm the next trial.
// (isTestRunning alone cannot serve: the recorded run sets it too.)
extern uint8_t isTrialSeriesActive;

// Why trials with the current parameters cannot run (lengths outside 1..27,
// B counts below 0 or beyond the 4900-entry point lists), or empty when every
// draw gives a length and a B count that fit.
std::string TrialParameterProblem();

struct TrialDraw {
  int32_t length = 0;
  int32_t bCount = 0;
};

// Two draws of the generator, in this order: the length N0 + trunc(r*dN0/32760)
// (32760, not 32768: N0 + dN0 itself needs r >= 32760) and the B count
// base + trunc(r'*NB/32768), computed without overflow.
TrialDraw DrawTrial();
