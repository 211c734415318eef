// The fixed-name table files: each layout round trips, a write keeps the
// tail of a longer file and creates a missing one, and a short or garbled
// file is refused before anything in memory changes.
#include "TableTestSupport.h"
#include "tables1d/FixedTableFiles.h"

#include "../engine/TempWorkDir.h"

namespace {

void FillList(int32_t count)
{
    ttRecordCount = count;
    for (int32_t i = 0; i < count; ++i) {
        for (int j = 0; j < kTableKeyBytes; ++j) ttKeys[i][j] = uint8_t((i + 2 * j) % 6);
        ttValues[i] = 300 - 7 * i;
        ttHitCount[i] = 1000 + i;
    }
}

size_t Size(const char* path) { return std::filesystem::file_size(path); }

TEST(FixedTableFiles, EveryLayoutRoundTripsIntoAFolderItCreates)
{
    TempWorkDir dir;
    for (const FixedTableFile& file : {kTableFileRT11, kTableFileRT31, kTableFileRT73, kTableFileRT31OB}) {
        SCOPED_TRACE(file.path);
        FillList(11);
        ASSERT_EQ(WriteFixedTableFile(file, ttKeys, 11), TableFileStatus::Ok);
        EXPECT_EQ(Size(file.path), 4u + 11u * unsigned(file.keyBytes + (file.withCounts ? 8 : 4)));

        TableFileContent content;
        ASSERT_EQ(ReadFixedTableFile(file, content), TableFileStatus::Ok);
        FillList(3);
        for (int32_t i = 0; i < 3; ++i) ttHitCount[i] = -1;
        LoadFixedTableContent(file, content);
        ASSERT_EQ(ttRecordCount, 11);
        for (int32_t i = 0; i < 11; ++i) {
            for (int j = 0; j < file.keyBytes; ++j) EXPECT_EQ(ttKeys[i][j], (i + 2 * j) % 6);
            EXPECT_EQ(ttValues[i], 300 - 7 * i);
            // Without counts in the file the list keeps its own.
            EXPECT_EQ(ttHitCount[i], file.withCounts ? 1000 + i : i < 3 ? -1 : 1000 + i);
        }
    }
}

TEST(FixedTableFiles, AShorterTableLeavesTheLongerOnesTailAndIsReadByItsCount)
{
    TempWorkDir dir;
    FillList(9);
    ASSERT_EQ(WriteFixedTableFile(kTableFileRT31, ttKeys, 9), TableFileStatus::Ok);
    ttValues[0] = 55;
    ASSERT_EQ(WriteFixedTableFile(kTableFileRT31, ttKeys, 2), TableFileStatus::Ok);
    EXPECT_EQ(Size(kTableFileRT31.path), 4u + 9u * 12u);
    TableFileContent content;
    ASSERT_EQ(ReadFixedTableFile(kTableFileRT31, content), TableFileStatus::Ok);
    EXPECT_EQ(content.recordCount, 2);
    EXPECT_EQ(content.values[0], 55);
}

TEST(FixedTableFiles, ShortAndGarbledFilesAreRefusedAndChangeNothing)
{
    TempWorkDir dir;
    std::vector<uint8_t> twoOfThree = {3, 0, 0, 0};   // three records of 7 bytes promised, two present
    twoOfThree.resize(4 + 2 * 7);
    const std::string text = "this is a text file and not a table";
    const std::vector<std::pair<std::vector<uint8_t>, TableFileStatus>> cases = {
        {{}, TableFileStatus::Empty},
        {{5, 0}, TableFileStatus::Short},
        {twoOfThree, TableFileStatus::Short},
        {{0xfe, 0xff, 0xff, 0xff}, TableFileStatus::Malformed},
        {{0x11, 0x27, 0, 0}, TableFileStatus::OverCapacity},
        {{text.begin(), text.end()}, TableFileStatus::OverCapacity},
        {{2, 0, 0, 0, 2, 7, 1, 0, 0, 0, 0, 1, 1}, TableFileStatus::Short},   // one record and two bytes
    };
    for (const auto& [bytes, expected] : cases) {
        SCOPED_TRACE(int(bytes.size()));
        ASSERT_TRUE(WriteWholeFile(kTableFileR2_0101.path, bytes));
        TableFileContent content;
        content.recordCount = 42;
        EXPECT_EQ(ReadFixedTableFile(kTableFileR2_0101, content), expected);
        EXPECT_EQ(content.recordCount, 42);
    }
    TableFileContent content;
    EXPECT_EQ(ReadFixedTableFile(kTableFileR3_0301, content), TableFileStatus::Missing);
}

} // namespace
