#pragma once
// The modulus of the pen colour in which the change statistics draw their
// cell map, set by the video settings window ("Edit11", 3 at start). 0 (an
// empty edit) is kept as typed and read as 1 where the colour is taken.

#include <cstdint>

extern int32_t statColourModulus;
