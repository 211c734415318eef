#pragma once
// Starting configurations of strings A and B: the shared reset steps of the
// run initialisers, the random start strings built from the C and B point
// lists, and the start string of the recorded run. Reproducible from the
// generator's state: the draws are made in exactly the order documented.

#include <cstdint>

// Balances and local times of both strings set to 0 below stringLength.
void ResetStringCounters();
// Only the balances.
void ResetStringBalances();
// The run state: stop times, saved flags, stop states, drawOriginX, cycleCount,
// stepCount = 0 and seriesStepCount = -17 (the two menu marks are the caller's).
void ResetRunState();

// The random point lists of a random start, in this order of draws:
// cPointCount = requestedCPointCount columns, bPointCount = requestedBPointCount
// columns (each draw mod stringLength), then one draw: odd replaces the B list
// by the ascending columns that do not occur in it. Counts are clamped to the
// 4900 entries of the lists; with no string (length 0) nothing is drawn and
// both lists are empty. Without complementDraw the last draw is not made.
void DrawRandomPointLists(bool complementDraw = true);

// Every cell of A and stringANext below stringLength = 2, then stringA[cPointX[k]] = 0.
void SetStringAFromCPoints();
// The same with 1 at every B point. Points outside the string are skipped.
void SetStringAFromBPoints();

// stringAStart = A, B = A with 1 and 2 exchanged, colourSeries0[0] = requestedBPointCount.
void TakeStartString();
// String B as A with 1 and 2 exchanged for the cells in use (0 stays 0).
void DeriveStringB();

// Start string of a recorded run. Without isRandomInitialString: all 1 with
// cells 0 and 6 = 2 (no draw). With it: one draw picks the majority (odd: 2,
// even: 1), then one draw per cell gives the minority value when draw mod 5 == 0.
void RandomizeStringA();
extern uint8_t isRandomInitialString;   // the toolbar check box "rand"

// The whole random start of strings A and B from the point lists (the work of
// "Random" between its resets and its paint): A = 2s, the lists drawn,
// A from the lists, start copy and B.
void MakeRandomStart();
