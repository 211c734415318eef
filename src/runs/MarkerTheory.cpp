#include "runs/MarkerTheory.h"

#include <algorithm>

#include "base/BinaryFile.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "runs/CyclicColumn.h"

uint8_t markerCollisionLeft[kCollisionRows][kStringCells] = {};
uint8_t markerCollisionRight[kCollisionRows][kStringCells] = {};
int32_t markerRow = 0;
uint8_t markerTableM11[kM11Entries] = {};

namespace {

constexpr int32_t kLastDerivedRow = kTraceRows - 2;   // row r + 1 must lie in the grids

bool InGrid(int64_t row, int64_t rows, int32_t column) {
  return row >= 0 && row < rows && column >= 0 && column < kStringCells;
}

void SetMarker(int64_t row, int32_t column, int16_t value) {
  if (InGrid(row, kTraceRows, column)) markerGrid[row][column] = value;
}

void SetCollisions(int64_t row, int32_t column, uint8_t value) {
  if (!InGrid(row, kCollisionRows, column)) return;
  markerCollisionLeft[row][column] = value;
  markerCollisionRight[row][column] = value;
}

uint8_t TraceA(int64_t row, int32_t column) {
  return InGrid(row, kTraceRows, column) ? zeroTraceA[row][column] : 0;
}

int32_t Length() { return UsedStringLength(); }
int32_t Left(int32_t x) { return CyclicColumn(int64_t{x} - 1, Length()); }
int32_t Right(int32_t x) { return CyclicColumn(int64_t{x} + 1, Length()); }

}  // namespace

int16_t MarkerAt(int64_t row, int32_t column) {
  return InGrid(row, kTraceRows, column) ? markerGrid[row][column] : 0;
}
uint8_t CollisionLeftAt(int64_t row, int32_t column) {
  return InGrid(row, kCollisionRows, column) ? markerCollisionLeft[row][column] : 0;
}
uint8_t CollisionRightAt(int64_t row, int32_t column) {
  return InGrid(row, kCollisionRows, column) ? markerCollisionRight[row][column] : 0;
}

void MarkCollisions() {
  const int32_t r = markerRow;
  const int32_t length = Length();
  for (int32_t x = 0; x < length; ++x) SetCollisions(r, x, 0);
  for (int32_t x = 0; x < length; ++x) {
    const int16_t left = MarkerAt(r, Left(x)), here = MarkerAt(r, x);
    // A right-moving marker at x - 1 meets a left-moving marker at x.
    if ((left == 2 || left == 3) && (here == 1 || here == 3)) SetCollisions(r, x, 1);
  }
}

void AnnihilateMarkers() {
  const int32_t r = markerRow;
  const int32_t length = Length();
  struct Rule {
    int16_t left, here, newLeft, newHere;
  };
  static const Rule kRules[] = {{2, 1, 0, 0}, {3, 1, 1, 0}, {2, 3, 0, 2}, {3, 3, 1, 2}};
  for (int32_t x = 0; x < length; ++x) {
    const int32_t l = Left(x);
    for (const Rule& rule : kRules) {   // each rule sees what the earlier ones changed
      if (MarkerAt(r, l) != rule.left || MarkerAt(r, x) != rule.here) continue;
      if (CollisionLeftAt(r, x)) SetMarker(r, l, rule.newLeft);
      if (CollisionRightAt(r, x)) SetMarker(r, x, rule.newHere);
    }
  }
}

void MarkMeetingSites() {
  const int32_t r = markerRow;
  const int32_t length = Length();
  for (int32_t x = 0; x < length; ++x)
    if ((CollisionRightAt(r, x) == 1 || CollisionLeftAt(r, Right(x)) == 1) && MarkerAt(r, x) == 0)
      SetMarker(r, x, 4);
}

