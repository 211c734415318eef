#pragma once
// The texts the run grids show for one cell: the cell letters of the PR and
// Pdb grids, the parity letters of the hidden grids StringGrid7/8 and the
// signed phase letters ("-x" .. "+z") of StringGrid9 and the "xyz" view.
#include <cstdint>
#include <string>

// "C", "B", "A" for a cell value 0, 1, 2; "" for anything else.
const char* CellLetter(int32_t value);

// For a condition on string A's event: "a"/"b" by the parity of A's event
// step when it holds, else "A"/"B" by the parity of B's event step.
const char* ParityLetter(bool condition, int32_t stepA, int32_t stepB);

// "-x", "-y", "-z" (negative) or "+x", "+y", "+z" for phase 0, 1, 2; "" for
// a phase outside 0..2 (a negative step's C remainder).
const char* SignedPhaseLetter(bool negative, int32_t phase);

// StringGrid9's text: A's event a 2 gives the negative letter of A's step
// phase, otherwise the positive letter of B's step phase.
const char* EventPhaseText(int32_t valueA, int32_t stepA, int32_t stepB);
