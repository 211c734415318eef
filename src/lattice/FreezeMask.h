#pragma once
// FREEZE: the state around the freeze mask (frozenMask of base/Square.h)
// and the grey levels in which the mask is drawn.

#include <cstdint>

#include "base/Square.h"

// Set by "BEGIN", cleared by the next FREEZE tick; the FREEZE timer runs the
// tick only while it is set.
extern int32_t isFreezeArmed;

// A copy of the square that one command makes and nothing reads.
extern uint8_t squareSpareCopy[kSquareCellCount];

// The largest mask value over the used square, at least 1.
int32_t FrozenMaskMaximum();

// Grey level 0..254 of mask value v under the largest value m (>= 1):
// trunc(v * 255 / (m + 1)).
int FrozenGreyLevel(uint8_t v, int32_t m);
