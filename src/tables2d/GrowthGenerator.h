#pragma once
// State of the toolbar's two-dimensional table generator ("TT 2d" .. "Stop"):
// whether it runs, and the mask under which a harvest last filled the
// key-indexed tables, so that a new start does not mix the keys of two masks.
#include "mask2d/Mask2dTables.h"

#include <cstdint>

extern uint8_t isTableGenerator2dRunning;   // 1 from "TT 2d" to "Stop"

// Remembers point table `item` (0..4, its first 5 + item points) as the mask
// the tables now hold keys of. Other items forget the mask.
void NoteHarvestMask(int item);

// Whether a harvest filled the tables under a mask other than point table
// `item` as it stands (another item, or the same item with other points).
// False when no harvest has filled them yet.
bool HarvestMaskDiffers(int item);
