#pragma once
// The closure check of a two-dimensional table ("Check TT 2 dim") on the
// engine of tables1d/ClosureCheck.h: the k points of the current mask,
// normalised so that no coordinate is negative, are numbered row by row in a
// region of 2 * maxX + 1 columns, which keeps every sum of two points a cell of
// its own; the reference cell is the centre point added to itself,
// (-2 * mask2dMinX, -2 * mask2dMinY).
//
// Five points reset the counts and start from every record up to the start
// limit L (N, or N / 6 with "/6"). Six to nine points start from the records
// checkFromRecord .. checkToRecord - 1, so that a long check runs in pieces
// whose counts add up; with "Npr=0" the counts are reset first and the range
// becomes 0 .. L.
#include "mask2d/Mask2dTables.h"
#include "tables1d/ClosureCheck.h"

#include <cstdint>
#include <string>

// The range of start records of the six- to nine-point check, typed into
// "FROM" and "TO"; the check reads them within 0 .. kTableCapacity.
extern int32_t checkFromRecord;   // 0 at start
extern int32_t checkToRecord;     // 100 at start

// The closure mask of k points (5..9) whose normalised coordinates lie within
// 0 .. 2 * kMask2dCoordinateLimit, shifted from the raw points by (minX, minY).
ClosureMask ClosureMaskOf2d(int k, const Mask2dPoint* normalised, int32_t minX, int32_t minY);

// Empty when the check can run on the current mask (mask2dPointCount points,
// 5..9, normalised into mask2dNormalizedPoints) and a list of recordCount
// records; otherwise why not: a list of 1 to 5 records (its blocks would be
// empty), a normalised geometry that is not the one of the point table of k
// points (left by a table of another point count), or points beyond the
// coordinate limit. An empty list can be checked: nothing is placed.
std::string WhyClosureCheck2dCannotRun(int32_t recordCount);

// The check as the controls ask for it.
struct ClosureCheck2dRequest {
    int32_t recordCount = 0;     // N
    bool firstBlockOnly = false; // "/6"
    bool freshCounts = false;    // "Npr=0"
};

struct ClosureCheck2d {
    ClosureMask mask;
    ClosureScope scope;
    int32_t startLimit = 0;   // L, shown in the progress text
};

// The mask and scope of the check on the current mask (mask2dPointCount
// points, 5..9). For six to nine points with fresh counts it first sets
// checkFromRecord := 0 and checkToRecord := L, as the check does. Requires an
// empty WhyClosureCheck2dCannotRun and a list of at least 6 records.
ClosureCheck2d PrepareClosureCheck2d(const ClosureCheck2dRequest& request);

// The status-bar text of a progress report for k points: five points the
// start record; six and seven "(" L ") " i0 "  " i1 "  "; eight the same
// with i2; nine i0 .. i3, each followed by two blanks.
std::string ClosureProgressText2d(int k, int32_t startLimit, const ClosureProgress& progress);
