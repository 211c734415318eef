#pragma once
// The single-key lookup of "Mask crest": five key cells typed by hand, looked
// up in the value-permuted copy of the table list.
#include <cstdint>

extern int32_t crestKey[5];   // the numbers typed into the five cell edits; 0 at start

// The first of records 0 .. recordCount-1 (taken within the list) whose
// permuted cells 0..4, read as unsigned bytes, equal crestKey; recordCount
// when none does. Numbers outside 0..255 match no cell.
int32_t FindCrestKey(int32_t recordCount);
