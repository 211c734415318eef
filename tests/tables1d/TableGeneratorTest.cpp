// Learning windows of hand-made event rows into the key-indexed tables, the
// contradiction test, the listing of learned keys and its capacity limit.
#include "engine/GroupAlgebra.h"
#include "engine/StringLength.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/TableBlocks.h"
#include "tables1d/TableGenerator.h"
#include "tables1d/TableRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Event rows of a run over a string of `columns` cells; each table is held in
// a vector of exactly rows x columns entries, so a read outside is caught.
struct HandRun {
    HandRun(int rows, int columns) : rows(rows), columns(columns), elements(rows * columns), outputs(rows * columns) {}
    void setRow(int t, const std::vector<int32_t>& cells)
    {
        std::copy(cells.begin(), cells.end(), elements.begin() + t * columns);
    }
    void fillRow(int t, int32_t cell) { std::fill_n(elements.begin() + t * columns, columns, cell); }
    void fillOutputs(int t, int32_t d) { std::fill_n(outputs.begin() + t * columns, columns, d); }
    int32_t& element(int t, int c) { return elements[t * columns + c]; }
    int32_t& output(int t, int c) { return outputs[t * columns + c]; }
    EventRowsView view(int32_t rowCount)
    {
        return {elements.data(), outputs.data(), columns, rows, rowCount};
    }
    int rows, columns;
    std::vector<int32_t> elements, outputs;
};

GeneratorMask Mask(std::vector<int32_t> offsets)
{
    GeneratorMask mask;
    mask.pointCount = int(offsets.size());
    std::copy(offsets.begin(), offsets.end(), mask.offsets);
    return mask;
}

class TableGeneratorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSmallKeyTables();
        ClearEightAndNineCellFlags();
        stringLength = 6;
    }
};

int32_t Index(std::vector<uint8_t> key) { return KeyTableIndex(key.data(), int(key.size())); }

TEST_F(TableGeneratorTest, AWindowFollowedByTheIdentityIsStoredAsSeenAndContradictedByAnotherValue)
{
    HandRun run(4, 6);
    run.fillRow(1, 3);
    run.fillRow(2, 0);   // every window of row 1 is followed by the identity
    run.fillOutputs(1, -5);
    const GeneratorMask mask = Mask({-2, -1, 0, 1, 2});

    LearnOutcome outcome = LearnWindows(run.view(3), mask);
    EXPECT_FALSE(outcome.contradiction);
    EXPECT_EQ(outcome.windows, 6);
    const int32_t key = Index({3, 3, 3, 3, 3});
    EXPECT_EQ(tt5Used[key], 1);
    EXPECT_EQ(int8_t(tt5Value[key]), -5);

    // The same windows with the same value again: nothing changes, nothing reported.
    outcome = LearnWindows(run.view(3), mask);
    EXPECT_FALSE(outcome.contradiction);
    EXPECT_EQ(int8_t(tt5Value[key]), -5);

    // One column with another value: the pass stops there.
    run.output(1, 4) = 2;
    outcome = LearnWindows(run.view(3), mask);
    EXPECT_TRUE(outcome.contradiction);
    EXPECT_EQ(outcome.contradictionRow, 1);
    EXPECT_EQ(outcome.contradictionColumn, 4);
    EXPECT_EQ(outcome.windows, 5);
    EXPECT_EQ(int8_t(tt5Value[key]), -5);
}

TEST_F(TableGeneratorTest, OtherNextValuesAreNormalisedAndTheirValueNegatedForTheOrderTwoElements)
{
    HandRun run(3, 6);
    const std::vector<int32_t> cells = {0, 1, 2, 3, 4, 5};
    run.setRow(1, cells);
    run.setRow(2, {1, 2, 3, 4, 5, 1});   // next value of column c
    for (int c = 0; c < 6; ++c) run.output(1, c) = 10 + c;
    stringLength = 6;
    const GeneratorMask mask = Mask({-3, -2, -1, 0, 1, 2});

    const LearnOutcome outcome = LearnWindows(run.view(3), mask);
    ASSERT_FALSE(outcome.contradiction);
    ASSERT_EQ(outcome.windows, 6);
    for (int c = 0; c < 6; ++c) {
        const int32_t g = run.element(2, c);
        std::vector<uint8_t> q;
        for (int32_t offset : {-3, -2, -1, 0, 1, 2}) q.push_back(uint8_t(GroupLeftDivide(g, cells[(c + offset + 6) % 6])));
        const int32_t index = Index(q);
        SCOPED_TRACE(c);
        EXPECT_EQ(tt6Used[index], 1);
        // Column 5 has next value 1 again, but its normalised key differs from column 0's.
        const int32_t d = 10 + c;
        EXPECT_EQ(int8_t(tt6Value[index]), g <= 2 ? d : -d);
        // The normalised key describes a window followed by the identity: g * q is the window.
        for (int j = 0; j < 6; ++j) EXPECT_EQ(GroupProduct(g, q[j]), cells[(c + mask.offsets[j] + 6) % 6]);
    }
}

