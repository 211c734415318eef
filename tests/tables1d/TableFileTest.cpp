#include "TableTestSupport.h"

namespace {

class TableFileTest : public tabletest::TempDirTest {
protected:
    // A list of `count` records whose keys, values and counts differ per record.
    static void fillList(int32_t count, int keyLength)
    {
        ttRecordCount = count;
        for (int32_t i = 0; i < count; ++i) {
            for (int j = 0; j < keyLength; ++j) ttKeys[i][j] = uint8_t((i + j) % 6);
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
        const auto bytes = ReadWholeFile(file).value();
        ASSERT_EQ(bytes.size(), 4u + 13u * unsigned(n + 8));
        EXPECT_EQ(bytes[0], 13);   // little-endian count, then key, value, count per record
        EXPECT_EQ(bytes[4 + size_t(n + 8) + n], uint8_t(-1007 & 0xff));

        fillList(2, n);   // something else in memory
        ASSERT_EQ(ReadTableFileIntoList(file, n), TableFileStatus::Ok);
        ASSERT_EQ(ttRecordCount, 13);
        for (int32_t i = 0; i < 13; ++i) {
            for (int j = 0; j < n; ++j) EXPECT_EQ(ttKeys[i][j], (i + j) % 6);
            EXPECT_EQ(ttValues[i], -1000 * i - 7);
            EXPECT_EQ(ttHitCount[i], 100000 * i + 3);
        }
    }
}

TEST_F(TableFileTest, BadFilesAreRefusedAndTheListStaysAsItWas)
{
    // Text where a table was expected: its first four bytes read as a huge count.
    const std::string text = "hello, this is not a table file at all\r\n";
    std::vector<uint8_t> shortFile = {3, 0, 0, 0};   // 3 records promised, 2 present
    shortFile.resize(4 + 2 * 14);
    const std::vector<std::pair<std::vector<uint8_t>, TableFileStatus>> cases = {
        {{}, TableFileStatus::Empty},
        {{1, 0}, TableFileStatus::Short},
        {shortFile, TableFileStatus::Short},
        {{text.begin(), text.end()}, TableFileStatus::OverCapacity},
        {{0xff, 0xff, 0xff, 0xff}, TableFileStatus::Malformed},
        {{0x11, 0x27, 0, 0}, TableFileStatus::OverCapacity},   // 10001
        {{1, 0, 0, 0, 0, 1, 2, 6, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0}, TableFileStatus::Malformed},   // cell 6
    };
    for (const auto& [bytes, expected] : cases) {
        SCOPED_TRACE(int(bytes.size()));
        ASSERT_TRUE(WriteWholeFile(path("bad.dat"), bytes));
        fillList(5, 6);
        EXPECT_EQ(ReadTableFileIntoList(path("bad.dat"), 6), expected);
        EXPECT_EQ(ttRecordCount, 5);
        EXPECT_EQ(ttValues[4], -4007);
        EXPECT_FALSE(DescribeTableFileStatus(expected, path("bad.dat"), 6).empty());
    }
    EXPECT_EQ(ReadTableFileIntoList(path("missing.dat"), 6), TableFileStatus::Missing);
}

TEST_F(TableFileTest, WriteNeverCreatesAFileAndRefusesImpossibleKeyLengths)
{
    fillList(2, 6);
    const std::string file = path("RT/R5_0703.dat");
    EXPECT_EQ(WriteListToTableFile(file, 6), TableFileStatus::Missing);
    EXPECT_FALSE(std::filesystem::exists(file));
    ASSERT_TRUE(CreateEmptyFile(file));
    EXPECT_EQ(WriteListToTableFile(file, 11), TableFileStatus::BadKeyLength);
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
}

} // namespace