void ConvergeMarkers() {
  const int32_t r = markerRow;
  const int32_t length = Length();
  std::fill(markerCellHandled, markerCellHandled + length, uint8_t{0});
  for (int32_t x = 0; x < length; ++x) {
    const int16_t left = MarkerAt(r, Left(x)), right = MarkerAt(r, Right(x));
    if ((left == 2 || left == 3) && (right == 1 || right == 3)) {
      SetMarker(int64_t{r} + 1, x, 4);
      markerCellHandled[x] = 1;
    }
  }
}

void MoveMarkers() {
  const int32_t r = markerRow;
  const int32_t length = Length();
  for (int32_t x = 0; x < length; ++x) {
    const int16_t m = MarkerAt(r, x);
    const int32_t l = Left(x), rt = Right(x);
    if ((m == 1 || m == 3) && !markerCellHandled[l]) SetMarker(int64_t{r} + 1, l, 1);
    if ((m == 2 || m == 3) && !markerCellHandled[rt]) SetMarker(int64_t{r} + 1, rt, 2);
  }
}

void ReemitMarkers() {
  const int32_t r = markerRow;
  const int32_t length = Length();
  for (int32_t x = 0; x < length; ++x)
    if (MarkerAt(r, x) == 4) SetMarker(int64_t{r} + 1, x, 3);
}

void AdvanceMarkerRow() {
  MarkCollisions();
  AnnihilateMarkers();
  MarkMeetingSites();
  ConvergeMarkers();
  MoveMarkers();
  ReemitMarkers();
}

void BuildMarkerPrediction() {
  ++seriesStepCount;
  for (markerRow = 0; markerRow < kTheoryRows; ++markerRow) AdvanceMarkerRow();
  const int32_t length = Length();
  for (int r = 0; r < kTraceRows; ++r)
    for (int32_t x = 0; x < length; ++x) theoryPrediction[r][x] = markerGrid[r][x] != 0 ? 1 : 0;
}

bool MarkerPredictionHolds() {
  const int32_t length = Length();
  const int32_t lastRow = std::min(lastHistoryRow, kTraceRows - 1);
  for (int32_t r = 0; r <= lastRow; ++r)
    for (int32_t x = 0; x < length; ++x)
      if (zeroTraceA[r][x] != theoryPrediction[r][x]) return false;
  return true;
}

namespace {

struct TripleRule {
  int16_t left, here, right, value;
};

// First list: applied to the cells still holding 5.
const TripleRule kFirstRules[] = {
    {0, 0, 3, 1}, {3, 0, 0, 2}, {0, 4, 0, 3}, {1, 4, 2, 3}, {0, 4, 3, 3}, {3, 4, 0, 3}, {2, 0, 2, 2},
    {1, 0, 1, 1}, {3, 0, 2, 2}, {1, 0, 3, 1}, {0, 4, 1, 1}, {2, 4, 0, 2}, {0, 4, 4, 1}, {4, 4, 0, 2},
    {1, 4, 4, 1}, {4, 4, 2, 2}, {4, 4, 3, 1}, {3, 4, 4, 2}, {0, 0, 1, 1}, {2, 0, 0, 2},
};

// Second list, tried in this order on every cell: a later match overwrites.
const TripleRule kSecondRules[] = {
    {0, 4, 0, 3}, {1, 4, 2, 3}, {0, 4, 3, 3}, {3, 4, 0, 3}, {1, 0, 1, 1}, {2, 0, 2, 2}, {3, 0, 2, 2},
    {1, 0, 3, 1}, {0, 4, 1, 1}, {2, 4, 0, 2}, {0, 4, 4, 1}, {4, 4, 0, 2}, {1, 4, 4, 1}, {4, 4, 2, 2},
    {4, 4, 3, 1}, {3, 4, 4, 2}, {0, 0, 1, 1}, {2, 0, 0, 2}, {0, 0, 3, 1}, {3, 0, 0, 2},
};

}  // namespace

