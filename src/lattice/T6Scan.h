#pragma once
// The T=6 scan: pair counters indexed by the pair index k = b (b + 1) / 2 + a
// of a pair 0 <= a <= b, its start states on the square, and the search for
// the largest counter that the mask chooser shows. Indices 0..134 are every
// pair with b <= 15 except (15, 15); index 135 marks the end of the scan.

#include <cstdint>

constexpr int kT6CounterCount = 250;
constexpr int32_t kT6ShownPairs = 135;   // indices 0..134 are shown
constexpr int32_t kT6EndIndex = 135;

extern int32_t t6PairIndex;                    // the start state to place next (0..135)
extern int32_t t6Counters[kT6CounterCount];
extern int32_t t6Total;
// The mask chooser's result of the last search: the largest counter and the
// first index holding it. The index is not reset, so it keeps its earlier
// value when every counter is 0.
extern int32_t t6MaxCount;
extern int32_t t6MaxIndex;

struct T6Pair {
    int32_t a = 0;
    int32_t b = 0;
};

// The pair of index k (0 -> (0, 0), 1 -> (0, 1), 2 -> (1, 1), 3 -> (0, 2) ...)
// in integer arithmetic; a negative k gives (0, 0).
T6Pair T6PairOfIndex(int32_t k);
// True at the first index of a triangle row (0, 1, 3, 6, 10, ...).
bool IsT6RowStart(int32_t k);

// t6PairIndex, t6Total and all counters := 0.
void ResetT6Scan();

// The start state's point lists on the used side: with withBPoint one C point
// and one B point at the centre (half the column count, half the row count,
// rounded toward zero), else two C points, the second at the centre, and no B
// point. C point 0 goes to (column a, row b) when first is given, else it keeps
// its place.
void LayT6StartState(bool withBPoint, const T6Pair* first);

// For k = 0..134: a counter strictly above t6MaxCount (started at 0) sets
// t6MaxCount and t6MaxIndex; so the first index of a tie wins.
void FindT6Maximum();
