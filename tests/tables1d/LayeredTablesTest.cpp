// Layered tables (1,1) and (3,1) against their definition: layer L of key K
// holds the value of the first window K seen next to L; listed layer by layer.
#include "TableTestSupport.h"
#include "base/ResolutionProbe.h"
#include "base/StringLength.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/LayeredTables.h"

#include <map>

namespace {

constexpr int kColumns = 8;

struct Rows {
    std::vector<int32_t> elements, outputs;
    EventRowsView view(int32_t rowCount) const
    {
        EventRowsView v;
        v.elements = elements.data();
        v.outputs = outputs.data();
        v.stride = kColumns;
        v.rowCapacity = int(elements.size() / kColumns);
        v.rowCount = rowCount;
        return v;
    }
    int32_t& e(int k, int c) { return elements[size_t(k * kColumns + c)]; }
    int32_t& d(int k, int c) { return outputs[size_t(k * kColumns + c)]; }
};

Rows RandomRows(std::mt19937& rng, int rows)
{
    Rows r;
    for (int i = 0; i < rows * kColumns; ++i) {
        r.elements.push_back(int32_t(rng() % 3));   // few elements, so keys repeat
        r.outputs.push_back(int32_t(rng() % 3) - 1);
    }
    return r;
}

TEST(LayeredTables, MaskOneOneHoldsTheFirstValueOfEveryWindowPerLayerInBothDirections)
{
    std::mt19937 rng(99);
    stringLength = 6;   // columns 6 and 7 of the rows are never part of a window
    ClearSmallKeyTables();
    Rows rows = RandomRows(rng, 12);
    std::map<std::pair<int, std::array<int32_t, 3>>, int32_t> expected;   // (layer, key) -> value
    for (const LearnDirection direction : {LearnDirection::Forward, LearnDirection::Backward}) {
        size_t conflicts = 0;
        const LayeredLearnOutcome learned = LearnLayeredWindows(rows.view(12), LayeredMask::Mask11, direction);
        size_t windows = 0;
        for (int k = 1; k <= 10; ++k) {
            for (int i = 0; i < 6; ++i) {
                const std::array<int32_t, 3> key = {rows.e(k, (i + 5) % 6), rows.e(k, i), rows.e(k, (i + 1) % 6)};
                const int layer = rows.e(k + int(direction), i);
                const auto [it, inserted] = expected.try_emplace({layer, key}, rows.d(k, i));
                conflicts += !inserted && it->second != rows.d(k, i);
                ++windows;
            }
        }
        EXPECT_EQ(learned.windows, int32_t(windows));
        EXPECT_EQ(learned.warnings.size(), conflicts);   // each conflict reported, learning went on
        EXPECT_FALSE(learned.stopped);
    }
    // Listed layer by layer, the last key cell fastest: the order of the map.
    rt1Width = 6;   // as a six-point pass left it
    const LayeredListing listing = ListLayeredKeys(LayeredMask::Mask11);
    ASSERT_EQ(listing.recordCount, int32_t(expected.size()));
    EXPECT_EQ(rt1Width, 3);
    int32_t row = 0;
    std::array<int32_t, 6> perLayer{};
    for (const auto& [entry, value] : expected) {
        for (int j = 0; j < 3; ++j) EXPECT_EQ(rt1Keys[row][j], entry.second[size_t(j)]) << row;
        EXPECT_EQ(ttValues[row], value) << row;
        ++perLayer[size_t(entry.first)];
        ++row;
    }
    EXPECT_EQ(listing.perLayer, perLayer);
}

TEST(LayeredTables, MaskThreeOneWarnsOfOtherLayersAndStopsAtAConflict)
{
    stringLength = 4;
    ClearSmallKeyTables();
    Rows rows;
    rows.elements.assign(5 * kColumns, 0);
    rows.outputs.assign(5 * kColumns, 7);
    // Rows 1 and 2 all 0; row 2's columns 0 and 1 are followed by 1, with values 7 and 9.
    rows.e(3, 0) = 1;
    rows.e(3, 1) = 1;
    rows.d(2, 1) = 9;
    const LayeredLearnOutcome learned = LearnLayeredWindows(rows.view(4), LayeredMask::Mask31, LearnDirection::Forward);
    ASSERT_EQ(learned.warnings.size(), 3u);
    EXPECT_EQ(learned.warnings[0].kind, LayeredWarning::Kind::SeenInOtherLayer);   // key 0000 met in layer 0
    EXPECT_EQ(learned.warnings[0].layer, 1);
    EXPECT_EQ(learned.warnings[1].kind, LayeredWarning::Kind::SeenInOtherLayer);
    EXPECT_EQ(learned.warnings[2].kind, LayeredWarning::Kind::ValueConflict);
    EXPECT_EQ(learned.warnings[2].row, 2);
    EXPECT_EQ(learned.warnings[2].column, 1);
    EXPECT_TRUE(learned.stopped);
    EXPECT_EQ(learned.windows, 6);   // 4 of row 1, 2 of row 2; the rest is not learned
    EXPECT_EQ(tt4Used[0], 1);
    EXPECT_EQ(tt4Value[0], 7);
    EXPECT_EQ(tt4Used[kKeys4], 1);
    EXPECT_EQ(tt4Value[kKeys4], 7);   // the first value stays
    EXPECT_EQ(std::count(tt4Used, tt4Used + 6 * kKeys4, 1), 2);

    // Backwards every window follows a 0 row while layer 1 holds the key too: each warns,
    // and row 2, column 1 brings 9 where 7 is stored.
    const LayeredLearnOutcome back = LearnLayeredWindows(rows.view(4), LayeredMask::Mask31, LearnDirection::Backward);
    EXPECT_EQ(back.windows, 6);
    ASSERT_EQ(back.warnings.size(), 7u);
    EXPECT_EQ(back.warnings[5].kind, LayeredWarning::Kind::SeenInOtherLayer);
    EXPECT_EQ(back.warnings[6].kind, LayeredWarning::Kind::ValueConflict);
    EXPECT_EQ(back.warnings[6].layer, 0);
    EXPECT_TRUE(back.stopped);

    // Too few rows give no window; a row count past the storage reads the stored rows only.
    EXPECT_EQ(LearnLayeredWindows(rows.view(2), LayeredMask::Mask11, LearnDirection::Forward).windows, 0);
    stringLength = 27;   // wider than the rows: windows that wrap past the stored columns are left out
    EXPECT_EQ(LearnLayeredWindows(rows.view(100000), LayeredMask::Mask11, LearnDirection::Forward).windows,
              3 * (kColumns - 2));
}

} // namespace
