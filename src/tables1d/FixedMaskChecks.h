#pragma once
// The closure checks of the fixed masks (1,1), (3,1), (5,3) and (7,3): the
// general closure check with the mask's positions wired in and a fixed record
// range of six fixed blocks instead of the list's N. Records beyond N inside
// the range are placed and looked up as they stand.
#include "tables1d/ClosureCheck.h"

struct FixedClosureCheck {
    ClosureMask mask;
    ClosureScope scope;
};

// Mask (1,1), offsets -1..+1: records 0..53, blocks of 9. The reference cell is
// cell 2 of the start record; a permuted answer that fails stops the check only
// when that cell is 0.
FixedClosureCheck FixedCheckOfMask11();

// Mask (3,1), offsets -2..+1: records 0..161, blocks of 27; reference cell 3 of
// the record at level 1.
FixedClosureCheck FixedCheckOfMask31();

// Mask (5,3), offsets -3, -1, 0, +1, +2: records 0..701, blocks of 117;
// reference cell 3 of the record at level 1.
FixedClosureCheck FixedCheckOfMask53();

// Mask (7,3), offsets -3..+2: records 0..593, blocks of 99; reference cell 5 of
// the record at level 1.
FixedClosureCheck FixedCheckOfMask73();