void DeriveMarkersFromTrace(bool secondRuleList) {
  const int32_t length = Length();
  for (int32_t x = 0; x < length; ++x)
    for (int32_t r = 1; r <= kLastDerivedRow; ++r)
      if (zeroTraceA[r][x]) markerGrid[r][x] = 5;
  // In a vertical run of zeros every row but the last becomes 4.
  for (int32_t x = 0; x < length; ++x)
    for (int32_t r = 1; r <= kLastDerivedRow; ++r)
      if (markerGrid[r][x] == 5 && TraceA(r + 1, x) && !(TraceA(r - 1, x) && markerGrid[r - 1][x] != 4))
        markerGrid[r][x] = 4;
  for (int32_t r = 1; r <= kLastDerivedRow; ++r) {
    for (int32_t x = 0; x < length; ++x) {
      const int16_t* above = markerGrid[r - 1];
      const int16_t l = above[Left(x)], h = above[x], rt = above[Right(x)];
      int16_t& cell = markerGrid[r][x];
      if (!secondRuleList) {
        if (cell != 5) continue;
        for (const TripleRule& rule : kFirstRules) {
          if (rule.left == l && rule.here == h && rule.right == rt) {
            cell = rule.value;
            break;
          }
        }
        continue;
      }
      const int16_t farLeft = above[CyclicColumn(int64_t{x} - 2, length)];
      const int16_t farRight = above[CyclicColumn(int64_t{x} + 2, length)];
      if (farLeft == 4 && l == 3 && h == 0 && rt == 0 && farRight == 3) cell = 4;
      for (const TripleRule& rule : kSecondRules)
        if (rule.left == l && rule.here == h && rule.right == rt) cell = rule.value;
    }
  }
}

int32_t CountM11Filled() {
  return static_cast<int32_t>(std::count_if(markerTableM11, markerTableM11 + kM11Entries,
                                            [](uint8_t v) { return v != kM11Empty; }));
}

int32_t LearnM11() {
  const int32_t length = Length();
  const int64_t endRow = std::min<int64_t>(int64_t{lastHistoryRow} - 2, kTraceRows);
  for (int64_t r = 1; r < endRow; ++r) {
    for (int32_t x = 0; x < length; ++x) {
      int32_t index = 0;
      bool inTable = true;
      for (int k = -2; k <= 2 && inTable; ++k) {
        const int16_t m = MarkerAt(r - 1, CyclicColumn(int64_t{x} + k, length));
        inTable = m >= 0 && m <= 4;
        index = index * 5 + m;
      }
      if (!inTable) continue;
      const int16_t v = markerGrid[r][x];
      markerTableM11[index] = static_cast<uint8_t>(v >= 1 && v <= 3 ? 5 : v);
    }
  }
  return CountM11Filled();
}

void ResetM11() {
  std::fill(markerTableM11, markerTableM11 + kM11Entries, kM11Empty);
  markerTableM11[625 * 1 + 125 * 2 + 25 * 4 + 5 * 4 + 0] = 0;
}

std::vector<std::string> M11KeysHolding(int value) {
  static const char kLetters[] = "XLREO";
  std::vector<std::string> lines;
  for (int index = 0; index < kM11Entries; ++index) {
    if (markerTableM11[index] != value) continue;
    std::string key(5, ' ');
    for (int k = 4, rest = index; k >= 0; --k, rest /= 5) key[k] = kLetters[rest % 5];
    lines.push_back(key);
  }
  return lines;
}

M11FileStatus ReadM11File(const std::filesystem::path& path) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return M11FileStatus::Missing;
  if (bytes->size() < kM11FileBytes) return M11FileStatus::Short;
  const auto first = bytes->begin(), last = first + kM11FileBytes;
  if (!std::all_of(first, last, [](uint8_t v) { return v <= 5 || v == kM11Empty; })) return M11FileStatus::Malformed;
  std::copy(first, last, markerTableM11);
  return M11FileStatus::Loaded;
}
