#include "TableTestSupport.h"
#include "engine/BinaryFile.h"
#include "tables1d/TableFile.h"
#include "tables1d/TableRecords.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using tabletest::TempDirTest;

namespace {

class TableFileTest : public TempDirTest {
protected:
    void writeBytes(const std::string& p, const std::vector<uint8_t>& bytes)
    {
        ASSERT_TRUE(WriteWholeFile(p, bytes));
    }
    std::vector<uint8_t> readBytes(const std::string& p) { return ReadWholeFile(p).value_or(std::vector<uint8_t>{}); }

    // A list of `count` records whose keys, values and counts differ per record.
    void fillList(int32_t count, int keyLength)
    {
        ttRecordCount = count;
        for (int32_t i = 0; i < count; ++i) {
            for (int j = 0; j < kTableKeyBytes; ++j) ttKeys[i][j] = uint8_t(j < keyLength ? (i + j) % 6 : 0xEE);
            ttValues[i] = -1000 * i - 7;
            ttHitCount[i] = 100000 * i + 3;
        }
    }
};

TEST_F(TableFileTest, RoundTripKeepsKPointBytesForEveryPointCount)
{
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        const std::string file = path("R_" + std::to_string(n) + ".dat");
        ASSERT_TRUE(CreateEmptyFile(file));
        fillList(13, n);
        ASSERT_EQ(WriteListToTableFile(file, n), TableFileStatus::Ok);
        EXPECT_EQ(std::filesystem::file_size(file), 4u + 13u * unsigned(n + 8));

        const auto bytes = readBytes(file);
        EXPECT_EQ(bytes[0], 13);   // little-endian count
        EXPECT_EQ(bytes[1], 0);
        // Record 1: key, then value -1007 little-endian.
        const size_t record1 = 4 + size_t(n + 8);
        EXPECT_EQ(bytes[record1], 1);
        EXPECT_EQ(bytes[record1 + n], uint8_t(-1007 & 0xff));
        EXPECT_EQ(bytes[record1 + n + 3], 0xff);

        fillList(2, n);   // something else in memory
        ttKeys[5][n - 1] = 0;
        ASSERT_EQ(ReadTableFileIntoList(file, n), TableFileStatus::Ok);
        ASSERT_EQ(ttRecordCount, 13);
        for (int32_t i = 0; i < 13; ++i) {
            for (int j = 0; j < n; ++j) EXPECT_EQ(ttKeys[i][j], (i + j) % 6);
            EXPECT_EQ(ttValues[i], -1000 * i - 7);
            EXPECT_EQ(ttHitCount[i], 100000 * i + 3);
        }
    }
}

TEST_F(TableFileTest, ReadingKeepsTheRowBytesBeyondTheKey)
{
    const std::string file = path("R5_0703.dat");
    ASSERT_TRUE(CreateEmptyFile(file));
    fillList(3, 6);
    ASSERT_EQ(WriteListToTableFile(file, 6), TableFileStatus::Ok);
    ttKeys[1][6] = 0x42;
    ASSERT_EQ(ReadTableFileIntoList(file, 6), TableFileStatus::Ok);
    EXPECT_EQ(ttKeys[1][6], 0x42);
}

TEST_F(TableFileTest, WritingFewerRecordsLeavesTheOldTailWhichReadingIgnores)
{
    const std::string file = path("t.dat");
    ASSERT_TRUE(CreateEmptyFile(file));
    fillList(10, 6);
    ASSERT_EQ(WriteListToTableFile(file, 6), TableFileStatus::Ok);
    fillList(4, 6);
    ttValues[3] = 99;
    ASSERT_EQ(WriteListToTableFile(file, 6), TableFileStatus::Ok);
    EXPECT_EQ(std::filesystem::file_size(file), 4u + 10u * 14u);
    fillList(7, 6);
    ASSERT_EQ(ReadTableFileIntoList(file, 6), TableFileStatus::Ok);
    EXPECT_EQ(ttRecordCount, 4);
    EXPECT_EQ(ttValues[3], 99);
}

