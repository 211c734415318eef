#include "lattice/ImproveSearch.h"

#include <climits>
#include <cstdio>

#include "lattice/LatticeRuleTable.h"

int32_t improveEntryIndex = 0;
int32_t improveStartIndex = 0;
int32_t improveRecordCount = 0;
uint8_t isImproved = 0;
int32_t improveVcrit = 0;
int32_t improveRecordVcrit[kImproveRecordCapacity] = {};
int32_t improveRecordIndex[kImproveRecordCapacity] = {};
uint8_t improveMaskCopy[kSquareCellCount] = {};
std::string improveFilePath;

std::string ImproveBaseFileName() { return ImproveRecordFileName(0); }

std::string ImproveRecordFileName(int32_t record) {
  char name[32];
  std::snprintf(name, sizeof name, "IMPROVE/imp%03d.dat", static_cast<int>(record));
  return name;
}

bool AdvanceImproveEntry() {
  const int32_t start = improveEntryIndex;
  int32_t index = start;
  for (int step = 0; step < kLatticeRuleHalf; ++step) {
    if (index == INT32_MAX) index = RuleEntryOfIndex(index);
    ++index;
    if (latticeRuleTable[kLatticeRuleHalf + RuleEntryOfIndex(index)] == 0) {
      improveEntryIndex = index;
      return true;
    }
  }
  return false;
}
