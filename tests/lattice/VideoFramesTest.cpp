// Frame files and the frame strip: names, templates, the bytes written and
// what happens with missing, short and foreign files.
#include "lattice/VideoFrames.h"
#include "lattice/VideoStrip.h"
#include "../base/TempWorkDir.h"
#include "BitmapTestSupport.h"
#include "ByteFileSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

// The 54-byte header of a 24-bit bottom-up bitmap of width x height.
std::vector<uint8_t> Header(int width, int height)
{
    std::vector<uint8_t> h = MakeBitmap(width, height, [](int, int) { return uint8_t(0); });
    h.resize(54);
    return h;
}

// An image whose pixel (x, y) has red x, green y, blue 7, as Qt's RGB32 stores it.
struct TestImage {
    int width, height;
    std::vector<uint8_t> bits;
    TestImage(int w, int h) : width(w), height(h), bits(std::size_t(w) * h * 4)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                uint8_t* p = &bits[(std::size_t(y) * w + x) * 4];
                p[0] = 7;
                p[1] = uint8_t(y);
                p[2] = uint8_t(x);
                p[3] = 0xFF;
            }
    }
    PixelImage pixels() const { return {bits.data(), width, height, std::ptrdiff_t(width) * 4}; }
};

class Frames : public ::testing::Test {
protected:
    TempWorkDir dir_;
};

} // namespace

TEST(FrameNames, FourDigitsAndMoreFromTenThousand)
{
    EXPECT_EQ(FrameFilePath(42), "video/file0042.bmp");
    EXPECT_EQ(FrameFilePath(12345), "video/file12345.bmp");
    EXPECT_EQ(NumberedBitmapName("videoDD3/file", -7), "videoDD3/file0000.bmp");
    EXPECT_EQ(FrameTemplatePath(12), "");
}

TEST_F(Frames, TemplateHeaderIsCopiedAndPixelsGoBottomUpFromItsOffset)
{
    std::vector<uint8_t> templ = Header(352, 704);
    templ.resize(300000, 0xAB);   // pixel bytes of the template, partly beyond the buffer
    WriteBytes("data/f_352_704.bmp", templ);
    ASSERT_EQ(LoadFrameTemplate("data/f_352_704.bmp", 352, 704), FrameTemplateStatus::Ok);

    const TestImage image(400, 800);
    const std::vector<uint8_t> file = BuildFrameFile(image.pixels(), 352, 704);
    ASSERT_EQ(file.size(), 54u + 743424u);
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + 54, templ.begin()));
    // First the bottom row (y = 703), blue, green, red per pixel; last the top row.
    EXPECT_EQ(file[54], 7);
    EXPECT_EQ(file[55], uint8_t(703));
    EXPECT_EQ(file[56], 0);
    EXPECT_EQ(file[54 + 3 * 351 + 2], uint8_t(351));
    EXPECT_EQ(file[54 + 703 * 1056 + 1], 0);
}

TEST_F(Frames, SmallFramesKeepTheBufferLengthAndPixelsOutsideTheImageAreWhite)
{
    WriteBytes("data/f_120_100.bmp", Header(120, 100));   // only the header: short but fit
    ASSERT_EQ(LoadFrameTemplate("data/f_120_100.bmp", 120, 100), FrameTemplateStatus::Ok);
    const TestImage image(100, 50);   // narrower and lower than the frame
    const std::vector<uint8_t> file = BuildFrameFile(image.pixels(), 120, 100);
    ASSERT_EQ(file.size(), 256000u);
    EXPECT_EQ(file[54], 0xFF);   // bottom frame row = image row 99: white
    const std::size_t top = 54 + 99 * 360;   // image row 0; pixel 110 lies right of the image
    EXPECT_EQ(file[top + 3 * 5 + 2], 5);
    EXPECT_EQ(file[top + 3 * 110], 0xFF);
}