TEST_F(TableFileTest, BadFilesAreRefusedAndTheListStaysAsItWas)
{
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        TableFileStatus expected;
    };
    // Text where a table was expected: its first four bytes read as a huge count.
    const std::string text = "hello, this is not a table file at all\r\n";
    const std::vector<uint8_t> garbage(text.begin(), text.end());
    std::vector<uint8_t> shortFile = {3, 0, 0, 0};   // 3 records promised, 2 present
    for (int r = 0; r < 2; ++r)
        for (int b = 0; b < 14; ++b) shortFile.push_back(0);
    std::vector<uint8_t> badCell = {1, 0, 0, 0, 0, 1, 2, 6, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::vector<Case> cases = {
        {"empty", {}, TableFileStatus::Empty},
        {"count cut", {1, 0}, TableFileStatus::Short},
        {"records cut", shortFile, TableFileStatus::Short},
        {"garbage", garbage, TableFileStatus::OverCapacity},
        {"negative count", {0xff, 0xff, 0xff, 0xff}, TableFileStatus::Malformed},
        {"over capacity", {0x11, 0x27, 0, 0}, TableFileStatus::OverCapacity},   // 10001
        {"cell outside the group", badCell, TableFileStatus::Malformed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = path("bad.dat");
        writeBytes(file, c.bytes);
        fillList(5, 6);
        EXPECT_EQ(ReadTableFileIntoList(file, 6), c.expected);
        EXPECT_EQ(ttRecordCount, 5);
        EXPECT_EQ(ttValues[4], -4007);
        EXPECT_EQ(ttKeys[0][0], 0);
        EXPECT_FALSE(DescribeTableFileStatus(c.expected, file, 6).empty());
    }
    fillList(5, 6);
    EXPECT_EQ(ReadTableFileIntoList(path("missing.dat"), 6), TableFileStatus::Missing);
    EXPECT_EQ(ttRecordCount, 5);
}

TEST_F(TableFileTest, ACountOfExactlyTheCapacityIsRead)
{
    const std::string file = path("full.dat");
    ByteWriter w;
    w.putInt32(kTableCapacity);
    const uint8_t key[6] = {0, 1, 2, 3, 4, 5};
    for (int i = 0; i < kTableCapacity; ++i) {
        w.putBytes(key, 6);
        w.putInt32(i);
        w.putInt32(0);
    }
    writeBytes(file, w.bytes());
    ASSERT_EQ(ReadTableFileIntoList(file, 6), TableFileStatus::Ok);
    EXPECT_EQ(ttRecordCount, kTableCapacity);
    EXPECT_EQ(ttValues[kTableCapacity - 1], kTableCapacity - 1);
}

TEST_F(TableFileTest, WriteNeverCreatesAFileAndRefusesImpossibleKeyLengths)
{
    fillList(2, 6);
    const std::string file = path("RT/R5_0703.dat");
    EXPECT_EQ(WriteListToTableFile(file, 6), TableFileStatus::Missing);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(WriteListToTableFile("", 6), TableFileStatus::Missing);
    ASSERT_TRUE(CreateEmptyFile(file));
    EXPECT_EQ(WriteListToTableFile(file, 11), TableFileStatus::BadKeyLength);
    EXPECT_EQ(WriteListToTableFile(file, 0), TableFileStatus::BadKeyLength);
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
    EXPECT_EQ(ReadTableFileIntoList(file, 11), TableFileStatus::BadKeyLength);
}

TEST(TableFileName, BuildsAndParsesTheMaskNumbers)
{
    EXPECT_EQ(TableFileBaseName(6, 7, 3), "R5_0703.dat");
    EXPECT_EQ(TableFileBaseName(5, 5, 3), "R4_0503.dat");
    EXPECT_EQ(TableFileBaseName(9, 31, 25), "R8_3125.dat");

    const auto name = ParseTableFileName("/some/where/RT/R5_0703.dat");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->pointCount, 6);
    EXPECT_EQ(name->leftBits, 7);
    EXPECT_EQ(name->rightBits, 3);
    const auto seven = ParseTableFileName("R6_0707.DAT");
    ASSERT_TRUE(seven);
    EXPECT_EQ(seven->pointCount, 7);
    EXPECT_EQ(MaskPointCount(7, 7), 7);
    EXPECT_EQ(MaskPointCount(13, 9), 6);

    for (const char* bad : {"", "R5_0703.txt", "X5_0703.dat", "R5-0703.dat", "R5_073.dat", "R5_07a3.dat",
                            "R10_0703.dat", "/dir/R5_0703.dat/", "RT/"})
        EXPECT_FALSE(ParseTableFileName(bad)) << bad;
}

} // namespace
