#include "runs/ResolutionTables.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

#include "base/GroupAlgebra.h"
#include "base/ResolutionProbe.h"

int32_t rt1MatchIndex[kResolutionRows] = {};
int32_t rt1Offsets[8] = {};
uint8_t rt2Keys[kResolutionRows][kResolutionCells] = {};
int32_t rt2Width = 0;
int32_t rt2Count = 0;
int32_t rt2MatchIndex[kResolutionRows] = {};
int32_t rt2Offsets[8] = {};
uint8_t rtuKeys[kResolutionRows][kResolutionCells] = {};
int32_t rtuWidth = 0;
int32_t rtuCount = 0;
int32_t rtuMatchIndex[kResolutionRows] = {};

namespace {

int32_t Rows(int32_t count) { return std::clamp(count, 0, kResolutionRows); }

void ClearMatches(int32_t* matches, int32_t count) { std::fill(matches, matches + Rows(count), -1); }

void CopyRows(const uint8_t (*from)[kResolutionCells], uint8_t (*to)[kResolutionCells], int32_t count) {
  std::memcpy(to, from, sizeof *from * static_cast<size_t>(Rows(count)));
}

bool SameCells(const uint8_t* a, const uint8_t* b, int32_t width) { return std::equal(a, a + width, b); }

int32_t Scan(const uint8_t (*rows)[kResolutionCells], int32_t count, int32_t width, const uint8_t* probe) {
  width = ClampedWidth(width);
  if (width == 0) return -1;
  const int32_t n = Rows(count);
  for (int32_t j = 0; j < n; ++j)
    if (SameCells(rows[j], probe, width)) return j;
  return -1;
}

}  // namespace

int32_t Table1Rows() { return Rows(ttRecordCount); }
int32_t Table2Rows() { return Rows(rt2Count); }
int32_t TableURows() { return Rows(rtuCount); }
int32_t ClampedWidth(int32_t width) { return std::clamp(width, 0, kResolutionCells); }

std::string ResolutionRowText(const uint8_t* row, int32_t width, int32_t match) {
  std::string line;
  width = ClampedWidth(width);
  for (int32_t i = 0; i < width; ++i) {
    const int v = row[i];
    line += v <= 2 ? "  " + std::to_string(v) : " -" + std::to_string(v - 3);
    if (i == 0) line += " ";
  }
  if (match >= 0) line += "    " + std::to_string(match);
  return line;
}

void CopyTable1To2() {
  const int32_t n = Table1Rows();
  std::copy(rt1MatchIndex, rt1MatchIndex + n, rt2MatchIndex);
  rt2Width = rt1Width;
  rt2Count = n;
  CopyRows(rt1Keys, rt2Keys, n);
  std::copy(rt1Offsets, rt1Offsets + 8, rt2Offsets);
}

void CopyTable1To2Inverted() {
  const int32_t n = Table1Rows();
  const int32_t width = ClampedWidth(rt1Width);
  rt2Width = rt1Width;
  rt2Count = n;
  for (int32_t i = 0; i < n; ++i) {
    if (width > 0) rt2Keys[i][0] = rt1Keys[i][0];
    for (int32_t j = 1; j < width; ++j) rt2Keys[i][j] = rt1Keys[i][width - j];
  }
  std::copy(rt1Offsets, rt1Offsets + 8, rt2Offsets);
}

void CopyTable1ToU() {
  rtuWidth = rt1Width;
  rtuCount = Table1Rows();
  CopyRows(rt1Keys, rtuKeys, rtuCount);
}

void CopyTableUTo1() {
  ClearMatches(rt1MatchIndex, ttRecordCount);
  rt1Width = rtuWidth;
  ttRecordCount = TableURows();
  CopyRows(rtuKeys, rt1Keys, ttRecordCount);
}

void CopyTableUTo2() {
  ClearMatches(rt2MatchIndex, rt2Count);
  rt2Width = rtuWidth;
  rt2Count = TableURows();
  CopyRows(rtuKeys, rt2Keys, rt2Count);
}

