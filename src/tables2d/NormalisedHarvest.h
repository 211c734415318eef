#pragma once
// The window walk of the harvests of six to nine points: every window of the
// mask around a cell of layer 1's event arrays is divided by the element that
// follows it at the cell, so that only normalised keys (next element the
// identity) enter the table of its point count, one table for all six next
// elements. Tables that keep values (six and seven cells) take the output
// value there, negated after a reflection (3..5). Nothing is tested: the last
// write wins.
#include "mask2d/Mask2dTables.h"

#include <cstdint>

struct NormalisedWalk {
    int32_t windows = 0;          // windows entered
    int32_t skippedWindows = 0;   // windows with a cell or next element outside 0..5
};

// Events k = 1 .. historyRowCount - 2 (taken within the 500 event planes),
// rows i and columns j of the side x side torus: the window e_p =
// growthEventElement1[k][wrap(i + y_p)][wrap(j + x_p)] over points[0..pointCount-1],
// the next element c = growthEventElement1[k + 1][i][j] and the output value
// d = growthFrontDiffIncrement[k][i][j]. The key q_p = c \ e_p is marked used;
// its value byte := low byte of d for c = 0..2, of -d for c = 3..5.
// pointCount 6..9; any other count enters nothing.
NormalisedWalk WalkNormalisedWindows(int32_t side, const Mask2dPoint* points, int pointCount);
