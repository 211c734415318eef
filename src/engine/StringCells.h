#pragma once
// The cell rule of strings A and B: which neighbours a cell looks at (the
// ticked left and right distances 1..11), how the ends are treated (border
// "Frozen A" or "Circle") and the next value of a cell. Shared by the string
// engine and by every run that steps the two strings (the recorded run).

#include <cstdint>

constexpr int kStringCells = 27;        // storage of one string
constexpr int kStringMaxDistance = 11;  // farthest distance a mask box can tick
constexpr int kFrozenMaxDistance = 6;   // "Frozen A" counts distances 1..6 only

// Ticked distances: element d (1..11) of left/right; element 0 is unused.
struct StringNeighbourhood {
  bool left[kStringMaxDistance + 1] = {};
  bool right[kStringMaxDistance + 1] = {};
};

// Items of the "Border" radio group.
enum class StringBorder : int { FrozenA = 0, Circle = 1 };

// 0 -> 1 always; 1 -> 2 when excited else 0; 2 -> 0 when excited else 2.
// Values above 2 (never written by the program) are treated like 2.
constexpr uint8_t NextCellValue(uint8_t old, bool excited) {
  if (old == 0) return 1;
  if (old == 1) return excited ? 2 : 0;
  return excited ? 0 : 2;
}

// Counts the 0 cells at left and right distance d (1..11) of cell i into
// leftZeros[d] / rightZeros[d] (both cleared first, 15 entries each) under the
// border, and tells whether a ticked distance sees a 0. Under "Circle" every
// index wraps by a full modulo of length, so short strings stay inside; under
// "Frozen A" cells beyond the ends are absent and distances above 6 never count.
bool CountZerosAround(const uint8_t* cells, int32_t length, int32_t i, const StringNeighbourhood& mask,
                      StringBorder border, int16_t* leftZeros, int16_t* rightZeros);

// The cells of a string of length cells (0..27) that see a 0 at a ticked
// distance, as a bit mask (bit i = cell i), from the mask of its 0 cells, with
// the border rules of CountZerosAround: a step's few shifts instead of a walk
// over every neighbour of every cell.
class ExcitedCells {
 public:
  ExcitedCells(int32_t length, const StringNeighbourhood& mask, StringBorder border);
  uint32_t operator()(uint32_t zeros) const;
  uint32_t cellsInUse() const { return all_; }
  int32_t length() const { return length_; }

 private:
  int32_t length_;
  uint32_t all_;
  bool circle_;
  int left_[kStringMaxDistance] = {}, right_[kStringMaxDistance] = {};   // shifts of the ticked distances
  int leftCount_ = 0, rightCount_ = 0;
};

// next[i] for i < length from the old cells only. length is clamped to 0..27.
// The zeros counted around the last cell are left in leftZeros / rightZeros
// (15 entries each) when they are given.
void StepStringCells(const uint8_t* cells, uint8_t* next, int32_t length, const StringNeighbourhood& mask,
                     StringBorder border, int16_t* leftZeros = nullptr, int16_t* rightZeros = nullptr);

// One step of one string, the rule every run of the strings shares (the
// engine and the recorded run): the next cells from the old ones, copied back,
// then, while the string runs (stopState 0), its counters (AdvanceCellCounters).
void StepStringWithCounters(uint8_t* cells, uint8_t* next, int32_t length, const StringNeighbourhood& mask,
                            StringBorder border, uint8_t stopState, int32_t* balance, int32_t* localTime,
                            int16_t* leftZeros = nullptr, int16_t* rightZeros = nullptr);
// The next cells of a string of excited.length() cells, copied back, for a run
// of many steps under one mask and border that builds the excited cells' rule
// once; no counter is touched and the zeros around the last cell are not kept.
void StepString(uint8_t* cells, uint8_t* next, const ExcitedCells& excited);

// The counters of a string that still runs, after a step: a cell holding 2
// gains 2 of balance and local time, any other cell loses 1 of balance and
// gains 1 of local time. The counters wrap around in 32 bits.
void AdvanceCellCounters(const uint8_t* cells, int32_t length, int32_t* balance, int32_t* localTime);

// Exchanges the values 1 and 2 (B is A with 1 and 2 exchanged); 0 stays.
inline uint8_t ExchangeOneTwo(uint8_t v) { return v == 1 ? 2 : v == 2 ? 1 : v; }
