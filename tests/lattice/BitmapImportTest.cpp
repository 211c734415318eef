// Bitmap import into the square: generated 24-bit bitmaps at a few sizes,
// against the frame size, and the files that must be refused.
#include "lattice/BitmapImport.h"
#include "base/Square.h"
#include "BitmapTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

int CountCCells()
{
    return int(std::count(std::begin(squareCells), std::end(squareCells), 0));
}

class BitmapImport : public ::testing::Test {
protected:
    void SetUp() override { std::fill(std::begin(squareCells), std::end(squareCells), 2); }

    // Checks and imports; the status of the check.
    BitmapImportStatus Import(const std::vector<uint8_t>& file, int frameW, int frameH)
    {
        const BitmapImportStatus s = CheckImportBitmap(file, frameW, frameH, area_);
        if (s == BitmapImportStatus::Ok)
            MarkBrightCells(file, area_);
        return s;
    }

    BitmapImportArea area_;
};

} // namespace

TEST_F(BitmapImport, FrameSizedPictureMapsStoredRowsBottomUp)
{
    // One bright pixel 12 pixels from the left in the first stored row (the
    // bottom, y = 511) and one in the last stored row (the top, y = 0).
    const auto file = MakeBitmap(512, 512, [](int x, int y) { return uint8_t(x == 12 && (y == 511 || y == 0) ? 255 : 0); });
    ASSERT_EQ(Import(file, 512, 512), BitmapImportStatus::Ok);
    EXPECT_EQ(squareCells[SquareIndex(102, 2)], 0);
    EXPECT_EQ(squareCells[SquareIndex(0, 2)], 0);
    EXPECT_EQ(CountCCells(), 2);
}

TEST_F(BitmapImport, BrightMeansBlueAboveSixty)
{
    const auto threshold = MakeBitmap(352, 352, [](int x, int y) {
        if (y == 0 && x == 0) return uint8_t(60);
        if (y == 0 && x == 5) return uint8_t(61);
        return uint8_t(0);
    });
    ASSERT_EQ(Import(threshold, 352, 352), BitmapImportStatus::Ok);
    EXPECT_EQ(squareCells[SquareIndex(0, 0)], 2);
    EXPECT_EQ(squareCells[SquareIndex(0, 1)], 0);
    EXPECT_EQ(CountCCells(), 1);
}

// Blocks past the 131 x 131 storage are skipped; a picture of another size
// is read over the shared size; padded rows; top-down rows.
TEST_F(BitmapImport, ReadsTheSharedSizeAndSkipsCellsOutsideTheStorage)
{
    const auto all = [](int, int) { return uint8_t(200); };

    ASSERT_EQ(Import(MakeBitmap(704, 704, all), 704, 704), BitmapImportStatus::Ok);
    EXPECT_EQ(CountCCells(), kSquareCellCount);

    // A 101 x 13 picture (rows padded to 304 bytes) in a 512 x 512 frame.
    std::fill(std::begin(squareCells), std::end(squareCells), 2);
    const auto small = MakeBitmap(101, 13, [](int x, int) { return uint8_t(x == 100 ? 255 : 0); });
    ASSERT_EQ(Import(small, 512, 512), BitmapImportStatus::Ok);
    EXPECT_EQ(area_.width, 101);
    EXPECT_EQ(area_.height, 13);
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(squareCells[SquareIndex(r, 20)], 0) << r;
    EXPECT_EQ(CountCCells(), 3);
    EXPECT_EQ(BitmapImportMessage(BitmapImportStatus::Ok, "data/1_1.BMP", area_, 512, 512),
              "data/1_1.BMP is 101 x 13, the frame 512 x 512: read 101 x 13");

    // Only the left 120 columns of the first 100 stored rows (the bottom) of
    // a larger picture.
    std::fill(std::begin(squareCells), std::end(squareCells), 2);
    const auto large = MakeBitmap(300, 200, [](int x, int y) { return uint8_t(x < 120 && y >= 100 ? 0 : 255); });
    ASSERT_EQ(Import(large, 120, 100), BitmapImportStatus::Ok);
    EXPECT_EQ(CountCCells(), 0);

    std::fill(std::begin(squareCells), std::end(squareCells), 2);
    ASSERT_EQ(Import(MakeBitmap(64, 48, [](int x, int y) { return uint8_t(x == 0 && y == 47 ? 255 : 0); }, true),
                     64, 48),
              BitmapImportStatus::Ok);
    EXPECT_EQ(squareCells[SquareIndex(9, 0)], 0);
    EXPECT_EQ(CountCCells(), 1);
}

