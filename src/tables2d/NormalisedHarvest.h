#pragma once
// The window walk of the six- to nine-point harvests. The next element is
// folded into the key: a window followed by c is left-divided by c, so one
// key-indexed table of 6^n entries holds only normalised keys (keys whose
// next element is the identity).
#include "mask2d/Mask2dTables.h"
#include "tables2d/GrowthWindows.h"

#include <cstdint>

constexpr int kNormalisedHarvestMinPoints = 6;

// Every window (GrowthWindows.h) of the pointCount points (6..9; any other
// count enters nothing) on the side x side torus sets the flag of its
// quotient q by its next element c (q = the window itself for c = 0) and
// leaves that quotient in quotientKey. Six and seven points also store the
// low byte of the output value d as q's value for c = 0..2, of -d for the
// reflections c = 3..5; eight and nine points keep flags only. Nothing is
// tested against an earlier entry: the last write wins. Only the events from
// firstEvent to lastEvent are walked (ForEachGrowthWindow); a range without a
// window leaves quotientKey as it was.
GrowthWindowCounts WalkNormalisedWindows(int32_t side, const Mask2dPoint* points, int pointCount,
                                         int32_t firstEvent = 1, int32_t lastEvent = kGrowthEventPlanes);
