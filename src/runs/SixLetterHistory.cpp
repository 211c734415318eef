#include "runs/SixLetterHistory.h"

#include <algorithm>

#include "engine/StringState.h"

int16_t sixLetterHistory[kTraceRows][kStringCells] = {};
int16_t parityHistory[kTraceRows][kStringCells] = {};

int32_t HistoryRowsInUse() { return std::clamp(lastHistoryRow + 1, 0, kTraceRows); }

void BuildSixLetterHistory() {
  ++seriesStepCount;
  const int32_t rows = HistoryRowsInUse();
  const int32_t length = UsedStringLength();
  for (int32_t r = 0; r < rows; ++r) {
    for (int32_t c = 0; c < length; ++c) {
      sixLetterHistory[r][c] = kNoLetter;
      zeroStepA[r][c] -= 1;
      zeroStepB[r][c] -= 1;
      if (zeroTraceA[r][c]) parityHistory[r][c] = static_cast<int16_t>(zeroStepA[r][c] % 2);
      if (zeroTraceB[r][c]) parityHistory[r][c] = static_cast<int16_t>(zeroStepB[r][c] % 2 + 2);
      zeroStepA[r][c] %= 3;
      zeroStepB[r][c] %= 3;
      if (zeroTraceA[r][c]) sixLetterHistory[r][c] = static_cast<int16_t>(zeroStepA[r][c]);
      if (zeroTraceB[r][c]) sixLetterHistory[r][c] = static_cast<int16_t>(zeroStepB[r][c] + 3);
    }
  }
  stepCount = rows;
}

namespace {

std::string RowPrefix(int32_t row) {
  return std::string(row < 10 ? "  " : "") + std::to_string(row) + " -    ";
}

const char* LetterText(int16_t value) {
  static const char* const kLetters[] = {"x  ", "y  ", "z  ", "X ", "Y ", "Z "};
  return value >= 0 && value <= 5 ? kLetters[value] : "";
}

bool IsHistoryRow(int32_t row) { return row >= 0 && row < kTraceRows; }

}  // namespace

std::string SixLetterLine(int32_t row) {
  std::string line = RowPrefix(row);
  const int32_t length = UsedStringLength();
  for (int32_t c = 0; c < length; ++c) {
    if (IsHistoryRow(row)) line += LetterText(sixLetterHistory[row][c]);
    line += " ";
  }
  return line;
}

std::string ParityLine(int32_t row) {
  std::string line = RowPrefix(row);
  const int32_t length = UsedStringLength();
  for (int32_t c = 0; c < length; ++c) {
    line += std::to_string(IsHistoryRow(row) ? parityHistory[row][c] : 0);
    line += " ";
  }
  return line;
}
