// The parameter sweep's core: which ranges it refuses, the order of its
// points, what a finished run adds to its point, and the five result files.
#include "runs/ParameterSweep.h"
#include "../base/TempWorkDir.h"

#include <gtest/gtest.h>

#include <clocale>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string FileText(const std::string& path)
{
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void SetRange(int32_t lengthFrom, int32_t lengthTo, int32_t bFrom, int32_t bTo, int32_t repeats)
{
  sweepLengthFrom = lengthFrom;
  sweepLengthTo = lengthTo;
  sweepBCountFrom = bFrom;
  sweepBCountTo = bTo;
  sweepRepeatCount = repeats;
}

}  // namespace

TEST(ParameterSweep, RefusesRangesItCannotRun)
{
  EXPECT_NE(SweepParameterProblem(), "");   // the edits' first texts: lengths 50..149
  SetRange(5, 8, 3, 11, 10);
  EXPECT_EQ(SweepParameterProblem(), "");
  // A length of 0 or 28, 11 B-count steps, B counts past the point lists, no
  // run per point, a range whose width overflows.
  const int32_t refused[][5] = {{0, 3, 3, 11, 10},    {20, 29, 3, 11, 10}, {5, 8, 0, 11, 10},
                                {5, 8, 4895, 4902, 10}, {5, 8, 3, 11, 0},   {INT32_MIN, INT32_MAX, 3, 11, 1}};
  for (const auto& r : refused) {
    SetRange(r[0], r[1], r[2], r[3], r[4]);
    EXPECT_NE(SweepParameterProblem(), "") << r[0] << " " << r[2] << " " << r[4];
  }
}

TEST(ParameterSweep, PointsRunLengthsOutermostAndCountEveryRun)
{
  SetRange(4, 6, 1, 4, 2);
  StartSweep();
  EXPECT_EQ(SweepRunTotal(), 2 * 3 * 2);
  std::string order;
  for (sweepRunIndex = 0; FindSweepPoint(); ++sweepRunIndex)
    order += std::to_string(sweepLengthIndex) + std::to_string(sweepBCountIndex) + std::to_string(sweepRepeatIndex) + " ";
  EXPECT_EQ(order, "000 001 010 011 020 021 100 101 110 111 120 121 ");
  EXPECT_EQ(sweepRunIndex, 12);

  sweepLengthIndex = 1;
  sweepBCountIndex = 2;
  CountSweepRun(10, 3);
  CountSweepRun(14, 1);
  EXPECT_EQ(sweepCount[2][1], 2);
  EXPECT_EQ(sweepTimeSum[2][1], 24);
  EXPECT_EQ(sweepBSum[2][1], 4);
  EXPECT_DOUBLE_EQ(sweepTimeSpread[2][1], 2.0);   // population spread of 10 and 14
  EXPECT_DOUBLE_EQ(sweepBSpread[2][1], 1.0);
  ClearSweepPoint(2, 1);
  EXPECT_EQ(sweepCount[2][1], 0);
  EXPECT_DOUBLE_EQ(sweepTimeSpread[2][1], 0.0);
  sweepBCountIndex = 10;                          // outside the tables: not counted
  CountSweepRun(10, 3);
}

// Lines only for the length steps asked for, " value " per B-count step,
// "0" where nothing was counted, "%f" with a point whatever the locale.
TEST(ParameterSweep, FilesHoldOneLinePerFinishedLength)
{
  TempWorkDir dir;
  std::setlocale(LC_ALL, "de_DE.UTF-8");   // a decimal comma, where the machine has it
  SetRange(7, 10, 2, 4, 2);
  StartSweep();
  sweepLengthIndex = 0;
  sweepBCountIndex = 1;
  CountSweepRun(9, 2);
  CountSweepRun(12, 3);
  EXPECT_EQ(WriteSweepFiles("dataN", 2), "");
  EXPECT_EQ(FileText("dataN/9_cont.dat"), "7 0  2 \n8 0  0 \n");
  EXPECT_EQ(FileText("dataN/9_Tsr.dat"), "7 0  10.500000 \n8 0  0 \n");
  EXPECT_EQ(FileText("dataN/9_DTsr.dat"), "7 0  1.500000 \n8 0  0 \n");
  EXPECT_EQ(FileText("dataN/9_Bcol.dat"), "7 0  2.500000 \n8 0  0 \n");
  EXPECT_EQ(FileText("dataN/9_DBcol.dat"), "7 0  0.500000 \n8 0  0 \n");
  EXPECT_EQ(WriteSweepFiles("dataN", 0), "");
  EXPECT_EQ(FileText("dataN/9_cont.dat"), "");
  std::setlocale(LC_ALL, "C");

  std::ofstream("blocked") << "a file where the folder should be";
  EXPECT_EQ(WriteSweepFiles("blocked", 1), "9_cont.dat, 9_Tsr.dat, 9_DTsr.dat, 9_Bcol.dat, 9_DBcol.dat");
}
