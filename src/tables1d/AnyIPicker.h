#pragma once
// The grid of mask pairs on tab "ANY I": 13 columns by 13 rows of 40-pixel
// cells; column c stands for the left bit mask m = 2c + 7, row r for the right
// bit mask k = 2r + 1, so every pair keeps both distance-1 neighbours.
#include <cstdint>

constexpr int kAnyICellSize = 40;
constexpr int kAnyIColumns = 13;
constexpr int kAnyIRows = 13;

// The last mouse position over the picture, in pixels of the picture control.
extern int32_t image15MouseX;
extern int32_t image15MouseY;

struct MaskPair {
    int32_t leftBits = 0;    // m
    int32_t rightBits = 0;   // k
};

// The pair of the cell under (x, y) in pixels of the picture. A position in
// the strip past the last column or row (or before the first) counts as the
// nearest cell, so a pick always names a pair of the grid.
MaskPair AnyIPairAt(int32_t x, int32_t y);

// The cell (column, row) of a pair of the grid.
MaskPair AnyIPairOfCell(int column, int row);

// Neighbours of the mask: set bits of m and of k (the point count less one).
int AnyINeighbourCount(MaskPair pair);

// Pairs with m >= k and at least four neighbours (five points, the fewest a
// generator learns) hold a result on the picture; the others are blank.
bool AnyIIsStudied(MaskPair pair);

// Cells the window spans: farthest left distance + farthest right distance + 1.
int32_t AnyIWindowWidth(MaskPair pair);
