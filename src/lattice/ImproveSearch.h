#pragma once
// IMPROVE: a search over the entries of the rule half. Each trial inverts
// the next entry whose fixed mark (half 1) is clear; the decision keeps the
// inversion and saves the table under a numbered file with a record of the
// trial, or inverts the entry back. The base table is "IMPROVE/imp000.dat";
// the saved tables are "IMPROVE/imp" + the record number in at least three
// digits + ".dat".

#include <cstdint>
#include <string>

#include "base/Square.h"

constexpr int kImproveRecordCapacity = 5000;
// Records are numbered 1..4999: number 0 names the base table, which a
// saved record must never replace.
constexpr int32_t kImproveLastRecord = kImproveRecordCapacity - 1;

extern int32_t improveEntryIndex;    // entry of the current trial; its entry is index mod 1125
extern int32_t improveStartIndex;    // where "DO" starts ("N0=")
extern int32_t improveRecordCount;   // number of the next record and file
extern uint8_t isImproved;           // the current trial improved the rule
extern int32_t improveVcrit;         // critical value of the current trial ("Vcrit=")
extern int32_t improveRecordVcrit[kImproveRecordCapacity];
extern int32_t improveRecordIndex[kImproveRecordCapacity];
extern uint8_t improveMaskCopy[kSquareCellCount];
extern std::string improveFilePath;   // the file the last decision saved

std::string ImproveBaseFileName();
std::string ImproveRecordFileName(int32_t record);

// Moves improveEntryIndex on by one, and further while the entry it names is
// marked fixed. False when all 1125 entries are fixed: the index is then left
// as it was. The index never overflows: near the int32 limit it continues
// from the entry it names.
bool AdvanceImproveEntry();
