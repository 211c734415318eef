#pragma once
// Cyclic wraps and border tests of string indices (length L = stringLength)
// and square coordinates (side S = squareColumnCount), read at each call.
// Every wrap is a full modulo: any index lands in 0..L-1. When L (or S) is 0
// or less there is no cell to land on and a wrap that would need the length
// returns 0, so the helpers never divide by zero.

#include <cstdint>

#include "base/SquareSize.h"
#include "base/StringLength.h"

// The cyclic index in 0..L-1 ("Circle" border, torus neighbours).
int16_t WrapStringIndex(int16_t i);
// Wraps only negative indices into 0..L-1; an index >= 0 is returned as is.
int16_t WrapStringIndexLow(int16_t i);
// Wraps only indices above L-1 into 0..L-1; an index <= L-1 is returned as is.
int16_t WrapStringIndexHigh(int16_t i);
// 1 if i >= 0, else 0.
int16_t IsStringIndexNonNegative(int16_t i);
// 1 if i <= L-1, else 0.
int16_t IsStringIndexBelowLength(int16_t i);

// WrapStringIndex with the square's side S in place of L.
int16_t WrapSquareIndex(int16_t i);
// 1 if 0 <= i <= S-1 (a coordinate inside the square's non-periodic border), else 0.
int16_t IsSquareIndexInside(int16_t i);
