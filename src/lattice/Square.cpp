#include "lattice/Square.h"

#include <algorithm>

uint8_t squareCells[kSquareCellCount] = {};
uint8_t squareNextCells[kSquareCellCount] = {};
uint8_t squareCopy[kSquareCellCount] = {};
uint8_t frozenMask[kSquareCellCount] = {};
int32_t cellAccumulators[4][kSquareCellCount] = {};

int UsedSquareRows() { return std::clamp(squareRowCount, 0, kSquareSide); }
int UsedSquareColumns() { return std::clamp(squareColumnCount, 0, kSquareSide); }
