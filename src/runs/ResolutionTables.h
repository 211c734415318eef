#pragma once
// The three resolution tables: rows of group elements (windows of cells).
// Table 1 is the generators' scratch rows rt1Keys with the count of the table
// list (ttRecordCount) and the width rt1Width; table 2 and table U are kept
// here. Rows are copied between the tables, matched (table 2 against table 1)
// and checked for ambiguity (a row times a non-identity element found again).
// A search compares the first "width" cells of the probe row; a table of
// width 0 finds nothing (no cell to tell rows apart). Every count used as a
// loop bound is held within the 10000 rows and every width within 10 cells.
#include <cstdint>
#include <functional>
#include <string>

#include "base/TableRecords.h"

constexpr int kResolutionRows = kTableCapacity;
constexpr int kResolutionCells = kTableKeyBytes;

extern int32_t rt1MatchIndex[kResolutionRows];
extern int32_t rt1Offsets[8];   // never changed
extern uint8_t rt2Keys[kResolutionRows][kResolutionCells];
extern int32_t rt2Width;
extern int32_t rt2Count;
extern int32_t rt2MatchIndex[kResolutionRows];
extern int32_t rt2Offsets[8];
extern uint8_t rtuKeys[kResolutionRows][kResolutionCells];
extern int32_t rtuWidth;
extern int32_t rtuCount;
extern int32_t rtuMatchIndex[kResolutionRows];   // never changed (all 0)

// Counts and widths as the loops use them.
int32_t Table1Rows();
int32_t Table2Rows();
int32_t TableURows();
int32_t ClampedWidth(int32_t width);

// One shown line: per cell "  v" for v <= 2, " -(v-3)" for v >= 3, one more
// blank after the first cell, then "    m" when the match number m >= 0.
std::string ResolutionRowText(const uint8_t* row, int32_t width, int32_t match);

// The copies of the panel and the menu "Explore" (see each name's caption).
void CopyTable1To2();          // rows, width, count, offsets and match numbers
void CopyTable1To2Inverted();  // cell 0 kept, cell j := cell width - j; match numbers kept
void CopyTable1ToU();
void CopyTableUTo1();          // table 1's old match numbers -1 first; ttRecordCount := rtuCount
void CopyTableUTo2();          // table 2's old match numbers -1 first
void FilterTableUTo2();        // table 2 := the rows of U whose match number is >= 0

// How a command finds the first row of table 1 (resp. 2) whose first rt1Width
// (rt2Width) cells equal those of a probe row (-1 for none).
class ResolutionSearch {
 public:
  virtual ~ResolutionSearch() = default;
  virtual int32_t findInTable1(const uint8_t* probe) const = 0;
  virtual int32_t findInTable2(const uint8_t* probe) const = 0;
};

// The specified linear scan over the rows.
class ResolutionScan : public ResolutionSearch {
 public:
  int32_t findInTable1(const uint8_t* probe) const override;
  int32_t findInTable2(const uint8_t* probe) const override;
};

// The same answers from a map of each table's rows (key -> lowest row),
// built once per command: the tables do not change while it is used.
class ResolutionIndex : public ResolutionSearch {
 public:
  ResolutionIndex();
  ~ResolutionIndex() override;
  ResolutionIndex(const ResolutionIndex&) = delete;
  ResolutionIndex& operator=(const ResolutionIndex&) = delete;
  int32_t findInTable1(const uint8_t* probe) const override;
  int32_t findInTable2(const uint8_t* probe) const override;

 private:
  struct Impl;
  Impl* impl_;
};

// "Comp.+": every row of table 2 (its rt2Width cells copied into rtProbeRow)
// looked up in table 1; a pair found gets the next match number in both
// tables (a row of table 1 found again takes the newer number). Returns
// rt2Count + ttRecordCount - pairs, the figure the panel shows.
int32_t MatchTables(const ResolutionSearch& search);

// The ambiguity check of "CH !!!": three passes over the rows, each row times
// g = 1..5 (over rt1Width cells) looked up in the two tables; report() gets
// "IS AMB 1" or "IS AMB 2" for every hit, in order. The check never stops early.
void CheckAmbiguity(const ResolutionSearch& search, const std::function<void(const char*)>& report);
