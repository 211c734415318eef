#include "lattice/LatticeRuleTable.h"

uint8_t latticeRuleTable[kLatticeRuleTableSize] = {};
int16_t ringZeroCounts[15] = {};

int32_t RuleEntryOfIndex(int32_t index) {
  const int32_t i = index % kLatticeRuleHalf;
  return i < 0 ? i + kLatticeRuleHalf : i;
}

void ToggleRuleTableEntry(int32_t index) {
  uint8_t& entry = latticeRuleTable[RuleEntryOfIndex(index)];
  entry = entry == 0 ? 1 : 0;
}
