// The resolution tables: shown rows, copies, matching and the ambiguity check,
// and the indexed search against the specified scan.
#include "base/GroupAlgebra.h"
#include "base/Random.h"
#include "base/ResolutionProbe.h"
#include "runs/ResolutionTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

void SetRows(uint8_t (*rows)[kResolutionCells], std::initializer_list<std::vector<uint8_t>> values)
{
  int i = 0;
  for (const auto& row : values) {
    std::memset(rows[i], 0, kResolutionCells);
    std::copy(row.begin(), row.end(), rows[i++]);
  }
}

}  // namespace

TEST(ResolutionTables, RowsShowSignedCellsAndTheirMatch)
{
  const uint8_t row[kResolutionCells] = {0, 5, 2, 3};
  EXPECT_EQ(ResolutionRowText(row, 4, -1), "  0  -2  2 -0");
  EXPECT_EQ(ResolutionRowText(row, 2, 12), "  0  -2    12");
  EXPECT_EQ(ResolutionRowText(row, 0, 0), "    0");
  EXPECT_EQ(ResolutionRowText(row, 99, -1).size(), 10u * 3 + 1);   // width held to ten cells
}

TEST(ResolutionTables, CopiesCarryWidthCountAndMatches)
{
  ttRecordCount = 2;
  rt1Width = 4;
  SetRows(rt1Keys, {{0, 1, 2, 3}, {4, 5, 0, 1}});
  rt1MatchIndex[0] = 7;
  rt2MatchIndex[0] = 9;
  CopyTable1To2Inverted();   // a, b, c, d -> a, d, c, b; match numbers stay
  EXPECT_EQ(std::vector<uint8_t>(rt2Keys[0], rt2Keys[0] + 4), (std::vector<uint8_t>{0, 3, 2, 1}));
  EXPECT_EQ(rt2MatchIndex[0], 9);
  CopyTable1ToU();
  rtuCount = 1;
  rt1Width = 0;
  CopyTableUTo1();           // the table list's count follows table U
  EXPECT_EQ(ttRecordCount, 1);
  EXPECT_EQ(rt1Width, 4);
  EXPECT_EQ(rt1MatchIndex[0], -1);          // the old match numbers are cleared first

  rtuCount = 3;
  rtuMatchIndex[1] = -4;     // "I" keeps only the rows whose match number is >= 0
  SetRows(rtuKeys, {{1}, {2}, {3}});
  FilterTableUTo2();
  EXPECT_EQ(rt2Count, 2);
  EXPECT_EQ(rt2Keys[1][0], 3);
}

// Two rows of table 2 equal to one row of table 1 both get numbers; the row
// of table 1 keeps the second, and no row counts as unmatched for it.
TEST(ResolutionTables, MatchingNumbersPairsInOrder)
{
  ttRecordCount = 3;
  rt1Width = rt2Width = 3;
  SetRows(rt1Keys, {{1, 2, 3}, {0, 0, 1}, {1, 2, 3}});
  rt2Count = 3;
  SetRows(rt2Keys, {{1, 2, 3}, {5, 5, 5}, {1, 2, 3}});
  const ResolutionIndex index;
  EXPECT_EQ(MatchTables(index), 3 + 3 - 2);
  EXPECT_EQ(rt1MatchIndex[0], 1);
  EXPECT_EQ(rt1MatchIndex[1], -1);
  EXPECT_EQ(rt1MatchIndex[2], -1);   // the first equal row is the one found
  EXPECT_EQ(rt2MatchIndex[0], 0);
  EXPECT_EQ(rt2MatchIndex[1], -1);
  EXPECT_EQ(rt2MatchIndex[2], 1);

  rt1Width = rt2Width = 0;   // no width: no row can be told apart, none is found
  const ResolutionIndex none;
  EXPECT_EQ(MatchTables(none), 6);
  std::vector<std::string> hits;
  CheckAmbiguity(none, [&](const char* t) { hits.emplace_back(t); });
  EXPECT_TRUE(hits.empty());
}

TEST(ResolutionTables, AmbiguityCheckReportsEveryHitInPassOrder)
{
  // Row 1 of table 1 is row 0 times element 3; table 2 holds row 0.
  ttRecordCount = 2;
  rt1Width = rt2Width = 2;
  SetRows(rt1Keys, {{1, 2}, {uint8_t(GroupProduct(1, 3)), uint8_t(GroupProduct(2, 3))}});
  rt2Count = 1;
  SetRows(rt2Keys, {{1, 2}});
  std::vector<std::string> hits;
  CheckAmbiguity(ResolutionIndex(), [&](const char* t) { hits.emplace_back(t); });
  // pass 1: row 0 * 3 in table 1; row 1 * 3 in table 1 and in table 2.
  // pass 2: row 0 of table 2 * 3 in table 1. pass 3: table 2 is searched first and named
  // "IS AMB 1": row 0 * 3 only in table 1, row 1 * 3 in both.
  EXPECT_EQ(hits, (std::vector<std::string>{"IS AMB 1", "IS AMB 1", "IS AMB 2", "IS AMB 1", "IS AMB 2",
                                            "IS AMB 1", "IS AMB 2"}));
}

// The map search answers as the scan does, also with stale probe cells beyond
// the copied width and with repeated rows.
TEST(ResolutionTables, IndexedSearchAgreesWithTheScan)
{
  SeedRandom(7);
  ttRecordCount = 3000;
  rt2Count = 2000;
  rt1Width = 4;
  rt2Width = 3;
  for (int i = 0; i < ttRecordCount; ++i)
    for (int c = 0; c < kResolutionCells; ++c) rt1Keys[i][c] = uint8_t(Rand() % 3);
  for (int i = 0; i < rt2Count; ++i)
    for (int c = 0; c < kResolutionCells; ++c) rt2Keys[i][c] = uint8_t(Rand() % 3);
  const ResolutionIndex index;
  const ResolutionScan scan;
  for (int k = 0; k < 500; ++k) {
    for (uint8_t& cell : rtProbeRow) cell = uint8_t(Rand() % 3);
    ASSERT_EQ(index.findInTable1(rtProbeRow), scan.findInTable1(rtProbeRow));
    ASSERT_EQ(index.findInTable2(rtProbeRow), scan.findInTable2(rtProbeRow));
  }
  // Whole commands agree too: the match numbers and the boxes of "CH !!!".
  ttRecordCount = 300;
  rt2Count = 200;
  std::vector<std::string> byIndex, byScan;
  const ResolutionIndex smaller;
  EXPECT_EQ(MatchTables(smaller), MatchTables(scan));
  const std::vector<int32_t> matches(rt1MatchIndex, rt1MatchIndex + 300);
  MatchTables(smaller);
  EXPECT_EQ(std::vector<int32_t>(rt1MatchIndex, rt1MatchIndex + 300), matches);
  CheckAmbiguity(smaller, [&](const char* t) { byIndex.emplace_back(t); });
  CheckAmbiguity(scan, [&](const char* t) { byScan.emplace_back(t); });
  EXPECT_EQ(byIndex, byScan);
  EXPECT_FALSE(byIndex.empty());
}
