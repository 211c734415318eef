#pragma once
// Probe rows of the resolution tables: the symmetry test multiplies the first
// rt1Width cells of rtProbeSource on the right by a group element into rtProbeRow.
// Ten cells each, as many as the widest key of a table row.

#include <cstdint>

extern uint8_t rtProbeSource[10];
extern uint8_t rtProbeRow[10];
// Cells in one row of resolution table 1 (rt1Keys): every listing that fills
// those rows sets it to its key length.
extern int32_t rt1Width;
