#pragma once
// Extension of the hit counts over the group ("1/6 => All"): for g = 1..5 in
// turn and each record i in index order, when some record j holds the key of
// i left-divided cellwise by g, i's count becomes i's count from before the
// first pass plus j's count at that moment (the first such j). Only
// ttHitCount and quotientKey change. Counts saturate instead of overflowing.
//
// ExtendHitCounts finds j through an index of whole keys to their first row;
// ExtendHitCountsByScan searches the table from its start, as first written.
// Both give the same counts and leave quotientKey the same.
#include <cstdint>

// One-dimensional tables: 6 to 9 points; for any other point count nothing
// changes and false is returned.
bool ExtendHitCounts(int pointCount);
bool ExtendHitCountsByScan(int pointCount);

// Two-dimensional tables: keys of 5 to 9 cells; for any other length nothing
// changes and false is returned.
bool ExtendHitCounts2d(int keyLength);
bool ExtendHitCounts2dByScan(int keyLength);
