// The marker theory: the six steps, the prediction and its verdict, the
// derivations from a zero trace and the five-cell table M11 with its file.
#include "runs/MarkerGrids.h"
#include "base/StringLength.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "runs/MarkerTheory.h"
#include "../base/TempWorkDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <vector>

namespace {

void SetMarkerRow(int row, std::initializer_list<int16_t> values)
{
  stringLength = static_cast<int32_t>(values.size());
  std::copy(values.begin(), values.end(), markerGrid[row]);
}

std::vector<int16_t> MarkerRowOf(int row)
{
  return std::vector<int16_t>(markerGrid[row], markerGrid[row] + stringLength);
}

void AdvanceRow(int32_t row)
{
  markerRow = row;
  AdvanceMarkerRow();
}

}  // namespace

TEST(MarkerTheory, ConvergingMarkersMergeAndReemit)
{
  SetMarkerRow(0, {0, 2, 0, 1, 0, 0, 0});
  AdvanceRow(0);
  EXPECT_EQ(MarkerRowOf(1), (std::vector<int16_t>{0, 0, 4, 0, 0, 0, 0}));
  AdvanceRow(1);
  EXPECT_EQ(MarkerRowOf(2), (std::vector<int16_t>{0, 0, 3, 0, 0, 0, 0}));
  AdvanceRow(2);
  EXPECT_EQ(MarkerRowOf(3), (std::vector<int16_t>{0, 1, 0, 2, 0, 0, 0}));
}

// A start without an empty cell: every pair of 3s collides at once; the
// annihilation walks the columns in place, each seeing the earlier changes.
TEST(MarkerTheory, AdjacentMarkersCollideAtOnce)
{
  SetMarkerRow(0, {3, 3, 3, 3});
  AdvanceRow(0);
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(markerCollisionLeft[0][x], 1);
    EXPECT_EQ(markerCollisionRight[0][x], 1);
  }
  EXPECT_EQ(MarkerRowOf(0), (std::vector<int16_t>{4, 4, 4, 4}));
  EXPECT_EQ(MarkerRowOf(1), (std::vector<int16_t>{3, 3, 3, 3}));

  // By hand, rows past the grids: nothing is written outside them.
  for (int32_t row : {-3, 19, 20, 29, 1000}) AdvanceRow(row);
  EXPECT_EQ(markerRow, 1000);
}

TEST(MarkerTheory, VerdictComparesEveryRowOfTheHistory)
{
  stringLength = 5;
  const uint8_t start[] = {1, 2, 2, 2, 1};
  std::copy(start, start + 5, stringA);
  ResetMarkerGrids(false);
  ClearTraces(27, true);
  seriesStepCount = 0;
  BuildMarkerPrediction();
  EXPECT_EQ(seriesStepCount, 1);
  EXPECT_EQ(markerRow, kTheoryRows);
  for (int r = 0; r < kTraceRows; ++r)
    for (int x = 0; x < 5; ++x) zeroTraceA[r][x] = theoryPrediction[r][x];
  EXPECT_EQ(theoryPrediction[1][1], 1);   // the markers of columns 0 and 4 move inwards
  EXPECT_EQ(theoryPrediction[1][2], 0);
  lastHistoryRow = 500;
  EXPECT_TRUE(MarkerPredictionHolds());
  zeroTraceA[25][3] = 1;                  // rows 21.. are predicted empty
  EXPECT_FALSE(MarkerPredictionHolds());
  lastHistoryRow = 24;
  EXPECT_TRUE(MarkerPredictionHolds());
}

TEST(MarkerTheory, DerivationsFromATrace)
{
  stringLength = 5;
  ClearTraces(27, true);
  for (int r = 0; r < kTraceRows; ++r) std::fill(markerGrid[r], markerGrid[r] + 27, int16_t{0});
  zeroTraceA[0][4] = 1;                                      // row 0 is not touched
  zeroTraceA[1][2] = zeroTraceA[2][2] = zeroTraceA[3][2] = 1;   // a vertical run
  zeroTraceA[5][0] = 1;                                      // a lone zero under empty cells
  zeroTraceA[29][1] = 1;                                     // past the last derived row
  DeriveMarkersFromTrace(false);
  EXPECT_EQ(markerGrid[0][4], 0);
  EXPECT_EQ(markerGrid[1][2], 4);
  EXPECT_EQ(markerGrid[2][2], 4);
  EXPECT_EQ(markerGrid[3][2], 3);                            // (0, 4, 0) above
  EXPECT_EQ(markerGrid[5][0], 5);                            // (0, 0, 0) is not listed
  EXPECT_EQ(markerGrid[29][1], 0);

  // Second list: the five-cell rule matches, and (3, 0, 0) overwrites it.
  ClearTraces(27, true);
  SetMarkerRow(0, {4, 3, 0, 0, 3});
  SetMarkerRow(1, {9, 9, 9, 9, 9});
  DeriveMarkersFromTrace(true);
  EXPECT_EQ(markerGrid[1][2], 2);
  EXPECT_EQ(markerGrid[1][1], 9);                            // (4, 3, 0): no rule
}

TEST(MarkerTheory, M11LearnsFiveCellWindowsOfTheRowAbove)
{
  ResetM11();
  EXPECT_EQ(CountM11Filled(), 1);
  SetMarkerRow(0, {0, 1, 2, 4, 0});
  SetMarkerRow(1, {1, 2, 3, 4, 0});
  lastHistoryRow = 4;                         // row 1 only
  EXPECT_EQ(LearnM11(), 6);
  EXPECT_EQ(markerTableM11[0 * 625 + 1 * 125 + 2 * 25 + 4 * 5 + 0], 5);   // 3 is stored as 5
  EXPECT_EQ(markerTableM11[1 * 625 + 2 * 125 + 4 * 25], 4);
  EXPECT_EQ(M11KeysHolding(4), (std::vector<std::string>{"LROXX"}));

  ResetM11();
  markerGrid[0][4] = 5;                       // every window sees the 5: none is learned
  EXPECT_EQ(LearnM11(), 1);
  lastHistoryRow = 1000;                      // rows stop at the grid's end
  LearnM11();
}

TEST(MarkerTheory, M11FileFillsItsFirstEntriesOrNothing)
{
  TempWorkDir dir;
  std::filesystem::create_directories("CA");
  auto write = [](std::vector<uint8_t> bytes) {
    std::ofstream("CA/M_11.dat", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  };
  std::fill(markerTableM11, markerTableM11 + kM11Entries, uint8_t{7});
  EXPECT_EQ(ReadM11File("CA/M_11.dat"), M11FileStatus::Missing);
  write(std::vector<uint8_t>(124, 156));
  EXPECT_EQ(ReadM11File("CA/M_11.dat"), M11FileStatus::Short);
  std::vector<uint8_t> garbage(125, 0);
  garbage[60] = 200;
  write(garbage);
  EXPECT_EQ(ReadM11File("CA/M_11.dat"), M11FileStatus::Malformed);
  EXPECT_EQ(markerTableM11[0], 7);

  std::vector<uint8_t> good(130, 156);
  good[3] = 4;
  good[126] = 0;
  write(good);
  EXPECT_EQ(ReadM11File("CA/M_11.dat"), M11FileStatus::Loaded);
  EXPECT_EQ(markerTableM11[3], 4);
  EXPECT_EQ(markerTableM11[124], 156);
  EXPECT_EQ(markerTableM11[126], 7);          // only 125 bytes are read
}
