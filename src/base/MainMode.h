#pragma once
// The item of the lattice's "MAIN" radio group in a global copy: the lattice
// reads it, and a recorded run that starts sets it back to "Normal".

#include <cstdint>

extern int32_t mainModeIndex;   // 0 after a "Normal" choice of "MAIN" and after a recorded run starts
