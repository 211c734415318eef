#include "TableTestSupport.h"
#include "tables1d/TableTextExport.h"

using TableTextExportTest = tabletest::TempDirTest;

TEST_F(TableTextExportTest, WritesBlockZeroWithWordsSignAndCount)
{
    ttRecordCount = 78;   // block 0 = records 0..12
    const uint8_t key[6] = {0, 3, 1, 4, 0, 2};
    std::copy(key, key + 6, ttKeys[12]);
    ttHitCount[12] = 7;
    const std::string text = TableExportText(6, 2);
    const std::string line12 = "   12    -x  +x  -y  +y  -x  -z  -1         7\r\n";
    EXPECT_EQ(text.size(), 13u * (21 + 4 * 6 + 2));
    EXPECT_EQ(text.substr(text.size() - line12.size()), line12);

    ttKeys[12][2] = 3;   // centre cell of +x gives +1
    ttKeys[12][5] = 8;   // a cell outside the group writes nothing
    EXPECT_NE(TableExportText(6, 2).find("   12    -x  +x  +x  +y  -x  +1         7\r\n"), std::string::npos);
}

TEST_F(TableTextExportTest, AFileThatCannotBeCreatedIsReported)
{
    ttRecordCount = 6;
    ASSERT_TRUE(WriteWholeFile(path("file"), {}));
    EXPECT_FALSE(WriteTableExport(path("file") + "/R5_0703.txt", 6, 3));
    EXPECT_TRUE(WriteTableExport(path("R5_0703.txt"), 6, 3));
}
