#pragma once
// The square of the lattice automaton and the grids shaped like it: storage
// of kSquareSide x kSquareSide cells, row stride kSquareSide, of which rows
// below squareRowCount and columns below squareColumnCount are in use
// (base/SquareSize.h). Cells: 0 = C, 1 = B, 2 = empty. The square has its
// own storage, apart from the strings.

#include <cstdint>

#include "base/SquareSize.h"

constexpr int kSquareSide = 131;
constexpr int kSquareCellCount = kSquareSide * kSquareSide;

extern uint8_t squareCells[kSquareCellCount];
extern uint8_t squareNextCells[kSquareCellCount];
extern uint8_t squareCopy[kSquareCellCount];
extern uint8_t frozenMask[kSquareCellCount];            // 0 = free cell
extern int32_t cellAccumulators[4][kSquareCellCount];

// Element index of (row, column); callers keep both below kSquareSide.
inline int SquareIndex(int row, int column) { return row * kSquareSide + column; }

// The used rows and columns, each clamped to 0..kSquareSide, so loops over the
// square never leave its storage.
int UsedSquareRows();
int UsedSquareColumns();

// The used cells of one grid copied into another of the square's shape.
void CopyUsedSquare(const uint8_t* from, uint8_t* to);
// The used cells of a grid of the square's shape set to value.
void FillUsedSquare(uint8_t* grid, uint8_t value);
