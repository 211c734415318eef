// Names of two-dimensional table files read back into masks, and the writer
// that creates a missing file and never cuts a longer one.
#include "Tables2dTestSupport.h"

#include "base/TableRecords.h"
#include "tables2d/TableFile2d.h"

using namespace tabletest;

namespace {

TEST(TableFile2dName, PointCountAndExtraPointsAreReadAtTheirPositions)
{
    EXPECT_EQ(Table2dPathPointCount("/p/RT2/T8_-1+1.dat"), 9);
    EXPECT_EQ(Table2dPathPointCount("/p/RT2/T9_+1+1.dat"), std::nullopt);
    EXPECT_EQ(Table2dPathPointCount("/p/T"), std::nullopt);
    EXPECT_EQ(Table2dBaseName("/p/RR4.dat"), "R4");
    EXPECT_EQ(Table2dBaseName("/p/T.da"), "");
    EXPECT_EQ(ParseTable2dBaseName("5_10-3").extraPoints[0].x, 10);
    // "-10" takes three characters: read as -1, and the y after it from "0+".
    const Table2dName shifted = ParseTable2dBaseName("5_-10+1");
    EXPECT_EQ(shifted.extraPoints[0].x * 10 + shifted.extraPoints[0].y, -10);
    // Positions past a short name read as empty; a non-digit count counts 0.
    EXPECT_EQ(ParseTable2dBaseName("8_").extraPoints[3].y, 0);
    EXPECT_EQ(ParseTable2dBaseName("R4").pointCount, 1);
}

class TableFile2dWrite : public TempDirTest {};

TEST_F(TableFile2dWrite, AShorterTableOverALongerOneKeepsItsTail)
{
    ttRecordCount = 12;
    std::fill_n(ttHitCount, 12, 3);
    const std::string file = path("RT2/T5_-1+1.dat");
    ASSERT_EQ(WriteTable2dFile(file, 6), TableFileStatus::Ok);
    ttRecordCount = 6;
    ASSERT_EQ(WriteTable2dFile(file, 6), TableFileStatus::Ok);
    EXPECT_EQ(std::filesystem::file_size(file), 4u + 12 * 14);
    TableFileContent content;
    ASSERT_EQ(ReadTableFile(file, 6, content), TableFileStatus::Ok);
    EXPECT_EQ(content.recordCount, 6);
    ASSERT_TRUE(WriteWholeFile(path("blocked"), std::vector<uint8_t>{1}));
    EXPECT_EQ(WriteTable2dFile(path("blocked/T4.dat"), 5), TableFileStatus::WriteFailed);
}

} // namespace
