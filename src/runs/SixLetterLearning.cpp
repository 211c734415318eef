#include "runs/SixLetterLearning.h"

#include <algorithm>
#include <initializer_list>

#include "engine/Mask1d.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "runs/CyclicColumn.h"
#include "runs/SixLetterHistory.h"

uint8_t sixLetterTable3[6 * 6 * 6] = {};
uint8_t sixLetterTable4[6 * 6 * 6 * 6] = {};
uint8_t sixLetterTable5[6 * 6 * 6 * 6 * 6] = {};
uint8_t sixLetterTable6[6 * 6 * 6 * 6 * 6 * 6] = {};
uint8_t sixLetterTable7[6 * 6 * 6 * 6 * 6 * 6 * 6] = {};

uint8_t* SixLetterTable(int n) {
  switch (n) {
    case 3: return sixLetterTable3;
    case 4: return sixLetterTable4;
    case 5: return sixLetterTable5;
    case 6: return sixLetterTable6;
    case 7: return sixLetterTable7;
    default: return nullptr;
  }
}

int32_t SixLetterTableSize(int n) {
  if (n < kFirstLearnedCount || n > kLastLearnedCount) return 0;
  int32_t size = 1;
  for (int i = 0; i < n; ++i) size *= 6;
  return size;
}

int32_t NeighbourCountOfItem(int item) { return item >= 0 && item <= 6 ? item + 3 : 0; }

void ResetSixLetterItem(int item) {
  // The list for N = 4 starts left of the centre; the others start with it.
  static const int32_t kLists[7][9] = {
      {0, -1, 1},
      {-2, -1, 0, 1},
      {0, -2, -1, 1, 2},
      {0, -2, -1, 1, 2, 3},
      {0, -3, -2, -1, 1, 2, 3},
      {0, -3, -2, -1, 1, 2, 3, 4},
      {0, -4, -3, -2, -1, 1, 2, 3, 4},
  };
  const int32_t n = NeighbourCountOfItem(item);
  if (n == 0) return;
  neighbourCount = n;
  std::copy(kLists[item], kLists[item] + n, neighbourOffsets);
  if (uint8_t* table = SixLetterTable(n)) std::fill(table, table + SixLetterTableSize(n), kEmptyLetterEntry);
}

std::string LetterAmbiguityText(const LetterAmbiguity& a) {
  std::string text;
  const auto put = [&text](std::initializer_list<std::string> pieces) {
    for (const std::string& piece : pieces) text += piece;
  };
  const auto num = [](int64_t v) { return std::to_string(v); };
  const int16_t* k = a.keys;
  switch (a.n) {
    case 3:
      put({"Y", num(a.row), " X", num(a.column), "   ", num(k[0]), " ", num(k[1]), "|", num(k[2]), "    T",
           num(a.stored), " E", num(a.next)});
      break;
    case 4:
      put({"Y", num(a.row + 1), " X", num(a.column), " (", num(a.next), ") ", "  ", num(k[0]), "  ", num(k[1]),
           "  ", num(k[2]), "  ", num(k[3]), "    T", num(a.stored), "    AMBIGUITY!!!  "});
      break;
    case 5:
    case 6:
      put({"Y", num(a.row + 1), " X", num(a.column), " (", num(a.next), ") ", "   ", num(k[0]), " ", num(k[1]),
           "|", num(k[2]), "|", num(k[3]), "    T", num(a.stored), "    AMBIGUITY!!!  "});
      break;
    case 7:
      put({"Y", num(a.row + 1), " X", num(a.column), " (", num(a.next), ") ", "   ", num(k[0])});
      for (int j = 1; j < 7; ++j) put({" ", num(k[j])});
      put({"    AMBIGUITY!!!  ", "    T", num(a.stored)});
      break;
    default:
      break;
  }
  return text;
}

namespace {

// The letter of a history cell, or -1 for no letter (also outside the rows).
int16_t LetterAt(int64_t row, int32_t column) {
  if (row < 0 || row >= kTraceRows || column < 0 || column >= kStringCells) return -1;
  const int16_t v = sixLetterHistory[row][column];
  return v >= 0 && v <= 5 ? v : -1;
}

}  // namespace

void LearnSixLetterTable(int32_t n, const std::function<void(const LetterAmbiguity&)>& report) {
  uint8_t* table = SixLetterTable(n);
  if (!table) return;
  const int32_t length = UsedStringLength();
  const int32_t end = lastHistoryRow;
  // Rows from 29 on have no next row inside the history: nothing to learn there.
  const int32_t lastSource = std::min(end, kTraceRows - 1);
  stepCount = n == 4 ? 1 : 0;
  for (; stepCount < lastSource; ++stepCount) {
    const int32_t t = stepCount;
    for (int32_t x = 0; x < length; ++x) {
      LetterAmbiguity a;
      a.n = n;
      a.row = t;
      a.column = x;
      bool complete = true;
      int32_t index = 0;
      for (int32_t j = 0; j < n && complete; ++j) {
        const int16_t letter = LetterAt(t, CyclicColumn(int64_t{x} + neighbourOffsets[j], length));
        complete = letter >= 0;
        a.keys[j] = letter;
        index = index * 6 + letter;
      }
      const int16_t next = LetterAt(int64_t{t} + 1, x);
      if (!complete || next < 0) continue;
      uint8_t& entry = table[index];
      if (entry == kEmptyLetterEntry) {
        entry = static_cast<uint8_t>(next);
      } else if (entry != next) {
        a.stored = entry;
        a.next = next;
        report(a);
        if (n == 4) return;
      }
    }
  }
  if (stepCount < end) stepCount = end;
}
