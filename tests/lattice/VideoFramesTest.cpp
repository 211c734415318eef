// Frame files and the frame strip: names, templates, the bytes written and
// what happens with missing, short and foreign files.
#include "lattice/VideoFrames.h"
#include "lattice/VideoStrip.h"
#include "../engine/TempWorkDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

uint32_t Get32(const std::vector<uint8_t>& b, std::size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

void Put32(std::vector<uint8_t>& b, std::size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = uint8_t(v >> (8 * i));
}

// A 24-bit bottom-up bitmap header for width x height with pixel offset P.
std::vector<uint8_t> Header(int width, int height, uint32_t offset = 54)
{
    std::vector<uint8_t> h(54, 0);
    h[0] = 'B';
    h[1] = 'M';
    Put32(h, 2, offset + 3u * width * height);
    Put32(h, 10, offset);
    Put32(h, 14, 40);
    Put32(h, 18, width);
    Put32(h, 22, height);
    h[26] = 1;
    h[28] = 24;
    return h;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    if (std::filesystem::path(path).has_parent_path())
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::vector<uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
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
    EXPECT_EQ(FrameFilePath(0), "video/file0000.bmp");
    EXPECT_EQ(FrameFilePath(42), "video/file0042.bmp");
    EXPECT_EQ(FrameFilePath(12345), "video/file12345.bmp");
    EXPECT_EQ(NumberedBitmapName("videoDD3/file", -7), "videoDD3/file0000.bmp");
    EXPECT_EQ(FrameTemplatePath(2), "data/f_8448_704.bmp");
    EXPECT_EQ(FrameTemplatePath(12), "");
}

TEST_F(Frames, TemplateHeaderIsCopiedAndPixelsGoBottomUpFromItsOffset)
{
    std::vector<uint8_t> templ = Header(352, 704);
    templ.resize(300000, 0xAB);   // pixel bytes of the template, partly beyond the buffer
    WriteFile("data/f_352_704.bmp", templ);
    ASSERT_EQ(LoadFrameTemplate("data/f_352_704.bmp", 352, 704), FrameTemplateStatus::Ok);

    const TestImage image(400, 800);
    const std::vector<uint8_t> file = BuildFrameFile(image.pixels(), 352, 704);
    ASSERT_EQ(file.size(), 54u + 743424u);
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + 54, templ.begin()));
    // Bytes 54..1109: the bottom row (y = 703), blue, green, red per pixel.
    EXPECT_EQ(file[54], 7);
    EXPECT_EQ(file[55], uint8_t(703));
    EXPECT_EQ(file[56], 0);
    EXPECT_EQ(file[54 + 3 * 351 + 2], uint8_t(351));
    // The last row written is the top row.
    EXPECT_EQ(file[54 + 703 * 1056 + 1], 0);
}

TEST_F(Frames, SmallFramesKeepTheBufferLengthAndPixelsOutsideTheImageAreWhite)
{
    WriteFile("data/f_120_100.bmp", Header(120, 100));   // only the header: short but fit
    ASSERT_EQ(LoadFrameTemplate("data/f_120_100.bmp", 120, 100), FrameTemplateStatus::Ok);
    const TestImage image(100, 50);   // narrower and lower than the frame
    const std::vector<uint8_t> file = BuildFrameFile(image.pixels(), 120, 100);
    ASSERT_EQ(file.size(), 256000u);
    // Bottom frame row = image row 99, outside the image: white.
    EXPECT_EQ(file[54], 0xFF);
    // Top frame row (r = 99) = image row 0; pixel 110 lies right of the image.
    const std::size_t top = 54 + 99 * 360;
    EXPECT_EQ(file[top + 3 * 5 + 2], 5);
    EXPECT_EQ(file[top + 3 * 110], 0xFF);
}

