#include "lattice/RuleTableWindow.h"

#include <algorithm>
#include <limits>

#include "base/Random.h"
#include "lattice/LatticeSettings.h"

int32_t ruleEntryCounts[kLatticeRuleHalf] = {};
int32_t rulePairCount = 10;
uint16_t rulePairX[kLatticeRuleHalf] = {};
uint16_t rulePairY[kLatticeRuleHalf] = {};
int32_t countInterval = 30000;
int32_t countIntervalPercent = 50;
int32_t chartRowX1 = 4, chartRowX2 = 5, chartRowY2 = 6, chartRowY1 = 7;
RuleWindowDrag ruleWindowDrag;

namespace {

constexpr int kMaxPairDraws = 100000;

struct ZoneBounds {
  int b0, b1, b2, b3;   // the grid's edge, the strip's end, the two 14-pixel bands
  int bandDivisor;      // 126 for X, 70 for Y
};
constexpr ZoneBounds kXBounds{630, 700, 714, 728, 126};
constexpr ZoneBounds kYBounds{350, 420, 434, 448, 70};

void Classify(int v, const ZoneBounds& b, int& zone, int& index) {
  if (v < 0) {
    zone = 0;
    return;
  }
  zone = v < b.b0 ? 0 : v < b.b1 ? 1 : v < b.b2 ? 2 : v < b.b3 ? 3 : 4;
  if (v < b.b2)
    index = v / kRuleCellSize;
  else if (v < b.b3)
    index = v / b.bandDivisor;
}

// Moves the weights of one table named by a zone: 1 the indexed weight, 2 the
// `groups` weights index mod size + size k, 3 the `size` weights of the
// index's group. Indices outside the table are skipped.
void MoveWeights(double* weights, int count, int size, int groups, int zone, int index, double by) {
  auto move = [&](int i) {
    if (i >= 0 && i < count) weights[i] += by;
  };
  if (index < 0) return;
  switch (zone) {
    case 1:
      move(index);
      break;
    case 2:
      for (int k = 0; k < groups; ++k) move(index % size + size * k);
      break;
    case 3:
      for (int k = 0; k < size; ++k) move(index - index % size + k);
      break;
    default:
      break;
  }
}

void HoldWithinZeroOne(double* weights, int count) {
  for (int i = 0; i < count; ++i) weights[i] = std::clamp(weights[i], 0.0, 1.0);
}

}  // namespace

int RuleWindowMouseDown(int x, int y) {
  RuleWindowDrag& d = ruleWindowDrag;
  d.downX = x;
  d.downY = y;
  Classify(x, kXBounds, d.zoneX, d.indexX);
  Classify(y, kYBounds, d.zoneY, d.indexY);
  if (d.zoneX != 0 || d.zoneY != 0 || x < 0 || y < 0) return -1;
  return RuleEntryIndex(y / 70, y % 70 / kRuleCellSize, x / 126, x % 126 / kRuleCellSize);
}

void RuleWindowMouseUp(int x, int y) {
  const RuleWindowDrag& d = ruleWindowDrag;
  const double dx = (static_cast<double>(x) - d.downX) / 70.0;
  const double dy = (static_cast<double>(y) - d.downY) / 70.0;
  MoveWeights(ruleWeightsX, kRuleWeightXCount, 9, 5, d.zoneY, d.indexX, dy);
  HoldWithinZeroOne(ruleWeightsX, kRuleWeightXCount);
  MoveWeights(ruleWeightsY, kRuleWeightYCount, 5, 5, d.zoneX, d.indexY, dx);
  HoldWithinZeroOne(ruleWeightsY, kRuleWeightYCount);
}

void DrawWeightedRulePairs() {
  const int32_t pairs = std::clamp(rulePairCount, 0, kLatticeRuleHalf);
  for (int32_t p = 0; p < pairs; ++p) {
    int i = 0, j = 0;
    for (int draw = 0; draw < kMaxPairDraws; ++draw) {
      i = Rand() % kRuleWeightXCount;
      j = Rand() % kRuleWeightYCount;
      const double r = Rand() / 32768.0;
      if (ruleWeightsX[i] * ruleWeightsY[j] >= r) break;
    }
    rulePairX[p] = static_cast<uint16_t>(i);
    rulePairY[p] = static_cast<uint16_t>(j);
  }
}

void BuildRuleTableFromPairs() {
  std::fill_n(latticeRuleTable, kLatticeRuleHalf, uint8_t{0});
  const int32_t pairs = std::clamp(rulePairCount, 0, kLatticeRuleHalf);
  for (int32_t p = 0; p < pairs; ++p) {
    const int i = rulePairX[p], j = rulePairY[p];
    if (i >= kRuleWeightXCount || j >= kRuleWeightYCount) continue;
    ToggleRuleTableEntry(RuleEntryIndex(j / 5, j % 5, i / 9, i % 9));
  }
  latticeRuleTable[0] = 0;
}

void SetFreeRuleEntries(uint8_t value) {
  for (int e = 0; e < kLatticeRuleHalf; ++e)
    if (latticeRuleTable[kLatticeRuleHalf + e] == 0) latticeRuleTable[e] = value;
  latticeRuleTable[0] = 0;
}

void ClearRuleFixedMarks() {
  std::fill_n(latticeRuleTable + kLatticeRuleHalf, kLatticeRuleHalf, uint8_t{0});
  latticeRuleTable[0] = 0;
}

void RuleFixedMarksFromCounts() {
  for (int e = 0; e < kLatticeRuleHalf; ++e)
    latticeRuleTable[kLatticeRuleHalf + e] = static_cast<uint8_t>(ruleEntryCounts[e] & 0xFF);
}

void DrawEvenRuleTable() {
  for (int e = 0; e < kLatticeRuleHalf; ++e) latticeRuleTable[e] = Rand() < 16385 ? 0 : 1;
  latticeRuleTable[0] = 0;
}

void DrawRandomRuleWeights() {
  for (double& w : ruleWeightsX) w = Rand() / 32768.0;
  for (double& w : ruleWeightsY) w = Rand() / 32768.0;
}

int32_t ScaledCountInterval(int32_t interval, int32_t percent, int direction) {
  const double scaled = interval + direction * (static_cast<double>(interval) * percent * 0.01);
  return static_cast<int32_t>(std::clamp<double>(scaled, std::numeric_limits<int32_t>::min(),
                                                 std::numeric_limits<int32_t>::max()));
}

bool IsCountInInterval(int32_t count) {
  return countInterval < count && count < countInterval * (1.0 + countIntervalPercent * 0.01);
}

int32_t LargestRuleEntryCount() {
  return std::max(0, *std::max_element(ruleEntryCounts + 1, ruleEntryCounts + kLatticeRuleHalf));
}

std::vector<int32_t> RuleCountsOfRow(int32_t row) {
  std::vector<int32_t> counts;
  if (row < 0 || row >= kRuleWeightYCount) return counts;
  for (int x = 0; x < kRuleWeightXCount; ++x) {
    const int e = RuleEntryIndex(row / 5, row % 5, x / 9, x % 9);
    counts.push_back(e == 0 ? 0 : ruleEntryCounts[e]);
  }
  return counts;
}

std::vector<int32_t> RuleCountsOfColumn(int32_t column) {
  std::vector<int32_t> counts;
  if (column < 0 || column >= kRuleWeightXCount) return counts;
  for (int y = 0; y < kRuleWeightYCount; ++y) {
    const int e = RuleEntryIndex(y / 5, y % 5, column / 9, column % 9);
    counts.push_back(e == 0 ? 0 : ruleEntryCounts[e]);
  }
  return counts;
}
