#pragma once
// The one table list every transition table passes through (one- and
// two-dimensional), its value-permuted copy and the scratch rows of the
// generators. Plain global data, zero at start, never freed.
#include <algorithm>
#include <cstdint>

constexpr int kTableCapacity = 10000;  // records the list can hold
constexpr int kTableKeyBytes = 10;     // key bytes kept per record row

extern int32_t ttRecordCount;                                    // N, 0..kTableCapacity
extern uint8_t ttKeys[kTableCapacity][kTableKeyBytes];           // key cells, group elements 0..5
extern int32_t ttValues[kTableCapacity];                         // output value learned for the key
extern int32_t ttHitCount[kTableCapacity];                       // how often a check reached the record
extern uint8_t ttKeysPermuted[kTableCapacity][kTableKeyBytes];   // keys with a substitution per block
extern int32_t ttPermutedValues[kTableCapacity];                 // never filled; stays 0
extern int32_t ttProbeKey[9];                                    // a composed key to look up
extern int32_t lastFoundIndex;                                   // last record a lookup or check found
extern uint8_t rt1Keys[kTableCapacity][kTableKeyBytes];          // generators' scratch rows
extern int32_t harvestClassCount[6];                             // rows found by the last harvest
extern int32_t symmetryClassSize[2216];                          // records per symmetry class

// The records of the list its storage holds: ttRecordCount, which files and
// typed counts set, held inside 0..kTableCapacity.
inline int32_t ListedRecordCount() { return std::clamp<int32_t>(ttRecordCount, 0, kTableCapacity); }

// Block size B of a list of recordCount records: records b*B .. b*B+B-1 form
// block b (b = 0..5); records from 6*B on belong to no block.
inline int32_t BlockSize(int32_t recordCount) { return recordCount / 6; }

// a + b held within int32 (counts saturate instead of overflowing).
int32_t SaturatingAdd(int32_t a, int32_t b);