TEST_F(Frames, MissingShortOrForeignTemplatesGetTheStandardHeader)
{
    auto expectStandard = [](int width, int height) {
        const std::vector<uint8_t> head(frameHeaderBuffer, frameHeaderBuffer + 64);
        EXPECT_EQ(head[0], 'B');
        EXPECT_EQ(head[1], 'M');
        EXPECT_EQ(Get32(head, 2), 54u + 3u * width * height);
        EXPECT_EQ(Get32(head, 10), 54u);
        EXPECT_EQ(Get32(head, 14), 40u);
        EXPECT_EQ(Get32(head, 18), uint32_t(width));
        EXPECT_EQ(Get32(head, 22), uint32_t(height));
        EXPECT_EQ(head[26], 1);
        EXPECT_EQ(head[28], 24);
        EXPECT_EQ(Get32(head, 30), 0u);
        EXPECT_EQ(Get32(head, 34), 3u * width * height);
        EXPECT_EQ(frameHeaderBuffer[60], 0);
    };
    EXPECT_EQ(LoadFrameTemplate("data/f_512_512.bmp", 512, 512), FrameTemplateStatus::Missing);
    expectStandard(512, 512);
    EXPECT_EQ(LoadFrameTemplate("", 512, 512), FrameTemplateStatus::Missing);

    std::vector<uint8_t> cut = Header(512, 512);
    cut.resize(30);
    WriteFile("short.bmp", cut);
    EXPECT_EQ(LoadFrameTemplate("short.bmp", 512, 512), FrameTemplateStatus::Unfit);
    expectStandard(512, 512);

    std::vector<uint8_t> garbage(5000);
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = uint8_t(i * 37 + 11);
    WriteFile("garbage.bmp", garbage);
    EXPECT_EQ(LoadFrameTemplate("garbage.bmp", 352, 100), FrameTemplateStatus::Unfit);
    expectStandard(352, 100);

    WriteFile("other.bmp", Header(352, 352));   // another size
    EXPECT_EQ(LoadFrameTemplate("other.bmp", 512, 512), FrameTemplateStatus::Unfit);
    WriteFile("far.bmp", Header(512, 512, 300000));   // pixel offset past the buffer
    EXPECT_EQ(LoadFrameTemplate("far.bmp", 512, 512), FrameTemplateStatus::Unfit);
    std::vector<uint8_t> packed = Header(512, 512);
    packed[30] = 1;   // compressed
    WriteFile("packed.bmp", packed);
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
        WriteFile(FrameFilePath(n), {1, 2, 3});
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
    WriteFile(kStripPath, strip);
    ASSERT_EQ(OpenFrameStrip(), StripStatus::Ok);
    EXPECT_EQ(stripPixelOffset, 54);

    const TestImage image(600, 10);
    EXPECT_TRUE(WriteFrameStripSlot(22, image.pixels(), 512, 6));   // wider and taller than a slot
    EXPECT_TRUE(WriteFrameStripSlot(24, image.pixels(), 512, 6));   // no such slot: nothing
    EXPECT_TRUE(WriteFrameStripSlot(-1, image.pixels(), 512, 6));
    CloseFrameStrip();
    EXPECT_TRUE(WriteFrameStripSlot(22, image.pixels(), 512, 6));   // closed: nothing

    const std::vector<uint8_t> after = ReadFile(kStripPath);
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
    EXPECT_FALSE(IsFrameStripOpen());

    std::vector<uint8_t> strip = Header(kStripWidth, 4);
    strip.resize(54 + std::size_t(kStripRowBytes) * 3);   // one row short
    WriteFile(kStripPath, strip);
    EXPECT_EQ(OpenFrameStrip(), StripStatus::Unfit);

    WriteFile(kStripPath, {'B', 'M', 1, 2});
    EXPECT_EQ(OpenFrameStrip(), StripStatus::Unfit);

    std::vector<uint8_t> narrow = Header(512, 4);   // the fixed stride would not hold
    narrow.resize(54 + 3 * 512 * 4);
    WriteFile(kStripPath, narrow);
    EXPECT_EQ(OpenFrameStrip(), StripStatus::Unfit);
    EXPECT_FALSE(IsFrameStripOpen());
}
