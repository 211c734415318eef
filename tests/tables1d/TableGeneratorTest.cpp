// Learning windows of hand-made event rows into the key-indexed tables, the
// contradiction test and the capacity limit of the listing.
#include "TableTestSupport.h"
#include "base/ResolutionProbe.h"
#include "base/StringLength.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/TableGenerator.h"

namespace {

// Event rows of a run over a string of `columns` cells; each table is held in
// a vector of exactly rows x columns entries, so a read outside is caught.
struct HandRun {
    HandRun(int rows, int columns) : rows(rows), columns(columns), elements(rows * columns), outputs(rows * columns) {}
    void fillRow(int t, int32_t cell) { std::fill_n(&element(t, 0), columns, cell); }
    int32_t& element(int t, int c) { return elements[t * columns + c]; }
    int32_t& output(int t, int c) { return outputs[t * columns + c]; }
    EventRowsView view(int32_t rowCount) { return {elements.data(), outputs.data(), columns, rows, rowCount}; }
    int rows, columns;
    std::vector<int32_t> elements, outputs;
};

GeneratorMask Mask(std::vector<int32_t> offsets)
{
    GeneratorMask mask{int(offsets.size())};
    std::copy(offsets.begin(), offsets.end(), mask.offsets);
    return mask;
}

int32_t Index(std::vector<uint8_t> key) { return KeyTableIndex(key.data(), int(key.size())); }

class TableGeneratorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSmallKeyTables();
        stringLength = 6;
    }
};

TEST_F(TableGeneratorTest, AWindowIsStoredWithItsValueAndAnotherValueContradictsIt)
{
    HandRun run(4, 6);
    run.fillRow(1, 3);
    run.fillRow(2, 0);   // every window of row 1 is followed by the identity
    std::fill_n(&run.output(1, 0), 6, -5);
    const GeneratorMask mask = Mask({-2, -1, 0, 1, 2});
    const int32_t key = Index({3, 3, 3, 3, 3});
    for (int pass = 0; pass < 2; ++pass) {   // the same value again is no contradiction
        const LearnOutcome outcome = LearnWindows(run.view(3), mask);
        EXPECT_FALSE(outcome.contradiction);
        EXPECT_EQ(outcome.windows, 6);
        EXPECT_EQ(tt5Used[key], 1);
        EXPECT_EQ(int8_t(tt5Value[key]), -5);
    }
    run.output(1, 4) = 2;   // one column with another value: the pass stops there
    const LearnOutcome outcome = LearnWindows(run.view(3), mask);
    EXPECT_TRUE(outcome.contradiction);
    EXPECT_EQ(outcome.contradictionRow, 1);
    EXPECT_EQ(outcome.contradictionColumn, 4);
    EXPECT_EQ(outcome.windows, 5);
    EXPECT_EQ(int8_t(tt5Value[key]), -5);
}

TEST_F(TableGeneratorTest, OtherNextValuesAreNormalisedAndTheirValueNegatedForTheOrderTwoElements)
{
    HandRun run(3, 6);
    for (int c = 0; c < 6; ++c) {   // row 1: 0 1 2 3 4 5, next values 1 2 3 4 5 1
        run.element(1, c) = c;
        run.element(2, c) = c % 5 + 1;
        run.output(1, c) = 10 + c;
    }
    const std::vector<int32_t> offsets = {-3, -2, -1, 0, 1, 2};
    const LearnOutcome outcome = LearnWindows(run.view(3), Mask(offsets));
    ASSERT_FALSE(outcome.contradiction);
    ASSERT_EQ(outcome.windows, 6);
    for (int c = 0; c < 6; ++c) {
        SCOPED_TRACE(c);
        // The key q with g * q = the window: a window followed by the identity.
        const int32_t g = run.element(2, c);
        std::vector<uint8_t> q;
        for (int32_t offset : offsets) q.push_back(uint8_t(GroupLeftDivide(g, (c + offset + 6) % 6)));
        EXPECT_EQ(tt6Used[Index(q)], 1);
        EXPECT_EQ(int8_t(tt6Value[Index(q)]), g <= 2 ? 10 + c : -10 - c);
    }
}

TEST_F(TableGeneratorTest, NothingIsReadOutsideTheRowsAndCellsOutsideTheGroupAreSkipped)
{
    HandRun run(5, 6);
    const int32_t fills[] = {1, 5, 0, 2, 0};   // row 0 supplies no window
    for (int t = 0; t < 5; ++t) run.fillRow(t, fills[t]);
    const GeneratorMask mask = Mask({-2, -1, 0, 1, 2});
    EXPECT_EQ(LearnWindows(run.view(3), mask).windows, 6);
    EXPECT_EQ(tt5Used[Index({5, 5, 5, 5, 5})], 1);
    EXPECT_EQ(tt5Used[Index({0, 0, 0, 0, 0})], 0);
    EXPECT_EQ(LearnWindows(run.view(100000), mask).windows, 3 * 6);   // no row past the last
    stringLength = 27;   // no column past the last
    LearnOutcome outcome = LearnWindows(run.view(3), mask);
    EXPECT_EQ(outcome.windows + outcome.skippedWindows, 6);

    stringLength = 6;
    ClearSmallKeyTables();
    run.element(1, 2) = 99;   // in every window of six cells around a string of six
    outcome = LearnWindows(run.view(3), Mask({-1, 0, 1, 2, 3, 4}));
    EXPECT_EQ(outcome.windows, 0);
    EXPECT_EQ(outcome.skippedWindows, 6);
}

TEST_F(TableGeneratorTest, MoreKeysThanTheGroupMultiplicationFitsAndUnbuiltMasksAreRefused)
{
    for (int32_t i = 0; i <= kGeneratorMaxKeys; ++i) MarkKeyUsed(7, i * 7);
    ttValues[0] = 1234;
    rt1Width = 3;
    EXPECT_EQ(ListLearnedKeys(7), std::nullopt);
    EXPECT_EQ(ttValues[0], 1234);
    EXPECT_EQ(rt1Width, 3);   // nothing listed: the rows keep their width
    tt7Used[0] = 0;   // one key fewer: exactly the limit
    EXPECT_EQ(ListLearnedKeys(7), std::optional<int32_t>(kGeneratorMaxKeys));
    EXPECT_EQ(rt1Width, 7);

    const int32_t built[] = {-3, -2, -1, 0, 1, 2};
    const int32_t stale[] = {-1, 0, 1, 0, 0, 0};   // a three-point mask under a six-point count
    EXPECT_TRUE(IsGeneratorMaskUsable(6, built));
    EXPECT_FALSE(IsGeneratorMaskUsable(6, stale));
    EXPECT_FALSE(IsGeneratorMaskUsable(10, built));
}

TEST_F(TableGeneratorTest, EveryListingGivesResolutionTableOneTheWidthOfItsKeys)
{
    for (int n = kGeneratorMinPoints; n <= kGeneratorMaxPoints; ++n) {
        rt1Width = 4;   // as a (3,1) builder left it
        MarkKeyUsed(n, 0);
        ASSERT_TRUE(ListLearnedKeys(n).has_value()) << n;
        EXPECT_EQ(rt1Width, n);
    }
}

} // namespace
