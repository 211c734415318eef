#pragma once
// The 2250-byte lattice rule table [2][5][5][5][9] (strides 1125, 225, 45, 9,
// 1): half 0 is the rule, half 1 marks the entries the rule-table window keeps
// fixed. ringZeroCounts holds the zero counts of the four rings of a cell.
// Every reader treats a non-zero byte as set.

#include <cstdint>

constexpr int kLatticeRuleTableSize = 2250;
constexpr int kLatticeRuleHalf = 1125;

extern uint8_t latticeRuleTable[kLatticeRuleTableSize];
extern int16_t ringZeroCounts[15];

// Offset in half 0 of entry [0][c1][c2][c3][c4] (c1..c3 in 0..4, c4 in 0..8);
// its fixed mark sits kLatticeRuleHalf bytes further.
constexpr int RuleEntryIndex(int c1, int c2, int c3, int c4) { return 225 * c1 + 45 * c2 + 9 * c3 + c4; }

// index mod 1125 as a full modulo: the entry a (possibly negative) index names.
int32_t RuleEntryOfIndex(int32_t index);

// Entry (index mod 1125) of the rule half (a negative index wraps the same
// way): 0 becomes 1, anything else becomes 0.
void ToggleRuleTableEntry(int32_t index);
