#pragma once
// The column a run analysis reads around a cell: a full cyclic wrap into
// 0..length-1 of the string in use, for any offset a user can type.
#include <cstdint>

// column mod length in 0..length-1; -1 when there is no string (length <= 0).
inline int32_t CyclicColumn(int64_t column, int32_t length) {
  if (length <= 0) return -1;
  int64_t r = column % length;
  if (r < 0) r += length;
  return static_cast<int32_t>(r);
}
