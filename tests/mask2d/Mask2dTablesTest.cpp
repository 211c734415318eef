// The point tables of the two-dimensional masks: normalisation, the slots each
// coordinate edit writes, the table names and the picker's cells.
#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dPicker.h"
#include "mask2d/Mask2dTables.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

std::vector<int> Bounds() { return {mask2dMinX, mask2dMinY, mask2dMaxX, mask2dMaxY, mask2dSpanX, mask2dSpanY}; }

} // namespace

TEST(Mask2dTables, NormalisationMovesTheSmallestCoordinatesToZero)
{
    LayStartupMask2dTables();
    NormaliseMask2d(0);
    const std::pair<int, int> cross[] = {{1, 1}, {2, 1}, {1, 2}, {1, 0}, {0, 1}};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(std::make_pair(mask2dNormalizedPoints[i].x, mask2dNormalizedPoints[i].y), cross[i]) << i;
    EXPECT_EQ(Bounds(), (std::vector<int>{-1, -1, 2, 2, 5, 5}));

    mask2dPointTables[1][5] = {3, 0};
    NormaliseMask2d(1);
    EXPECT_EQ(Bounds(), (std::vector<int>{-1, -1, 4, 2, 9, 5}));

    // Points at the coordinate limit keep every bound small.
    RebuildMask2dTable(4);
    mask2dPointTables[4][8] = {-kMask2dCoordinateLimit, kMask2dCoordinateLimit};
    NormaliseMask2d(4);
    EXPECT_EQ(Bounds(), (std::vector<int>{-99, -1, 100, 100, 201, 201}));
    NormaliseMask2d(5);   // no such table: nothing changes
    EXPECT_EQ(mask2dSpanX, 201);
}

// X5, Y5 and X6 write their tables whatever the item; Y6 to Y8 write from the
// current table upward, and only while the item has the point.
TEST(Mask2dTables, EachEditWritesItsSlotsForEveryItem)
{
    struct Case {
        int edit, item;
        std::vector<int> tables;
    };
    const Case cases[] = {
        {0, -1, {1, 2, 3, 4}}, {1, 3, {1, 2, 3, 4}}, {2, 0, {2, 3, 4}}, {3, 1, {}},  {3, 2, {2, 3, 4}},
        {3, 4, {4}},           {4, 2, {}},           {5, 3, {3, 4}},    {6, 3, {}},  {7, 4, {4}},
    };
    for (const Case& c : cases) {
        for (auto& table : mask2dPointTables)
            for (auto& p : table) p = {50, 50};
        extraPointX5 = extraPointY5 = 50;
        StoreMask2dEditValue(c.edit, c.item, 150);   // stored as the limit, 99

        std::vector<int> written;
        for (int t = 0; t < kMask2dTableCount; ++t) {
            const Mask2dPoint& p = mask2dPointTables[t][Mask2dEditPoint(c.edit)];
            if ((c.edit % 2 == 0 ? p.x : p.y) == 99) written.push_back(t);
            EXPECT_EQ(c.edit % 2 == 0 ? p.y : p.x, 50);
        }
        EXPECT_EQ(written, c.tables) << "edit " << c.edit << " item " << c.item;
        EXPECT_EQ(extraPointX5, c.edit == 0 ? 99 : 50);
        EXPECT_EQ(extraPointY5, c.edit == 1 ? 99 : 50);
    }
}

TEST(Mask2dPath, NamesOnlyTheExtraPointsOfTheChosenTable)
{
    LayStartupMask2dTables();
    EXPECT_EQ(Mask2dTableFileName(0), "RT2/T4.dat");
    EXPECT_EQ(Mask2dTableFileName(2), "RT2/T6_-1+1_+1-1.dat");
    EXPECT_EQ(Mask2dTableFileName(-1), std::nullopt);
    RebuildMask2dTable(4);
    mask2dPointTables[4][7] = {0, 9};
    mask2dPointTables[4][8] = {-10, 10};
    EXPECT_EQ(Mask2dTableFileName(4), "RT2/T8_+1+1_+1-1_+0+9_-1010.dat");
    mask2dPointTables[1][1] = {4, 4};   // the cross never enters the name
    mask2dPointTables[1][5] = {-9, 99};
    EXPECT_EQ(Mask2dTableFileName(1), "RT2/T5_-999.dat");
}

TEST(Mask2dPicker, CellsCountRowsFromTheBottom)
{
    auto cell = [](int x, int y) { return std::make_pair(Mask2dPickerPoint(x, y).x, Mask2dPickerPoint(x, y).y); };
    EXPECT_EQ(cell(100, 100), std::make_pair(2, 3));
    EXPECT_EQ(cell(0, 0), std::make_pair(0, 6));   // the top pixel row is one above row 5
    EXPECT_EQ(cell(239, 201), std::make_pair(5, 0));
    EXPECT_EQ(cell(-39, 281), std::make_pair(0, -1));   // truncated toward zero
    // A pointer dragged far away still gives coordinates the tables hold.
    EXPECT_EQ(cell(INT32_MAX, INT32_MIN), std::make_pair(99, 99));
}
