#include "lattice/LatticeRuleTable.h"

uint8_t latticeRuleTable[kLatticeRuleTableSize] = {};
int16_t ringZeroCounts[15] = {};

void ToggleRuleTableEntry(int32_t index) {
  int32_t i = index % kLatticeRuleHalf;
  if (i < 0) i += kLatticeRuleHalf;
  latticeRuleTable[i] = latticeRuleTable[i] == 0 ? 1 : 0;
}
