// Square pattern files, the point-list rebuilds, the random flips, pattern
// names and the start patterns.
#include "base/Random.h"
#include "base/SquareSize.h"
#include "base/PointLists.h"
#include "lattice/SquarePatternFile.h"
#include "lattice/StartPatterns.h"
#include "../base/TempWorkDir.h"
#include "ByteFileSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

std::vector<uint8_t> SquareBytes() { return {squareCells, squareCells + kSquareCellCount}; }

class PatternFiles : public ::testing::Test {
protected:
    TempWorkDir dir_;
};

} // namespace

TEST_F(PatternFiles, RoundTripMovesTheWholeStorage)
{
    for (int i = 0; i < kSquareCellCount; ++i)
        squareCells[i] = uint8_t(i * 7 % 3);
    const std::vector<uint8_t> written = SquareBytes();
    ASSERT_EQ(WriteSquarePatternFile("obr/e0.dat"), PatternFileStatus::Ok);   // creates the folder
    EXPECT_EQ(std::filesystem::file_size("obr/e0.dat"), 17161u);
    EXPECT_FALSE(std::filesystem::exists("obr/e0.dat.part"));

    std::fill(std::begin(squareCells), std::end(squareCells), 2);
    ASSERT_EQ(ReadSquarePatternFile("obr/e0.dat"), PatternFileStatus::Ok);
    EXPECT_EQ(SquareBytes(), written);
}

TEST_F(PatternFiles, MissingShortOrGarbageFilesChangeNoCell)
{
    std::fill(std::begin(squareCells), std::end(squareCells), 1);
    const std::vector<uint8_t> before = SquareBytes();

    EXPECT_EQ(ReadSquarePatternFile("CA/none.dat"), PatternFileStatus::Missing);
    WriteBytes("short.dat", std::vector<uint8_t>(17160, 0));
    EXPECT_EQ(ReadSquarePatternFile("short.dat"), PatternFileStatus::Short);
    WriteBytes("empty.dat", {});
    EXPECT_EQ(ReadSquarePatternFile("empty.dat"), PatternFileStatus::Short);
    std::vector<uint8_t> garbage(17161, 0);
    garbage[9000] = 0x41;
    WriteBytes("garbage.dat", garbage);
    EXPECT_EQ(ReadSquarePatternFile("garbage.dat"), PatternFileStatus::Malformed);
    WriteBytes("long.dat", std::vector<uint8_t>(17162, 0));
    EXPECT_EQ(ReadSquarePatternFile("long.dat"), PatternFileStatus::Malformed);
    EXPECT_EQ(SquareBytes(), before);

    EXPECT_NE(PatternFileMessage(PatternFileStatus::Short, "short.dat").find("short.dat"), std::string::npos);
    EXPECT_EQ(PatternFileMessage(PatternFileStatus::Ok, "x"), "");
}

TEST_F(PatternFiles, AFailedSaveLeavesTheOldFile)
{
    WriteBytes("blocker", {1});   // a file where the folder should be
    EXPECT_EQ(WriteSquarePatternFile("blocker/e0.dat"), PatternFileStatus::WriteFailed);

    std::filesystem::create_directories("obr/kept.dat");   // a folder where the file should be
    EXPECT_EQ(WriteSquarePatternFile("obr/kept.dat"), PatternFileStatus::WriteFailed);
    EXPECT_TRUE(std::filesystem::is_directory("obr/kept.dat"));
    EXPECT_FALSE(std::filesystem::exists("obr/kept.dat.part"));
}

TEST(PatternNames, StayInsideTheFolderAndAreCut)
{
    std::string name = "e0";
    EXPECT_TRUE(MakePatternName("abcdefghijklmnopqrstuvwxyz", name));
    EXPECT_EQ(name, "abcdefghijklmnopqrstu");
    for (const char* bad : {"../x", "a/b", "a\\b", ".."}) {
        EXPECT_FALSE(MakePatternName(bad, name)) << bad;
        EXPECT_EQ(name, "abcdefghijklmnopqrstu");
    }
    EXPECT_TRUE(MakePatternName("r.1", name));
    patternName = name;
    EXPECT_EQ(NamedPatternPath(), "obr/r.1.dat");
    EXPECT_EQ(PresetFilePath(5), nullptr);
    EXPECT_EQ(PresetFilePath(-1), nullptr);
}

