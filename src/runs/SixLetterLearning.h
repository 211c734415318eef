#pragma once
// Small transition tables learned from the six-letter history of a run: for a
// neighbour list of N cells (3..7), the letters the list's cells hold in row t
// form the key, and the letter of the cell itself in row t + 1 is the entry.
// A key met again with another letter is an ambiguity: the stored letter stays
// and the caller is told (the form shows a box). Tables grow across runs until
// they are emptied for the "Npoint" item chosen.
#include <cstdint>
#include <functional>
#include <string>

constexpr uint8_t kEmptyLetterEntry = 255;
constexpr int kFirstLearnedCount = 3;   // N of "Npoint" item 0
constexpr int kLastLearnedCount = 7;    // N = 8 and 9 have no table

// Index k0*6^(N-1) + k1*6^(N-2) + ... + k(N-1): k0 is the most significant.
extern uint8_t sixLetterTable3[6 * 6 * 6];
extern uint8_t sixLetterTable4[6 * 6 * 6 * 6];
extern uint8_t sixLetterTable5[6 * 6 * 6 * 6 * 6];
extern uint8_t sixLetterTable6[6 * 6 * 6 * 6 * 6 * 6];
extern uint8_t sixLetterTable7[6 * 6 * 6 * 6 * 6 * 6 * 6];

// The table for N = 3..7 and its entry count, or nullptr / 0 for another N.
uint8_t* SixLetterTable(int n);
int32_t SixLetterTableSize(int n);

// N of a "Npoint" item (0..6 -> 3..9); 0 for no item (-1) or an unknown one.
int32_t NeighbourCountOfItem(int item);

// The default neighbour list of a "Npoint" item: neighbourCount := N and the
// first N entries of neighbourOffsets (later entries keep their values); the
// item's table (N = 3..7) is emptied. Item -1 (or an unknown one) changes nothing.
void ResetSixLetterItem(int item);

// One ambiguous window: row t, column x, the key letters, the stored letter S
// and the next letter E that disagrees with it.
struct LetterAmbiguity {
  int32_t n = 0;
  int32_t row = 0;
  int32_t column = 0;
  int16_t keys[kLastLearnedCount] = {};
  int32_t stored = 0;
  int32_t next = 0;
};

// The text of the box for an ambiguity (its layout differs per N).
std::string LetterAmbiguityText(const LetterAmbiguity& a);

// The learning step for N (3..7) over rows t = 0 (1 for N = 4) while
// t < lastHistoryRow and every column below stringLength. stepCount is the
// row counter and is left where learning stopped. Keys wrap by a full modulo
// of stringLength; a history cell outside the 30 rows, or without a letter,
// makes the window be skipped silently. On a conflict report() is called;
// for N = 4 the first conflict also ends the learning. Another N learns nothing.
void LearnSixLetterTable(int32_t n, const std::function<void(const LetterAmbiguity&)>& report);