// A bottom-up picture of 40 x 30 in a 40 x 20 frame: the first 20 stored rows
// (picture rows 29 down to 10) are read, stored row k on row 19 - k; the top
// 10 rows of the picture are not read, and a file that ends inside them is
// still whole for the import.
TEST_F(BitmapImport, TallerPictureGivesItsFirstStoredRows)
{
    const auto tall = MakeBitmap(40, 30, [](int x, int y) {
        const bool bright = (x == 12 && y == 29)    // stored row 0: row 19, cell (3, 2)
                            || (x == 7 && y == 10)  // stored row 19: row 0, cell (0, 1)
                            || (x == 30 && y == 9)  // stored row 20: not read
                            || (x == 35 && y == 0); // stored row 29: not read
        return uint8_t(bright ? 255 : 0);
    });
    ASSERT_EQ(Import(tall, 40, 20), BitmapImportStatus::Ok);
    EXPECT_EQ(area_.height, 20);
    EXPECT_EQ(squareCells[SquareIndex(3, 2)], 0);
    EXPECT_EQ(squareCells[SquareIndex(0, 1)], 0);
    EXPECT_EQ(CountCCells(), 2);
    // The drawing reads the same rows.
    EXPECT_EQ(ImportRow(tall, area_, 19)[3 * 12], 255);
    EXPECT_EQ(ImportRow(tall, area_, 0)[3 * 7], 255);

    const std::size_t stride = 120;   // 40 pixels of 3 bytes, already a multiple of 4
    auto cut = tall;
    cut.resize(54 + 20 * stride);   // stored rows 20 .. 29 gone
    std::fill(std::begin(squareCells), std::end(squareCells), 2);
    ASSERT_EQ(Import(cut, 40, 20), BitmapImportStatus::Ok);
    EXPECT_EQ(CountCCells(), 2);
    cut.resize(54 + 20 * stride - 1);   // stored row 19 lacks a byte
    EXPECT_EQ(Import(cut, 40, 20), BitmapImportStatus::Short);
}

TEST_F(BitmapImport, ShortAndForeignFilesAreRefused)
{
    const auto good = MakeBitmap(512, 512, [](int, int) { return uint8_t(255); });

    auto shortRows = good;
    shortRows.resize(good.size() - 1);   // the last stored row lacks a byte
    EXPECT_EQ(Import(shortRows, 512, 512), BitmapImportStatus::Short);

    auto header = good;
    header.resize(40);
    EXPECT_EQ(Import(header, 512, 512), BitmapImportStatus::NotBitmap);

    std::vector<uint8_t> garbage(5000, 0x5A);
    EXPECT_EQ(Import(garbage, 512, 512), BitmapImportStatus::NotBitmap);

    auto deep = good;
    deep[28] = 32;
    EXPECT_EQ(Import(deep, 512, 512), BitmapImportStatus::Unsupported);
    auto packed = good;
    PutBitmapInt32(packed, 30, 1);   // run-length compressed
    EXPECT_EQ(Import(packed, 512, 512), BitmapImportStatus::Unsupported);
    auto offsetPastEnd = good;
    PutBitmapInt32(offsetPastEnd, 10, 0x7FFFFFFF);
    EXPECT_EQ(Import(offsetPastEnd, 512, 512), BitmapImportStatus::Short);

    EXPECT_EQ(CountCCells(), 0);   // nothing refused reached the square

    // Over a 100 x 100 frame the missing byte lies beyond the part read.
    EXPECT_EQ(Import(shortRows, 100, 100), BitmapImportStatus::Ok);
    EXPECT_EQ(CountCCells(), 400);
}
