#pragma once
// The 2250-byte lattice rule table [2][5][5][5][9] (strides 1125, 225, 45, 9,
// 1): half 0 is the rule, half 1 marks the entries the rule-table window keeps
// fixed. ringZeroCounts holds the zero counts of the four rings of a cell.

#include <cstdint>

constexpr int kLatticeRuleTableSize = 2250;
constexpr int kLatticeRuleHalf = 1125;

extern uint8_t latticeRuleTable[kLatticeRuleTableSize];
extern int16_t ringZeroCounts[15];

// Entry (index mod 1125) of the rule half (a negative index wraps the same
// way): 0 becomes 1, anything else becomes 0.
void ToggleRuleTableEntry(int32_t index);