TEST_F(Frames, MissingShortOrForeignTemplatesGetTheStandardHeader)
{
    auto expectStandard = [](int width, int height) {
        std::vector<uint8_t> expected = Header(width, height);
        PutBitmapInt32(expected, 34, 3u * width * height);
        expected.resize(64, 0);
        EXPECT_EQ(std::vector<uint8_t>(frameHeaderBuffer, frameHeaderBuffer + 64), expected);
    };
    EXPECT_EQ(LoadFrameTemplate("data/f_512_512.bmp", 512, 512), FrameTemplateStatus::Missing);
    expectStandard(512, 512);
    EXPECT_EQ(LoadFrameTemplate("", 512, 512), FrameTemplateStatus::Missing);

    std::vector<uint8_t> cut = Header(512, 512);
    cut.resize(30);
    WriteBytes("short.bmp", cut);
    EXPECT_EQ(LoadFrameTemplate("short.bmp", 512, 512), FrameTemplateStatus::Unfit);

    WriteBytes("garbage.bmp", std::vector<uint8_t>(5000, 0x5A));
    EXPECT_EQ(LoadFrameTemplate("garbage.bmp", 352, 100), FrameTemplateStatus::Unfit);
    expectStandard(352, 100);

    WriteBytes("other.bmp", Header(352, 352));   // another size
    EXPECT_EQ(LoadFrameTemplate("other.bmp", 512, 512), FrameTemplateStatus::Unfit);
    std::vector<uint8_t> far = Header(512, 512);
    PutBitmapInt32(far, 10, 300000);   // pixel offset past the buffer
    WriteBytes("far.bmp", far);
    EXPECT_EQ(LoadFrameTemplate("far.bmp", 512, 512), FrameTemplateStatus::Unfit);
    std::vector<uint8_t> packed = Header(512, 512);
    packed[30] = 1;   // compressed
    WriteBytes("packed.bmp", packed);
    EXPECT_EQ(LoadFrameTemplate("packed.bmp", 512, 512), FrameTemplateStatus::Unfit);
    expectStandard(512, 512);

    // A file built on the standard header is a bitmap of exactly its size.
    const TestImage image(16, 16);
    SynthesiseFrameHeader(16, 8);
    const std::vector<uint8_t> file = BuildFrameFile(image.pixels(), 16, 8);
    EXPECT_EQ(file.size(), 256000u);
    EXPECT_EQ(file[54 + 1], 7);   // bottom row, y = 7: green 7
}

TEST_F(Frames, OldRecordingsAreDeletedUpToTheFirstGap)
{
    for (int n : {0, 1, 2, 3, 4, 6})
        WriteBytes(FrameFilePath(n), {1, 2, 3});
    EXPECT_EQ(DeleteOldFrames(), 5);
    for (int n = 0; n < 5; ++n)
        EXPECT_FALSE(std::filesystem::exists(FrameFilePath(n)));
    EXPECT_TRUE(std::filesystem::exists(FrameFilePath(6)));
    EXPECT_EQ(DeleteOldFrames(), 0);
}

TEST_F(Frames, StripSlotsStayInsideTheirColumnsAndTheStripsRows)
{
    const int rows = 4;
    std::vector<uint8_t> strip = Header(kStripWidth, rows);
    strip.resize(54 + std::size_t(kStripRowBytes) * rows, 0x55);
    WriteBytes(kStripPath, strip);
    ASSERT_EQ(OpenFrameStrip(), StripStatus::Ok);
    EXPECT_EQ(stripPixelOffset, 54);

    const TestImage image(600, 10);
    EXPECT_TRUE(WriteFrameStripSlot(22, image.pixels(), 512, 6));   // wider and taller than a slot
    EXPECT_TRUE(WriteFrameStripSlot(24, image.pixels(), 512, 6));   // no such slot: nothing
    EXPECT_TRUE(WriteFrameStripSlot(-1, image.pixels(), 512, 6));
    CloseFrameStrip();
    EXPECT_TRUE(WriteFrameStripSlot(22, image.pixels(), 512, 6));   // closed: nothing

    const std::vector<uint8_t> after = ReadBytes(kStripPath);
    ASSERT_EQ(after.size(), strip.size());
    const std::size_t slot = 54 + 22 * kStripSlotBytes;
    // Strip row 0 holds frame row 5 (bottom-up), strip row 3 frame row 2.
    EXPECT_EQ(after[slot + 1], 5);
    EXPECT_EQ(after[slot + 3 * kStripRowBytes + 1], 2);
    EXPECT_EQ(after[slot + 3 * 351 + 2], uint8_t(351));
    EXPECT_EQ(after[slot + kStripSlotBytes], 0x55);   // slot 23 untouched
    EXPECT_EQ(after[slot - 1], 0x55);                  // slot 21 untouched
    EXPECT_EQ(after[54], 0x55);                        // slot 0 untouched
}

TEST_F(Frames, MissingShortOrForeignStripsAreNotOpened)
{
    EXPECT_EQ(OpenFrameStrip(), StripStatus::Missing);
    std::vector<uint8_t> strip = Header(kStripWidth, 4);
    strip.resize(54 + std::size_t(kStripRowBytes) * 3);   // one row short
    WriteBytes(kStripPath, strip);
    EXPECT_EQ(OpenFrameStrip(), StripStatus::Unfit);
    WriteBytes(kStripPath, {'B', 'M', 1, 2});
    EXPECT_EQ(OpenFrameStrip(), StripStatus::Unfit);
    std::vector<uint8_t> narrow = Header(512, 4);   // the fixed stride would not hold
    narrow.resize(54 + 3 * 512 * 4);
    WriteBytes(kStripPath, narrow);
    EXPECT_EQ(OpenFrameStrip(), StripStatus::Unfit);
    EXPECT_FALSE(IsFrameStripOpen());
}