TEST_F(TableGeneratorTest, WindowsNormalisingToOneKeyDoNotContradictAndTheLaterValueStays)
{
    // The windows 1-1-1-1-1 followed by 1 (column 0) and 2-2-2-2-2 followed by
    // 2 (column 5) both normalise to the window of identities.
    HandRun run(3, 10);
    run.setRow(1, {1, 1, 1, 1, 1, 2, 2, 2, 2, 2});
    run.setRow(2, {1, 0, 0, 0, 0, 2, 0, 0, 0, 0});
    run.output(1, 0) = 7;
    run.output(1, 5) = 9;
    stringLength = 10;
    const LearnOutcome outcome = LearnWindows(run.view(3), Mask({0, 1, 2, 3, 4}));
    EXPECT_FALSE(outcome.contradiction);
    EXPECT_EQ(int8_t(tt5Value[Index({0, 0, 0, 0, 0})]), 9);
}

TEST_F(TableGeneratorTest, OutputValuesKeepTheirLowByteSoAWideValueContradictsItself)
{
    HandRun run(3, 6);
    run.fillRow(1, 4);
    run.fillRow(2, 0);
    run.fillOutputs(1, 300);
    stringLength = 1;   // one column: one window per pass
    const GeneratorMask mask = Mask({-2, -1, 0, 1, 2, 3, 4});

    LearnOutcome outcome = LearnWindows(run.view(3), mask);
    EXPECT_FALSE(outcome.contradiction);
    EXPECT_EQ(tt7Value[Index({4, 4, 4, 4, 4, 4, 4})], 300 & 0xFF);
    outcome = LearnWindows(run.view(3), mask);
    EXPECT_TRUE(outcome.contradiction);
}

TEST_F(TableGeneratorTest, RowZeroAndTheLastRowSupplyNoWindowAndNothingIsReadOutsideTheRows)
{
    HandRun run(5, 6);
    run.fillRow(0, 1);   // would normalise to identities if it were read
    run.fillRow(1, 5);
    run.fillRow(2, 0);
    run.fillRow(3, 2);
    run.fillRow(4, 0);
    const GeneratorMask mask = Mask({-2, -1, 0, 1, 2});

    LearnOutcome outcome = LearnWindows(run.view(3), mask);
    EXPECT_EQ(outcome.windows, 6);
    EXPECT_EQ(tt5Used[Index({5, 5, 5, 5, 5})], 1);
    EXPECT_EQ(tt5Used[Index({0, 0, 0, 0, 0})], 0);

    // A row count beyond the stored rows reads no row past the last.
    ClearSmallKeyTables();
    outcome = LearnWindows(run.view(100000), mask);
    EXPECT_EQ(outcome.windows, 3 * 6);
    EXPECT_EQ(tt5Used[Index({2, 2, 2, 2, 2})], 1);

    // A string longer than the stored columns reads no column past the last.
    stringLength = 27;
    ClearSmallKeyTables();
    outcome = LearnWindows(run.view(3), mask);
    EXPECT_EQ(outcome.windows + outcome.skippedWindows, 6);

    // No rows at all: nothing.
    outcome = LearnWindows(run.view(0), mask);
    EXPECT_EQ(outcome.windows, 0);
}

TEST_F(TableGeneratorTest, CellsOutsideTheGroupAreSkippedNotIndexed)
{
    HandRun run(3, 6);
    run.setRow(1, {3, 3, 99, 3, 3, 3});
    run.setRow(2, {0, 0, 0, 0, 0, -1});
    const GeneratorMask mask = Mask({-1, 0, 1, 2, 3, 4});
    const LearnOutcome outcome = LearnWindows(run.view(3), mask);
    // Every window holds the 99 except none: six cells around a string of six.
    EXPECT_EQ(outcome.windows, 0);
    EXPECT_EQ(outcome.skippedWindows, 6);
    EXPECT_EQ(std::count(std::begin(tt6Used), std::end(tt6Used), 1), 0);
}

