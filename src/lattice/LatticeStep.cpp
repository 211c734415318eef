#include "lattice/LatticeStep.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "base/Square.h"
#include "engine/StringCells.h"
#include "engine/StringState.h"
#include "lattice/LatticeRuleTable.h"

int32_t oddZeroCellCount = 0;
int32_t evenZeroCellCount = 0;

namespace {

// The neighbours of the four rings as (row, column) offsets, in the order of
// the rule's table.
struct Offset {
  int dr, dc;
};
constexpr Offset kRing1[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
constexpr Offset kRing2[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
constexpr Offset kRing3[] = {{0, -2}, {0, 2}, {-2, 0}, {2, 0}};
constexpr Offset kRing4[] = {{-1, -2}, {-1, 2}, {-2, -1}, {-2, 1}, {1, -2}, {1, 2}, {2, -1}, {2, 1}};

// Full modulo; length >= 1.
int Wrap(int i, int length) {
  const int r = i % length;
  return r < 0 ? r + length : r;
}

// Whether the square holds value 0 at (row, column) seen from inside the
// square under the border; rows and columns are the used counts (>= 1).
bool IsZeroNeighbour(int row, int column, int rows, int columns, SquareBorder border) {
  if (border == SquareBorder::Circle) {
    row = Wrap(row, rows);
    column = Wrap(column, columns);
  } else if (row < 0 || row >= rows || column < 0 || column >= columns) {
    return false;
  }
  return squareCells[SquareIndex(row, column)] == 0;
}

template <size_t N>
int16_t CountRing(const Offset (&ring)[N], int row, int column, int rows, int columns, SquareBorder border) {
  int16_t n = 0;
  for (const Offset& o : ring) n += IsZeroNeighbour(row + o.dr, column + o.dc, rows, columns, border) ? 1 : 0;
  return n;
}

// The bytes a step looks its flag up in, by entry index 225 c1 + 45 c2 + 9 c3
// + c4: the rule half itself for the table modes, a table of the formula
// (made once) for the formula modes, nothing set for any other mode.
const uint8_t* ExcitationLookup(int mode) {
  using Lookup = std::array<uint8_t, kLatticeRuleHalf>;
  static const std::array<Lookup, 5> formulas = [] {
    std::array<Lookup, 5> all{};   // modes 0..3, then the empty one
    for (int m = 0; m < 4; ++m)
      for (int c1 = 0; c1 < 5; ++c1)
        for (int c2 = 0; c2 < 5; ++c2)
          for (int c3 = 0; c3 < 5; ++c3)
            for (int c4 = 0; c4 < 9; ++c4) all[m][RuleEntryIndex(c1, c2, c3, c4)] = IsCellExcited(m, c1, c2, c3, c4);
    return all;
  }();
  if (mode == 4 || mode == 5) return latticeRuleTable;
  return formulas[mode >= 0 && mode < 4 ? mode : 4].data();
}

// Sixteen bytes of a row, worked on at once.
constexpr int kLanes = 16;
using Lanes = uint8_t __attribute__((vector_size(kLanes)));
inline Lanes Load(const uint8_t* p) {
  Lanes v;
  std::memcpy(&v, p, kLanes);
  return v;
}

// The zero counts of the cell at p in a grid of 0/1 bytes with row stride s
// and a margin of two cells around it.
struct RingCounts {
  unsigned c1, c2, c3, c4;
};
inline RingCounts CountPaddedRings(const uint8_t* p, int s) {
  return {static_cast<unsigned>(p[-1] + p[1] + p[-s] + p[s]),
          static_cast<unsigned>(p[-s - 1] + p[s - 1] + p[-s + 1] + p[s + 1]),
          static_cast<unsigned>(p[-2] + p[2] + p[-2 * s] + p[2 * s]),
          static_cast<unsigned>(p[-s - 2] + p[-s + 2] + p[-2 * s - 1] + p[-2 * s + 1] + p[s - 2] + p[s + 2] +
                                p[2 * s - 1] + p[2 * s + 1])};
}

void StoreLastCounts(const RingCounts& n) {
  std::fill(std::begin(ringZeroCounts), std::end(ringZeroCounts), int16_t{0});
  ringZeroCounts[1] = static_cast<int16_t>(n.c1);
  ringZeroCounts[2] = static_cast<int16_t>(n.c2);
  ringZeroCounts[3] = static_cast<int16_t>(n.c3);
  ringZeroCounts[4] = static_cast<int16_t>(n.c4);
}

}  // namespace

bool IsCellExcited(int mode, int c1, int c2, int c3, int c4) {
  switch (mode) {
    case 0: return c4 > 0 && c1 + c4 < 11;
    case 1: return c4 > 0 && c1 + c4 < 11 && c3 == 0;
    case 2: return c3 + c4 > 0 && c1 + c3 + c4 < 11 && c3 + c4 != 8;
    case 3: return c3 + c4 != 0 && c1 + c3 + c4 < 11;
    case 4: return latticeRuleTable[RuleEntryIndex(c1, c2, c3, c3)] != 0;
    case 5: return latticeRuleTable[RuleEntryIndex(c1, c2, c3, c4)] != 0;
    default: return false;
  }
}

void CountRingZeros(int row, int column, SquareBorder border) {
  std::fill(std::begin(ringZeroCounts), std::end(ringZeroCounts), int16_t{0});
  const int rows = UsedSquareRows();
  const int columns = UsedSquareColumns();
  if (rows < 1 || columns < 1) return;
  ringZeroCounts[1] = CountRing(kRing1, row, column, rows, columns, border);
  ringZeroCounts[2] = CountRing(kRing2, row, column, rows, columns, border);
  ringZeroCounts[3] = CountRing(kRing3, row, column, rows, columns, border);
  ringZeroCounts[4] = CountRing(kRing4, row, column, rows, columns, border);
}

void ComputeNextSquareReference(int mode, SquareBorder border) {
  const int rows = UsedSquareRows();
  const int columns = UsedSquareColumns();
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      CountRingZeros(r, c, border);
      const uint8_t v = squareCells[SquareIndex(r, c)];
      if (v > 2) continue;
      const bool f = IsCellExcited(mode, ringZeroCounts[1], ringZeroCounts[2], ringZeroCounts[3], ringZeroCounts[4]);
      squareNextCells[SquareIndex(r, c)] = NextCellValue(v, f);
    }
}

// The fast form: the zero cells are laid into a grid with a margin of two
// cells on every side, filled by the border (wrapped copies for "Circle",
// nothing for "Frozen A"), so that every cell reads its 20 neighbours at
// fixed offsets without a wrap or a test.
void ComputeNextSquare(int mode, SquareBorder border) {
  const int rows = UsedSquareRows();
  const int columns = UsedSquareColumns();
  if (rows < 1 || columns < 1) return;

  constexpr int kMargin = 2;
  constexpr int kPaddedSide = kSquareSide + 2 * kMargin;
  // Rows are read 16 cells at a time, up to 15 past the last one.
  static uint8_t zero[kPaddedSide * kPaddedSide + kLanes];
  const int stride = columns + 2 * kMargin;
  for (int pr = 0; pr < rows + 2 * kMargin; ++pr) {
    uint8_t* line = zero + pr * stride;
    const int r = pr - kMargin;
    const bool rowInside = r >= 0 && r < rows;
    if (border == SquareBorder::FrozenA && !rowInside) {
      std::memset(line, 0, stride);
      continue;
    }
    const uint8_t* cells = squareCells + SquareIndex(rowInside ? r : Wrap(r, rows), 0);
    int c = 0;
    for (; c + kLanes <= columns; c += kLanes) {
      const Lanes isZero = Lanes(Load(cells + c) == 0) & uint8_t(1);
      std::memcpy(line + kMargin + c, &isZero, kLanes);
    }
    for (; c < columns; ++c) line[kMargin + c] = cells[c] == 0;
    for (int pc = 0; pc < kMargin; ++pc) {
      const int before = pc - kMargin, after = columns + pc;
      line[pc] = border == SquareBorder::Circle ? cells[Wrap(before, columns)] == 0 : 0;
      line[kMargin + after] = border == SquareBorder::Circle ? cells[Wrap(after, columns)] == 0 : 0;
    }
  }

  // The next value of a cell 0, 1 or 2 by its entry index, looked up at once
  // (the cell rule's branches would be mispredicted at almost every cell of a
  // random square): 3 x kLatticeRuleHalf bytes, made for this step's mode.
  const uint8_t* excited = ExcitationLookup(mode);
  static std::array<uint8_t, 3 * kLatticeRuleHalf> nextByEntry;
  for (uint8_t v = 0; v < 3; ++v)
    for (int e = 0; e < kLatticeRuleHalf; ++e) nextByEntry[v * kLatticeRuleHalf + e] = NextCellValue(v, excited[e] != 0);
  // "random-3" reads the ring-3 count in place of the ring-4 count.
  const bool ringThreeTwice = mode == 4;
  const uint8_t w3 = ringThreeTwice ? 10 : 9;
  const uint8_t w4 = ringThreeTwice ? 0 : 1;
  // Per row, the ring counts of 16 cells at once: ring 1 alone, and rings 2 to 4
  // as one byte 45 c2 + 9 c3 + c4 (at most 224), the entry index being 225 c1
  // plus that byte; then the flags and the next values cell by cell.
  const int s = stride;
  uint8_t ring1[kPaddedSide + kLanes], outer[kPaddedSide + kLanes];
  for (int r = 0; r < rows; ++r) {
    const uint8_t* z = zero + (r + kMargin) * stride + kMargin;
    for (int c = 0; c < columns; c += kLanes) {
      const uint8_t* p = z + c;
      const Lanes c1 = Load(p - 1) + Load(p + 1) + Load(p - s) + Load(p + s);
      const Lanes c2 = Load(p - s - 1) + Load(p + s - 1) + Load(p - s + 1) + Load(p + s + 1);
      const Lanes c3 = Load(p - 2) + Load(p + 2) + Load(p - 2 * s) + Load(p + 2 * s);
      const Lanes c4 = Load(p - s - 2) + Load(p - s + 2) + Load(p - 2 * s - 1) + Load(p - 2 * s + 1) +
                       Load(p + s - 2) + Load(p + s + 2) + Load(p + 2 * s - 1) + Load(p + 2 * s + 1);
      const Lanes rest = c2 * uint8_t(45) + c3 * w3 + c4 * w4;
      std::memcpy(ring1 + c, &c1, kLanes);
      std::memcpy(outer + c, &rest, kLanes);
    }
    const uint8_t* cells = squareCells + SquareIndex(r, 0);
    uint8_t* next = squareNextCells + SquareIndex(r, 0);
    for (int c = 0; c < columns; ++c) {
      const uint8_t v = cells[c];
      if (v <= 2) next[c] = nextByEntry[v * kLatticeRuleHalf + 225 * ring1[c] + outer[c]];
    }
  }

  const RingCounts last = CountPaddedRings(zero + (rows - 1 + kMargin) * stride + kMargin + columns - 1, s);
  StoreLastCounts(last);
}

bool CountSquareCells(int32_t limit) {
  zeroCellCountA = oneCellCountA = oddZeroCellCount = evenZeroCellCount = 0;
  const int rows = UsedSquareRows();
  const int columns = UsedSquareColumns();
  for (int r = 0; r < rows; ++r) {
    const uint8_t* cells = squareCells + SquareIndex(r, 0);
    for (int c = 0; c < columns; ++c) {
      if (cells[c] == 0) {
        ++zeroCellCountA;
        ++((r + c) % 2 != 0 ? oddZeroCellCount : evenZeroCellCount);
      } else if (cells[c] == 1) {
        ++oneCellCountA;
      } else {
        continue;
      }
      if (zeroCellCountA + oneCellCountA > limit) return false;
    }
  }
  return true;
}

bool StepSquare(int mode, SquareBorder border) {
  CopyUsedSquare(squareCells, squareNextCells);
  ComputeNextSquare(mode, border);
  CopyUsedSquare(squareNextCells, squareCells);
  return CountSquareCells(1);
}
