#pragma once
// New lattice rule tables: drawn entry by entry from the two weight tables,
// random excited entries added to the current table, and two rebuilds from
// the table's own diagonal or from the formula of "N3 p=3". Every draw comes
// from the program's one generator (base/Random.h), in entry order: c1
// outermost, then c2, c3, c4 innermost.

#include <cstdint>

// Position of the seed pattern the random commands place ("Y begin=" and
// "X begin=" of the rule-table window): row 82, column 120 at start.
extern int32_t seedRow;
extern int32_t seedColumn;

// Redraws of one "Mk. rand." before it gives up: weights from which no
// table is accepted would otherwise redraw for ever. Each attempt is a
// table and a seven-step test on 17 x 17, so the bound stays near a second.
constexpr int kMaxRandomRuleAttempts = 10000;

// Every entry of the rule half: p = ruleWeightsX[9 c3 + c4] * ruleWeightsY[5 c1
// + c2]; the entry becomes 1 when a draw r = rand / 32767 (0 <= r <= 1) is
// below p, else 0. One draw per entry, entry [0][0][0][0][0] included, which
// is then set to 0: a cell with no cell 0 around is never excited.
void DrawWeightedRuleTable();

// Every entry of the rule half that holds 0 draws r = rand / 327.67 (0..100)
// and becomes 1 when r < percent; set entries keep their value and draw
// nothing. Entry [0][0][0][0][0] is set to 0 afterwards.
void AddRandomExcitedEntries(int32_t percent);

// Both halves [h][c1][c2][c3][c4] := the diagonal entry [0][c1][c2][c3][c3]
// taken before anything is written: the table then ignores c4.
void SpreadDiagonalEntries();

// Both halves := 1 where c3 + c4 > 0 and c1 + c3 + c4 < 11, else 0.
void FillFormulaRuleTable();

// The seed pattern of the item of "Begin" with its centre at (row, column),
// cells set to 0: 0 "Points" the centre; 1 "Crest" the centre and its four
// orthogonal neighbours; 2 "2x2" the centre, its right, lower and lower right
// neighbours. Any other item places nothing; cells outside the 131 x 131
// storage are skipped.
void PlaceRuleSeed(int item, int32_t row, int32_t column);
