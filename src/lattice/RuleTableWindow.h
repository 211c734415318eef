#pragma once
// What the rule-table window "Show RCA" edits besides the rule table itself:
// a count per rule entry, the pairs of weight indices drawn by "Make RCA",
// the count interval, the chart selections, and the mouse drag that moves
// the two weight curves.
//
// Canvas layout: entry [0][c1][c2][c3][c4] is the 14 x 14 cell at
// x = 126 c3 + 14 c4, y = 70 c1 + 14 c2 (the grid covers 630 x 350 pixels);
// the curve of ruleWeightsX runs below the grid (y = 350 + 70 w), the curve of
// ruleWeightsY right of it (x = 630 + 70 w).

#include <cstdint>
#include <vector>

#include "lattice/LatticeRuleTable.h"

inline constexpr int kRuleCellSize = 14;
inline constexpr int kRuleWeightXCount = 45;   // index 9 c3 + c4
inline constexpr int kRuleWeightYCount = 25;   // index 5 c1 + c2

// One count per entry of the rule half, laid out like it; only "Nac = 0"
// writes them (zeros).
extern int32_t ruleEntryCounts[kLatticeRuleHalf];
// The pairs (X weight index, Y weight index) of "Make RCA".
extern int32_t rulePairCount;   // 10
extern uint16_t rulePairX[kLatticeRuleHalf];
extern uint16_t rulePairY[kLatticeRuleHalf];
// The interval of counts ringed in red: countInterval < count <
// countInterval x (1 + countIntervalPercent / 100).
extern int32_t countInterval;          // 30000
extern int32_t countIntervalPercent;   // 50
// Chart selections: rows of Y weights (0..24) and columns of X weights (0..44).
extern int32_t chartRowX1, chartRowX2, chartRowY2, chartRowY1;   // 4, 5, 6, 7

// Where the last mouse-down fell: a zone per axis (0 on the grid or left of /
// above the strips, 1..3 the strips and bands beside the grid, 4 beyond) and
// the weight index it names.
struct RuleWindowDrag {
  int downX = 0, downY = 0;
  int zoneX = 0, indexX = 0;   // X bounds 630 / 700 / 714 / 728
  int zoneY = 0, indexY = 0;   // Y bounds 350 / 420 / 434 / 448
};
extern RuleWindowDrag ruleWindowDrag;

inline int RuleCellLeft(int c3, int c4) { return 126 * c3 + kRuleCellSize * c4; }
inline int RuleCellTop(int c1, int c2) { return 70 * c1 + kRuleCellSize * c2; }

// Records a mouse-down at (x, y). An index is x div 14 before the third
// bound, x div 126 up to the fourth and unchanged beyond (y likewise with
// 14 and 70); a coordinate below 0 lies outside the window, in zone 0 with
// its index unchanged. Returns the entry index of half 0 under (x, y) when
// both zones are 0 and the point is on the grid, else -1.
int RuleWindowMouseDown(int x, int y);

// The drag from the last mouse-down to (x, y): vertical zone 1 moves the X
// weight of the horizontal index by dy / 70, zone 2 the five weights of its
// c4, zone 3 the nine of its c3; the horizontal zones move the Y weights by
// dx / 70 likewise (one, the five of its c2, the five of its c1). Indices
// outside the tables (a drag from right of and below the grid) move
// nothing. Then every weight is held to 0..1.
void RuleWindowMouseUp(int x, int y);

// "Make RCA": for each of rulePairCount pairs up to 100000 draws of i (mod
// 45), j (mod 25) and r (/ 32768), in this order, until wX[i] x wY[j] >= r;
// the last pair drawn is kept.
void DrawWeightedRulePairs();
// Half 0 cleared, each pair (i, j) inverts entry [0][j div 5][j mod 5][i div
// 9][i mod 9] (a pair drawn twice cancels), entry 0 forced to 0.
void BuildRuleTableFromPairs();
// Every entry of half 0 whose fixed mark is clear := value; entry 0 := 0.
void SetFreeRuleEntries(uint8_t value);
// Every fixed mark := 0; entry 0 := 0.
void ClearRuleFixedMarks();
// Every fixed mark := the low byte of its entry's count.
void RuleFixedMarksFromCounts();
// Every entry of half 0 := 0 when a draw is below 16385, else 1; entry 0 := 0.
void DrawEvenRuleTable();
// The 45 X weights, then the 25 Y weights := draw / 32768.
void DrawRandomRuleWeights();

// countInterval moved by direction (-1 or +1) x percent of itself, truncated
// toward zero and held within int32.
int32_t ScaledCountInterval(int32_t interval, int32_t percent, int direction);
// Whether count lies strictly inside the red interval.
bool IsCountInInterval(int32_t count);
// The largest count over the entries but entry 0, at least 0.
int32_t LargestRuleEntryCount();

// Counts of one chart line, entry 0 shown as 0: the 45 entries of Y row
// `row` (c1 = row div 5, c2 = row mod 5) in X order, or the 25 entries of X
// column `column` (c3 = column div 9, c4 = column mod 9) in Y order. Empty
// for a selection outside its table.
std::vector<int32_t> RuleCountsOfRow(int32_t row);
std::vector<int32_t> RuleCountsOfColumn(int32_t column);
