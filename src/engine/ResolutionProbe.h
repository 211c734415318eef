#pragma once
// Probe rows of the resolution tables: the symmetry test multiplies the first
// rt1Width cells of rtProbeSource on the right by a group element into rtProbeRow.

#include <cstdint>

extern uint8_t rtProbeSource[8];
extern uint8_t rtProbeRow[8];
extern int32_t rt1Width;  // cells in one row of resolution table 1
