#pragma once
// Numbers kept by small controls of the lattice panels: the task number of the
// panel ZAD ("Edit31") and the numbers of four hidden edits that nothing reads.
#include <cstdint>

extern int32_t zadTaskNumber;   // 0 at start
extern int32_t edit18Number, edit19Number, edit23Number, edit30Number;