TEST(PointListRebuild, RowMajorAndBoundedByTheLists)
{
    squareRowCount = squareColumnCount = 3;
    const uint8_t cells[3][3] = {{1, 0, 2}, {0, 9, 1}, {2, 2, 0}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            squareCells[SquareIndex(r, c)] = cells[r][c];
    RebuildPointLists();
    ASSERT_EQ(cPointCount, 3);
    EXPECT_EQ((std::vector<int>{cPointY[0], cPointX[0], cPointY[1], cPointX[1], cPointY[2], cPointX[2]}),
              (std::vector<int>{0, 1, 1, 0, 2, 2}));
    ASSERT_EQ(bPointCount, 2);
    EXPECT_EQ(bPointX[1], 2);
    EXPECT_EQ(bPointY[1], 1);

    squareCells[SquareIndex(0, 2)] = 0;
    RebuildCPointList();   // the B list stays
    EXPECT_EQ(cPointCount, 4);
    EXPECT_EQ(bPointCount, 2);

    // Side 99 of C cells: 9801 candidates, 4900 places.
    squareRowCount = squareColumnCount = 99;
    std::fill(std::begin(squareCells), std::end(squareCells), 0);
    RebuildPointLists();
    EXPECT_EQ(cPointCount, kPointListCapacity);
    EXPECT_EQ(cPointY[4899], 4899 / 99);
    EXPECT_EQ(cPointX[4899], 4899 % 99);
}

// Row then column, 1 and 2 swapped, 0 left; a negative count draws nothing.
TEST(RandomFlips, DrawRowThenColumnAndSwapOnlyOneAndTwo)
{
    for (int i = 0; i < kSquareCellCount; ++i)
        squareCells[i] = uint8_t(i % 3);
    std::vector<uint8_t> expected = SquareBytes();
    SeedRandom(99);
    for (int k = 0; k < 8; ++k) {
        const int row = Rand() % 70;
        uint8_t& v = expected[SquareIndex(row, Rand() % 70)];
        v = v == 0 ? 0 : 3 - v;
    }
    SeedRandom(99);
    FlipRandomCells(8);
    EXPECT_EQ(SquareBytes(), expected);

    SeedRandom(5);
    FlipRandomCells(-3);
    const int32_t next = Rand();
    SeedRandom(5);
    EXPECT_EQ(next, Rand());
}

TEST(StartPatterns, AlternatingRowFromTheCentreStopsAtTheLastColumn)
{
    squareRowCount = squareColumnCount = 9;
    std::fill(std::begin(squareCells), std::end(squareCells), 2);
    LayAlternatingRow(1);
    EXPECT_EQ(squareCells[SquareIndex(4, 4)], 0);
    EXPECT_EQ(std::count(std::begin(squareCells), std::end(squareCells), 2), kSquareCellCount - 1);

    LayAlternatingRow(4);
    EXPECT_EQ(squareCells[SquareIndex(4, 5)], 1);
    EXPECT_EQ(squareCells[SquareIndex(4, 6)], 0);
    EXPECT_EQ(squareCells[SquareIndex(4, 7)], 1);
    EXPECT_EQ(squareCells[SquareIndex(4, 8)], 2);

    squareRowCount = squareColumnCount = 131;
    LayAlternatingRow(1000000);   // from column 65 to 130 and no further
    EXPECT_EQ(squareCells[SquareIndex(65, 130)], 1);
    EXPECT_EQ(squareCells[SquareIndex(66, 0)], 2);
}

// A batch too large for six in the list is cut; every point is in the storage.
TEST(StartPatterns, RandomBatchIsCutToItsShareOfTheList)
{
    SeedRandom(11);
    LayRandomPointBatch(5, 5000);
    EXPECT_LT(5 * kMaxSixBatchPoints + kMaxSixBatchPoints - 1, kPointListCapacity);
    SeedRandom(11);
    const int row = Rand() % 131;
    const int column = Rand() % 131;
    EXPECT_EQ(cPointY[5 * kMaxSixBatchPoints], row);
    EXPECT_EQ(cPointX[5 * kMaxSixBatchPoints], column);
    EXPECT_EQ(squareCells[SquareIndex(row, column)], 0);
}