void FilterTableUTo2() {
  ClearMatches(rt2MatchIndex, rt2Count);
  rt2Width = rtuWidth;
  rt2Count = 0;
  const int32_t n = TableURows();
  for (int32_t i = 0; i < n; ++i)
    if (rtuMatchIndex[i] >= 0) std::copy(rtuKeys[i], rtuKeys[i] + kResolutionCells, rt2Keys[rt2Count++]);
}

int32_t ResolutionScan::findInTable1(const uint8_t* probe) const {
  return Scan(rt1Keys, ttRecordCount, rt1Width, probe);
}
int32_t ResolutionScan::findInTable2(const uint8_t* probe) const { return Scan(rt2Keys, rt2Count, rt2Width, probe); }

struct ResolutionIndex::Impl {
  struct Table {
    int32_t width = 0;
    std::unordered_map<std::string, int32_t> lowest;

    void build(const uint8_t (*rows)[kResolutionCells], int32_t count, int32_t w) {
      width = ClampedWidth(w);
      if (width == 0) return;
      const int32_t n = Rows(count);
      lowest.reserve(static_cast<size_t>(n));
      for (int32_t j = 0; j < n; ++j) lowest.try_emplace(Key(rows[j]), j);   // the first row stays
    }
    std::string Key(const uint8_t* cells) const { return std::string(cells, cells + width); }
    int32_t find(const uint8_t* probe) const {
      if (width == 0) return -1;
      const auto it = lowest.find(Key(probe));
      return it == lowest.end() ? -1 : it->second;
    }
  };
  Table one, two;
};

ResolutionIndex::ResolutionIndex() : impl_(new Impl) {
  impl_->one.build(rt1Keys, ttRecordCount, rt1Width);
  impl_->two.build(rt2Keys, rt2Count, rt2Width);
}

ResolutionIndex::~ResolutionIndex() { delete impl_; }

int32_t ResolutionIndex::findInTable1(const uint8_t* probe) const { return impl_->one.find(probe); }
int32_t ResolutionIndex::findInTable2(const uint8_t* probe) const { return impl_->two.find(probe); }

int32_t MatchTables(const ResolutionSearch& search) {
  ClearMatches(rt1MatchIndex, ttRecordCount);
  ClearMatches(rt2MatchIndex, rt2Count);
  int32_t pairs = 0;
  const int32_t n = Table2Rows();
  const int32_t width = ClampedWidth(rt2Width);
  for (int32_t i = 0; i < n; ++i) {
    std::copy(rt2Keys[i], rt2Keys[i] + width, rtProbeRow);
    const int32_t j = search.findInTable1(rtProbeRow);
    if (j < 0) continue;
    rt1MatchIndex[j] = pairs;
    rt2MatchIndex[i] = pairs;
    ++pairs;
  }
  return Table2Rows() + Table1Rows() - pairs;
}

void CheckAmbiguity(const ResolutionSearch& search, const std::function<void(const char*)>& report) {
  struct Pass {
    const uint8_t (*rows)[kResolutionCells];
    int32_t count;
    int32_t copied;      // cells of each row copied into the probe source
    bool table2First;    // which table "IS AMB 1" names
  };
  const Pass passes[] = {
      {rt1Keys, Table1Rows(), rt1Width, false},
      {rt2Keys, Table2Rows(), rt2Width, false},
      {rt1Keys, Table1Rows(), rt2Width, true},
  };
  for (const Pass& p : passes) {
    const int32_t width = ClampedWidth(p.copied);
    for (int32_t i = 0; i < p.count; ++i) {
      std::copy(p.rows[i], p.rows[i] + width, rtProbeSource);
      for (int16_t g = 1; g <= 5; ++g) {
        RightMultiplyRow(g);
        const int32_t first = p.table2First ? search.findInTable2(rtProbeRow) : search.findInTable1(rtProbeRow);
        if (first >= 0) report("IS AMB 1");
        const int32_t second = p.table2First ? search.findInTable1(rtProbeRow) : search.findInTable2(rtProbeRow);
        if (second >= 0) report("IS AMB 2");
      }
    }
  }
}
