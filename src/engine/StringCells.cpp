#include "engine/StringCells.h"

#include "base/NumericHelpers.h"

#include <algorithm>

namespace {

// A full modulo; the common cases (at most one length away) need no division.
int32_t WrapModulo(int32_t i, int32_t length) {
  if (i >= 0 && i < length) return i;
  if (i < 0 && i + length >= 0) return i + length;
  if (i >= length && i - length < length) return i - length;
  int32_t r = i % length;
  return r < 0 ? r + length : r;
}

}  // namespace

bool CountZerosAround(const uint8_t* cells, int32_t length, int32_t i, const StringNeighbourhood& mask,
                      StringBorder border, int16_t* leftZeros, int16_t* rightZeros) {
  std::fill(leftZeros, leftZeros + 15, int16_t{0});
  std::fill(rightZeros, rightZeros + 15, int16_t{0});
  if (length <= 0) return false;
  if (border == StringBorder::Circle) {
    for (int d = 1; d <= kStringMaxDistance; ++d) {
      if (cells[WrapModulo(i - d, length)] == 0) ++leftZeros[d];
      if (cells[WrapModulo(i + d, length)] == 0) ++rightZeros[d];
    }
  } else {
    for (int d = 1; d <= kFrozenMaxDistance; ++d) {
      if (i - d >= 0 && cells[i - d] == 0) ++leftZeros[d];
      if (i + d <= length - 1 && cells[i + d] == 0) ++rightZeros[d];
    }
  }
  for (int d = 1; d <= kStringMaxDistance; ++d)
    if ((leftZeros[d] > 0 && mask.left[d]) || (rightZeros[d] > 0 && mask.right[d])) return true;
  return false;
}

ExcitedCells::ExcitedCells(int32_t length, const StringNeighbourhood& mask, StringBorder border)
    : length_(std::clamp(length, 0, kStringCells)),
      all_(length_ > 0 ? (1u << length_) - 1 : 0),
      circle_(border == StringBorder::Circle) {
  const int reach = circle_ ? kStringMaxDistance : kFrozenMaxDistance;
  for (int d = 1; d <= reach; ++d) {
    // Under "Circle" a distance wraps by a full modulo of the length: cell i sees
    // cell i - d at the left as a rotation by d mod length, and cell i + d at the
    // right as one by length - d mod length.
    const int left = circle_ && length_ > 0 ? d % length_ : d;
    const int right = circle_ && length_ > 0 ? (length_ - d % length_) % length_ : d;
    if (mask.left[d]) left_[leftCount_++] = left;
    if (mask.right[d]) right_[rightCount_++] = right;
  }
}

uint32_t ExcitedCells::operator()(uint32_t zeros) const {
  uint32_t e = 0;
  if (length_ == 0) return e;
  if (circle_) {
    const auto rotate = [&](int s) { return s == 0 ? zeros : ((zeros << s) | (zeros >> (length_ - s))) & all_; };
    for (int k = 0; k < leftCount_; ++k) e |= rotate(left_[k]);
    for (int k = 0; k < rightCount_; ++k) e |= rotate(right_[k]);
  } else {
    for (int k = 0; k < leftCount_; ++k) e |= (zeros << left_[k]) & all_;
    for (int k = 0; k < rightCount_; ++k) e |= zeros >> right_[k];
  }
  return e;
}

namespace {

// NextCellValue looked up rather than branched on: the cells of a run follow no
// pattern a branch could learn.
constexpr uint8_t kNextCell[3][2] = {{NextCellValue(0, false), NextCellValue(0, true)},
                                     {NextCellValue(1, false), NextCellValue(1, true)},
                                     {NextCellValue(2, false), NextCellValue(2, true)}};

// next[i] for the length cells that excited (a rule of that length) covers.
void NextCells(const uint8_t* cells, uint8_t* next, int32_t length, const ExcitedCells& excited) {
  uint32_t zeros = 0;
  for (int32_t i = 0; i < length; ++i) zeros |= uint32_t(cells[i] == 0) << i;
  const uint32_t seen = excited(zeros);
  for (int32_t i = 0; i < length; ++i) next[i] = kNextCell[std::min<uint8_t>(cells[i], 2)][(seen >> i) & 1];
}

}  // namespace

void StepStringCells(const uint8_t* cells, uint8_t* next, int32_t length, const StringNeighbourhood& mask,
                     StringBorder border, int16_t* leftZeros, int16_t* rightZeros) {
  length = std::clamp(length, 0, kStringCells);
  if (length == 0) return;
  NextCells(cells, next, length, ExcitedCells(length, mask, border));
  // What the walk over the cells leaves: the zeros counted around the last one,
  // for a caller that keeps them (the recorded run does not, at every step).
  if (!leftZeros && !rightZeros) return;
  int16_t left[15];
  int16_t right[15];
  CountZerosAround(cells, length, length - 1, mask, border, leftZeros ? leftZeros : left,
                   rightZeros ? rightZeros : right);
}

void StepStringWithCounters(uint8_t* cells, uint8_t* next, int32_t length, const StringNeighbourhood& mask,
                            StringBorder border, uint8_t stopState, int32_t* balance, int32_t* localTime,
                            int16_t* leftZeros, int16_t* rightZeros) {
  length = std::clamp(length, 0, kStringCells);
  StepStringCells(cells, next, length, mask, border, leftZeros, rightZeros);
  std::copy(next, next + length, cells);
  if (stopState != 0) return;
  AdvanceCellCounters(cells, length, balance, localTime);
}

void StepString(uint8_t* cells, uint8_t* next, const ExcitedCells& excited) {
  const int32_t length = std::clamp(excited.length(), 0, kStringCells);
  NextCells(cells, next, length, excited);
  std::copy(next, next + length, cells);
}

void AdvanceCellCounters(const uint8_t* cells, int32_t length, int32_t* balance, int32_t* localTime)
{
    for (int32_t i = 0; i < length; ++i) {
        const bool two = cells[i] == 2;
        balance[i] = AddWrapping(balance[i], two ? 2 : -1);
        localTime[i] = AddWrapping(localTime[i], two ? 2 : 1);
    }
}
