#pragma once
// The window walk of the five-point harvest: every window of the cross around
// a cell of layer 1's event arrays enters the five-cell key-indexed tables
// with the element that follows it at the cell and the output value there.
#include "base/GrowthEvents.h"
#include "mask2d/Mask2dTables.h"

#include <cstdint>

struct FivePointWalk {
    bool conflict = false;          // a key followed by 0 met another stored value
    int32_t event = -1, i = -1, j = -1;   // where
    int32_t windows = 0;            // windows entered
    int32_t skippedWindows = 0;     // windows with a cell or next element outside 0..5
};

// Events k = 1 .. historyRowCount - 2 (taken within the 500 event planes),
// rows i and columns j of the side x side torus: the window e_p =
// growthEventElement1[k][wrap(i + y_p)][wrap(j + x_p)] over the five points of
// `cross`, the next element c = growthEventElement1[k + 1][i][j] and the output
// value d = growthFrontDiffIncrement[k][i][j].
// c = 0: e is marked in plane 0; an empty value entry takes the low byte of
// d, a stored one that differs from d (as a signed byte) is a conflict, which
// ends the walk with everything entered before it kept.
// c = 1..5: the window left-divided by c is marked in plane 0 (its value
// untouched), e is marked in plane c and its value there := low byte of d.
// Only the events from firstEvent to lastEvent are walked (ForEachGrowthWindow).
FivePointWalk WalkFivePointWindows(int32_t side, const Mask2dPoint (&cross)[5], int32_t firstEvent = 1,
                                   int32_t lastEvent = kGrowthEventPlanes);
