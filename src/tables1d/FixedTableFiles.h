#pragma once
// The fixed-name table files of the older masks, relative to the current
// directory: int32 N, then N records of the file's key bytes, an int32 value
// and, where the layout has one, an int32 count, little-endian. A read checks
// the whole file (count 0..capacity, the length the count needs) before
// anything in memory changes; key bytes are taken as they stand (the grids
// and checks of these tables expect bytes outside the group too). A write goes over the start of the
// file, leaving whatever followed the last record, and creates a missing file
// (and its folder).
#include "base/TableRecords.h"
#include "tables1d/TableFile.h"

#include <cstdint>

struct FixedTableFile {
    const char* path;
    int keyBytes;      // 3..6
    bool withCounts;   // the record ends with a count after the value
};

inline constexpr FixedTableFile kTableFileRT11{"RT/RT11.dat", 3, false};      // mask (1,1), written
inline constexpr FixedTableFile kTableFileR2_0101{"RT/R2_0101.dat", 3, false};   // mask (1,1), read
inline constexpr FixedTableFile kTableFileRT31{"RT/RT31.dat", 4, true};       // mask (3,1), written
inline constexpr FixedTableFile kTableFileR3_0301{"RT/R3_0301.dat", 4, true};    // mask (3,1), read
inline constexpr FixedTableFile kTableFileRT73{"RT/RT73.dat", 6, true};       // mask (7,3), written
inline constexpr FixedTableFile kTableFileR4_0503{"RT/R4_0503.dat", 5, true};    // mask (5,3), read
inline constexpr FixedTableFile kTableFileR5_0703{"RT/R5_0703.dat", 6, true};    // mask (7,3), read
inline constexpr FixedTableFile kTableFileRT11OB{"RT/RT11OB.dat", 3, false};  // mask (1,1) learned backwards
inline constexpr FixedTableFile kTableFileRT31OB{"RT/RT31OB.dat", 4, false};  // mask (3,1) learned backwards

// Reads the whole file into out (counts 0 when the layout has none). Missing,
// Empty, Short, Malformed (a negative count) or OverCapacity leave out untouched.
TableFileStatus ReadFixedTableFile(const FixedTableFile& file, TableFileContent& out);

// Replaces the list by content: N, the first keyBytes of each key row, the
// values, and the counts only when the layout has them (otherwise the list's
// counts stay as they were).
void LoadFixedTableContent(const FixedTableFile& file, const TableFileContent& content);

// Writes recordCount records: key rows from keys (keyBytes each), values from
// ttValues and, with counts, counts from ttHitCount. recordCount is taken
// within 0..capacity.
TableFileStatus WriteFixedTableFile(const FixedTableFile& file, const uint8_t (*keys)[kTableKeyBytes],
                                    int32_t recordCount);
