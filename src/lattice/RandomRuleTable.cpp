#include "lattice/RandomRuleTable.h"

#include <algorithm>

#include "base/Random.h"
#include "base/Square.h"
#include "lattice/LatticeRuleTable.h"
#include "lattice/LatticeSettings.h"

int32_t seedRow = 82;
int32_t seedColumn = 120;

namespace {

template <typename F>
void ForEachEntry(F f) {
  for (int c1 = 0; c1 < 5; ++c1)
    for (int c2 = 0; c2 < 5; ++c2)
      for (int c3 = 0; c3 < 5; ++c3)
        for (int c4 = 0; c4 < 9; ++c4) f(c1, c2, c3, c4);
}

void SetSeedCell(int64_t row, int64_t column) {
  if (row < 0 || row >= kSquareSide || column < 0 || column >= kSquareSide) return;
  squareCells[SquareIndex(static_cast<int>(row), static_cast<int>(column))] = 0;
}

}  // namespace

void DrawWeightedRuleTable() {
  ForEachEntry([](int c1, int c2, int c3, int c4) {
    const double p = ruleWeightsX[9 * c3 + c4] * ruleWeightsY[5 * c1 + c2];
    uint8_t& entry = latticeRuleTable[RuleEntryIndex(c1, c2, c3, c4)];
    entry = 0;
    const double r = Rand() / 32767.0;
    if (r < p) entry = 1;
  });
  latticeRuleTable[0] = 0;
}

void AddRandomExcitedEntries(int32_t percent) {
  ForEachEntry([percent](int c1, int c2, int c3, int c4) {
    uint8_t& entry = latticeRuleTable[RuleEntryIndex(c1, c2, c3, c4)];
    if (entry != 0) return;
    const double r = Rand() / 327.67;
    if (r < percent) entry = 1;
  });
  latticeRuleTable[0] = 0;
}

void SpreadDiagonalEntries() {
  uint8_t diagonal[5][5][5];
  for (int c1 = 0; c1 < 5; ++c1)
    for (int c2 = 0; c2 < 5; ++c2)
      for (int c3 = 0; c3 < 5; ++c3) diagonal[c1][c2][c3] = latticeRuleTable[RuleEntryIndex(c1, c2, c3, c3)];
  for (int h = 0; h < 2; ++h)
    ForEachEntry([h, &diagonal](int c1, int c2, int c3, int c4) {
      latticeRuleTable[h * kLatticeRuleHalf + RuleEntryIndex(c1, c2, c3, c4)] = diagonal[c1][c2][c3];
    });
}

void FillFormulaRuleTable() {
  for (int h = 0; h < 2; ++h)
    ForEachEntry([h](int c1, int c2, int c3, int c4) {
      latticeRuleTable[h * kLatticeRuleHalf + RuleEntryIndex(c1, c2, c3, c4)] =
          c3 + c4 != 0 && c1 + c3 + c4 < 11 ? 1 : 0;
    });
}

void PlaceRuleSeed(int item, int32_t row, int32_t column) {
  const int64_t r = row, c = column;
  switch (item) {
    case 0:
      SetSeedCell(r, c);
      break;
    case 1:
      SetSeedCell(r, c);
      SetSeedCell(r - 1, c);
      SetSeedCell(r + 1, c);
      SetSeedCell(r, c - 1);
      SetSeedCell(r, c + 1);
      break;
    case 2:
      SetSeedCell(r, c);
      SetSeedCell(r, c + 1);
      SetSeedCell(r + 1, c);
      SetSeedCell(r + 1, c + 1);
      break;
    default:
      break;
  }
}
