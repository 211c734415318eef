#pragma once
// Side of the lattice square: its writers keep the row and column counts
// equal and within 0..131.

#include <cstdint>

extern int32_t squareRowCount;     // 10 at start
extern int32_t squareColumnCount;  // 10 at start
