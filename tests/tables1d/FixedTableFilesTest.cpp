// The fixed-name table files: a write keeps the tail of a longer file, and
// a short or garbled file is refused before anything in memory changes.
// (The form tests write and open each file through its command.)
#include "TableTestSupport.h"
#include "tables1d/FixedTableFiles.h"

#include "../base/TempWorkDir.h"

namespace {

TEST(FixedTableFiles, AShorterTableLeavesTheLongerOnesTailAndIsReadByItsCount)
{
    TempWorkDir dir;
    ttRecordCount = 9;
    for (int32_t i = 0; i < 9; ++i) ttValues[i] = i;
    ASSERT_EQ(WriteFixedTableFile(kTableFileRT31OB, ttKeys, 9), TableFileStatus::Ok);
    ttValues[1] = -55;
    ASSERT_EQ(WriteFixedTableFile(kTableFileRT31OB, ttKeys, 2), TableFileStatus::Ok);
    EXPECT_EQ(std::filesystem::file_size(kTableFileRT31OB.path), 4u + 9u * 8u);
    TableFileContent content;
    ASSERT_EQ(ReadFixedTableFile(kTableFileRT31OB, content), TableFileStatus::Ok);
    EXPECT_EQ(content.recordCount, 2);
    EXPECT_EQ(content.values, (std::vector<int32_t>{0, -55}));
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
    };
    for (const auto& [bytes, expected] : cases) {
        SCOPED_TRACE(int(bytes.size()));
        ASSERT_TRUE(WriteWholeFile(kTableFileR2_0101.path, bytes));
        TableFileContent content;
        content.recordCount = 42;
        EXPECT_EQ(ReadFixedTableFile(kTableFileR2_0101, content), expected);
        EXPECT_EQ(content.recordCount, 42);
    }
}

} // namespace
