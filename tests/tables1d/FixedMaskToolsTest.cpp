// The in-place multiplication and the "ddTol" column sums of a mask (3,1)
// table along the event rows (the mirror classes are tested through their command).
#include "TableTestSupport.h"
#include "base/StringLength.h"
#include "runs/EventTables.h"
#include "tables1d/FixedMaskTools.h"

namespace {

TEST(FixedMaskTools, InPlaceMultiplicationRewritesBlocksOneToFiveOnly)
{
    ttRecordCount = 6 * 4 + 2;
    for (int32_t r = 0; r < ttRecordCount; ++r) {
        for (int j = 0; j < kTableKeyBytes; ++j) ttKeys[r][j] = uint8_t((r * 7 + j) % 6);
        ttValues[r] = r;
        ttHitCount[r] = -r;
    }
    const std::vector<uint8_t> before(&ttKeys[0][0], &ttKeys[0][0] + 26 * kTableKeyBytes);
    MultiplyBlocksInPlace(4);
    EXPECT_EQ(ttRecordCount, 26);
    for (int32_t r = 0; r < 26; ++r) {
        const int32_t block = r / 4;
        for (int j = 0; j < kTableKeyBytes; ++j) {
            const uint8_t old = before[size_t(r) * kTableKeyBytes + j];
            const uint8_t base = before[size_t(r % 4) * kTableKeyBytes + j];
            // Cells past the key and rows past the six blocks keep their bytes.
            const uint8_t expected = j < 4 && block < 6 ? uint8_t(GroupProduct(uint32_t(block), base)) : old;
            EXPECT_EQ(ttKeys[r][j], expected) << r << "," << j;
        }
        EXPECT_EQ(ttValues[r], r);
        EXPECT_EQ(ttHitCount[r], -r);
    }
}

TEST(FixedMaskTools, ColumnSumsAddTheValueOfEachWindowsFirstRecord)
{
    stringLength = 5;
    // Event rows 0 and 1: all cells 1 except row 1, column 4, which is 2.
    for (int t = 0; t < 3; ++t)
        for (int c = 0; c < kEventColumns; ++c) eventElementA[t][c] = 1;
    eventElementA[1][4] = 2;
    TableFileContent table;
    const std::vector<std::array<uint8_t, 4>> keys = {{0, 0, 0, 0}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 2, 1}};
    table.recordCount = 4;
    for (const auto& key : keys) table.keys.insert(table.keys.end(), key.begin(), key.end());
    table.values = {5, 8, 100, -4};
    table.counts = {0, 0, 0, 0};

    EXPECT_EQ(ColumnSumsOfValues(table, 0), (std::array<int64_t, 27>{}));   // no rows: all zero
    // Row 0 gives every column 8, the first of the two records of its window.
    // In row 1 the windows of columns 0, 1 and 3 hold the 2 (wrapped) where no
    // record does; column 2 misses it and adds 8 again, column 4 matches -4.
    const std::array<int64_t, 27> out = ColumnSumsOfValues(table, 2);
    const int64_t expected[6] = {3 - 4, 3 - 4, 3 - 8, 3 - 4, 3 - 2, 3};   // trunc(1.5 R - S / 2)
    for (int c = 0; c < 6; ++c) EXPECT_EQ(out[size_t(c)], expected[c]) << c;

    // A view row past the stored event rows counts as the last of them.
    EXPECT_EQ(ColumnSumsOfValues(table, 30000)[5], 750);
}

} // namespace
