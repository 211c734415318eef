#pragma once
// Length of strings A and B and side of the two-dimensional torus. Its
// writers keep it within 0..27; code that divides by it or loops over it does
// nothing when it is 0 or less.

#include <cstdint>

extern int32_t stringLength;  // 27 at start