TEST_F(TableGeneratorTest, FivePointWindowsHeldByAnotherPlaneAreCountedAndStillLearned)
{
    HandRun run(3, 6);
    run.fillRow(1, 2);
    run.fillRow(2, 0);
    const int32_t key = Index({2, 2, 2, 2, 2});
    tt5Used[3 * kKeys5 + key] = 1;
    const LearnOutcome outcome = LearnWindows(run.view(3), Mask({-2, -1, 0, 1, 2}));
    EXPECT_EQ(outcome.planeHits, 6);
    EXPECT_FALSE(outcome.contradiction);
    EXPECT_EQ(tt5Used[key], 1);
}

TEST_F(TableGeneratorTest, EightAndNinePointTablesKeepFlagsOnly)
{
    HandRun run(3, 9);
    run.fillRow(1, 1);
    run.fillRow(2, 3);
    run.fillOutputs(1, 12);
    stringLength = 9;
    LearnWindows(run.view(3), Mask({-4, -3, -2, -1, 0, 1, 2, 3}));
    LearnWindows(run.view(3), Mask({-4, -3, -2, -1, 0, 1, 2, 3, 4}));
    const uint8_t q = uint8_t(GroupLeftDivide(3, 1));
    const std::vector<uint8_t> key8(8, q), key9(9, q);
    EXPECT_EQ(tt8Used[Index(key8)], 1);
    EXPECT_EQ(tt9Used[Index(key9)], 1);

    ASSERT_EQ(ListLearnedKeys(9), std::optional<int32_t>(1));
    EXPECT_EQ(ttValues[0], 0);
    EXPECT_TRUE(std::equal(key9.begin(), key9.end(), rt1Keys[0]));
}

TEST_F(TableGeneratorTest, ListingWalksTheKeysInIndexOrderWithSignedValues)
{
    const std::vector<std::vector<uint8_t>> keys = {{5, 5, 5, 5, 5, 5}, {0, 0, 0, 0, 0, 1}, {2, 0, 4, 1, 3, 0}};
    const int8_t values[] = {-3, 4, 127};
    for (size_t i = 0; i < keys.size(); ++i) {
        tt6Used[Index(keys[i])] = 1;
        tt6Value[Index(keys[i])] = uint8_t(values[i]);
    }
    ASSERT_EQ(ListLearnedKeys(6), std::optional<int32_t>(3));
    const std::vector<std::vector<uint8_t>> ordered = {keys[1], keys[2], keys[0]};
    const int32_t orderedValues[] = {4, 127, -3};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(std::equal(ordered[i].begin(), ordered[i].end(), rt1Keys[i])) << i;
        EXPECT_EQ(ttValues[i], orderedValues[i]) << i;
    }

    TakeListedKeys(3, 6);
    ASSERT_TRUE(MultiplyListByGroup(6));
    EXPECT_EQ(ttRecordCount, 18);
    for (int j = 0; j < 6; ++j) EXPECT_EQ(ttKeys[2 * 3 + 1][j], GroupProduct(2, ordered[1][j]));
}

TEST_F(TableGeneratorTest, ListingMoreKeysThanTheGroupMultiplicationFitsIsRefusedAndChangesNothing)
{
    for (int32_t i = 0; i <= kGeneratorMaxKeys; ++i) tt7Used[i * 7] = 1;
    ttValues[0] = 1234;
    rt1Keys[0][0] = 9;
    EXPECT_EQ(ListLearnedKeys(7), std::nullopt);
    EXPECT_EQ(ttValues[0], 1234);
    EXPECT_EQ(rt1Keys[0][0], 9);

    tt7Used[0] = 0;   // one key fewer: exactly the limit
    const auto listed = ListLearnedKeys(7);
    ASSERT_TRUE(listed.has_value());
    EXPECT_EQ(*listed, kGeneratorMaxKeys);
    EXPECT_TRUE(GroupMultiplicationFits(*listed));
}

TEST_F(TableGeneratorTest, OnlyAMaskBuiltForItsPointCountIsUsable)
{
    const int32_t built[] = {-3, -2, -1, 0, 1, 2};
    EXPECT_TRUE(IsGeneratorMaskUsable(6, built));
    const int32_t stale[] = {-1, 0, 1, 0, 0, 0};   // a three-point mask under a six-point count
    EXPECT_FALSE(IsGeneratorMaskUsable(6, stale));
    const int32_t noCentre[] = {1, 2, 3, 4, 5};
    EXPECT_FALSE(IsGeneratorMaskUsable(5, noCentre));
    EXPECT_FALSE(IsGeneratorMaskUsable(4, built));
    EXPECT_FALSE(IsGeneratorMaskUsable(10, built));
}

} // namespace
