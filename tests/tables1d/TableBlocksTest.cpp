#include "engine/GroupAlgebra.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/TableBlocks.h"
#include "tables1d/TableRecords.h"

#include <gtest/gtest.h>

namespace {

TEST(GroupMultiplication, BlockBIsBlockZeroMultipliedByBAndBytesBeyondTheKeyStay)
{
    ttRecordCount = 3;
    const uint8_t base[3][6] = {{0, 1, 2, 3, 4, 5}, {5, 5, 0, 1, 2, 3}, {3, 3, 3, 3, 3, 3}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 6; ++j) ttKeys[i][j] = base[i][j];
    for (int i = 0; i < 18; ++i) {
        ttKeys[i][6] = 0xAB;
        ttValues[i] = i;
        ttHitCount[i] = 100 + i;
    }
    ASSERT_TRUE(MultiplyListByGroup(6));
    ASSERT_EQ(ttRecordCount, 18);
    for (int g = 0; g < 6; ++g)
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 6; ++j) EXPECT_EQ(ttKeys[g * 3 + i][j], GroupProduct(g, base[i][j]));
            EXPECT_EQ(ttKeys[g * 3 + i][6], 0xAB);
            EXPECT_EQ(ttValues[g * 3 + i], g * 3 + i);       // values and counts untouched
            EXPECT_EQ(ttHitCount[g * 3 + i], 100 + g * 3 + i);
        }
}

TEST(GroupMultiplication, EmptyListStaysEmptyAndAnOverfullOneIsRefused)
{
    ttRecordCount = 0;
    EXPECT_TRUE(MultiplyListByGroup(6));
    EXPECT_EQ(ttRecordCount, 0);

    ttRecordCount = 1666;   // 9996 records after
    EXPECT_TRUE(MultiplyListByGroup(9));
    EXPECT_EQ(ttRecordCount, 9996);

    ttRecordCount = 1667;
    ttKeys[1667][0] = 5;
    ttKeys[0][0] = 1;
    EXPECT_FALSE(MultiplyListByGroup(9));
    EXPECT_EQ(ttRecordCount, 1667);
    EXPECT_EQ(ttKeys[1667][0], 5);
    EXPECT_FALSE(GroupMultiplicationFits(1667));
    EXPECT_TRUE(GroupMultiplicationFits(1666));
}

TEST(PermutedCopy, EachBlockHasItsSubstitutionAndRowsOutsideBlocksStay)
{
    ttRecordCount = 7;   // blocks of one record; record 6 belongs to no block
    for (int r = 0; r < 7; ++r)
        for (int j = 0; j < 6; ++j) ttKeys[r][j] = uint8_t(j);
    ttKeys[0][6] = 9;
    ttKeysPermuted[6][0] = 77;
    ttKeysPermuted[0][6] = 66;
    BuildPermutedCopy(6);
    const uint8_t expected[6][6] = {{0, 2, 1, 5, 4, 3}, {2, 1, 0, 4, 3, 5}, {1, 0, 2, 3, 5, 4},
                                    {1, 0, 2, 3, 5, 4}, {0, 2, 1, 5, 4, 3}, {2, 1, 0, 4, 3, 5}};
    for (int b = 0; b < 6; ++b)
        for (int j = 0; j < 6; ++j) EXPECT_EQ(ttKeysPermuted[b][j], expected[b][j]) << b << " " << j;
    EXPECT_EQ(ttKeysPermuted[6][0], 77);
    EXPECT_EQ(ttKeysPermuted[0][6], 66);
    EXPECT_EQ(PermuteCell(0, 9), 9);   // a cell outside the group is copied
}

TEST(PermutedCopy, IsTheBaseKeyConjugatedByFourWithinTheSameBlock)
{
    // For a key b*x of block b the copy is b*(4*x*4).
    ttRecordCount = 6;
    const uint8_t x[6] = {0, 1, 2, 3, 4, 5};
    for (int b = 0; b < 6; ++b)
        for (int j = 0; j < 6; ++j) ttKeys[b][j] = uint8_t(GroupProduct(b, x[j]));
    BuildPermutedCopy(6);
    for (int b = 0; b < 6; ++b)
        for (int j = 0; j < 6; ++j)
            EXPECT_EQ(ttKeysPermuted[b][j], GroupProduct(b, GroupProduct(GroupProduct(4, x[j]), 4)));
}

TEST(KeyIndexedTables, IndexIsBaseSixAndClearsMarkEntriesEmpty)
{
    const uint8_t key[6] = {1, 0, 0, 0, 0, 5};
    EXPECT_EQ(KeyTableIndex(key, 6), 7776 + 5);
    EXPECT_EQ(KeyTableIndex(key, 1), 1);

    tt6Used[10] = 1;
    tt3Value[0] = 3;
    tt9Used[kKeys9 - 1] = 1;
    tt8Used[0] = 1;
    ClearSmallKeyTables();
    EXPECT_EQ(tt6Used[10], 0);
    EXPECT_EQ(tt6Value[10], kEmptyKeyValue);
    EXPECT_EQ(tt3Value[0], kEmptyKeyValue);
    EXPECT_EQ(tt4Value[6 * kKeys4 - 1], kEmptyKeyValue);
    EXPECT_EQ(tt9Used[kKeys9 - 1], 1);   // the 8- and 9-cell flags are the two-dimensional clear's
    EXPECT_EQ(int8_t(tt7Value[0]), -99); // -99 cannot be told from an empty entry

    ClearTwoDimKeyTables(false, true);
    EXPECT_EQ(tt9Used[kKeys9 - 1], 0);
    EXPECT_EQ(tt8Used[0], 1);
    ClearTwoDimKeyTables(true, false);
    EXPECT_EQ(tt8Used[0], 0);
}

} // namespace
