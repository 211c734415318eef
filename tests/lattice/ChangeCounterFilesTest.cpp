// Counter and river files of the change statistics: the files that must be
// refused with the tables left as they were, and the clearing of the frames.
#include "lattice/ChangeCounterFiles.h"
#include "lattice/RiverFrames.h"
#include "../base/TempWorkDir.h"
#include "TextFileSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

void WriteBytes(const std::string& path, std::size_t size) { WriteText(path, std::string(size, '\x05')); }

} // namespace

TEST(ChangeCounterFiles, TablesTakeOnlyFilesOfTheirExactSize)
{
    TempWorkDir dir;
    StatCountMap table = {};
    table[5][5] = 42;
    EXPECT_EQ(ReadCounterTable("aT1d/aBLy0.dat", table), CounterFileStatus::Missing);
    WriteBytes("aT1d/aBLy0.dat", kCounterFileSize - 4);
    EXPECT_EQ(ReadCounterTable("aT1d/aBLy0.dat", table), CounterFileStatus::WrongSize);
    WriteBytes("aT1d/aBLy0.dat", kCounterFileSize + 1);
    EXPECT_EQ(ReadCounterTable("aT1d/aBLy0.dat", table), CounterFileStatus::WrongSize);
    EXPECT_EQ(table[5][5], 42);
    EXPECT_EQ(table[0][0], 0);

    WriteBytes("aT1d/aBLy0.dat", kCounterFileSize);   // any bytes of the right length are counts
    EXPECT_EQ(ReadCounterTable("aT1d/aBLy0.dat", table), CounterFileStatus::Ok);
    EXPECT_EQ(table[5][5], 0x05050505);

    table[0][1] = INT32_MIN;   // the one value without a negative
    NegateCounterTable(table);
    EXPECT_EQ(table[0][1], INT32_MAX);
    EXPECT_EQ(table[5][5], -0x05050505);
}

TEST(ChangeCounterFiles, ShortRiverFileFillsNoFrame)
{
    TempWorkDir dir;
    riverFrames[1999][69][69] = 2;
    ASSERT_EQ(WriteRiverFile(kRiverFilePath), CounterFileStatus::Ok);
    EXPECT_EQ(std::filesystem::file_size(kRiverFilePath), 9800000u);

    WriteBytes(kRiverFilePath, 4900 * 3);
    EXPECT_EQ(ReadRiverFile(kRiverFilePath), CounterFileStatus::WrongSize);
    EXPECT_EQ(riverFrames[0][0][1], 0);
    EXPECT_EQ(riverFrames[1999][69][69], 2);
    EXPECT_EQ(CounterFileMessage(CounterFileStatus::WrongSize, kRiverFilePath, kRiverFileSize),
              "aT1d/aRIVE.dat is not 9800000 bytes long");
}

TEST(ChangeCounterFiles, ClearingRiverFramesStopsAtTheSideAndAtSeventy)
{
    std::memset(riverFrames, 7, sizeof riverFrames);
    ClearRiverFrames(3, 4);
    EXPECT_EQ(riverFrames[0][0][0], 0);
    EXPECT_EQ(riverFrames[1999][2][3], 0);
    EXPECT_EQ(riverFrames[1999][2][4], 7);
    EXPECT_EQ(riverFrames[1999][3][0], 7);

    ClearRiverFrames(131, -5);   // no columns: nothing
    EXPECT_EQ(riverFrames[5][10][10], 7);
    ClearRiverFrames(131, 131);   // cut to the frames' 70 x 70
    EXPECT_EQ(riverFrames[5][69][69], 0);
}
