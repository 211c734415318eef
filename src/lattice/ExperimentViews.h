#pragma once
// Data of the views of the 70 x 70 experiments: five snapshots of the square,
// the stability class table, and the two adjustments of cellStatMap.

#include <cstdint>

#include "base/Square.h"
#include "lattice/ChangeStatistics.h"

constexpr int kSquareSnapshotCount = 5;

// Snapshots 0..4, shaped like the square (row stride 131).
extern uint8_t squareSnapshots[kSquareSnapshotCount][kSquareCellCount];
// Class letters 'd', 'e', 'g', 'h', 'i', 'j' (anything else: no class) per
// cell; no command fills it.
extern StatByteMap stabilityClassTable;

// The used cells of the square into snapshot k; k outside 0..4 does nothing.
void TakeSquareSnapshot(int k);

// "-TEMP/2": every T of cellStatMap := -(T / 2), the division toward zero.
void HalveCellStatNegated();
// "a-TEMP/2": d := -2 where marker A is set, then 2 where B is, then 4 where
// C is (the last set marker wins); T := T - 3d / 2, that is +3 for A, -3 for B,
// -6 for C; the result stops at the int32 limits.
void AdjustCellStatByMarkers();
