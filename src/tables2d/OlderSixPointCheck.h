#pragma once
// The older closure check of one six-point table ("(2 Check6P1M1 175"): six
// records placed around a centre on the mask whose points 3 and 4 are the
// negatives of points 1 and 2 and whose point 5 is their sum, over a fixed
// 1026 records in blocks of 171 whatever N is. Count cells 0 to 16 of the list
// serve as its counters: cell 0 counts the start records, cells 1 to 5 the
// records tried at levels 1 to 5 and cells 11 to 15 those that fitted, so a
// composed key gains a count only when it is found above record 16.
#include "tables1d/FixedMaskChecks.h"

constexpr int32_t kOlderCheckRecords = 1026;
constexpr int32_t kOlderCheckBlock = 171;

// The check's mask and scope: start records 0..1025, or 0..170 with "/6".
FixedClosureCheck OlderSixPointCheck(bool firstBlockOnly);

// Writes the counters of a finished search into their count cells (the
// search reset cells 0..1025 before it began); counts saturate at the int32
// maximum.
void StoreOlderCheckCounters(const ClosureOutcome& outcome);

// The loop indices a..f as the search left them: the records of the placement
// it stopped at; after a search that ran to its end, the start limit for a and
// 1026 for every level it entered (-1 for a level never entered).
std::array<int32_t, 6> OlderCheckLoopIndices(const ClosureOutcome& outcome, int32_t startLimit);
