#include "lattice/VideoFrames.h"

#include "base/BinaryFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>
#include <filesystem>

int32_t videoFrameCounter = 0;
int32_t videoFrameNumber = 0;
std::string framePath;
uint8_t frameHeaderBuffer[kFrameHeaderBufferSize] = {};

namespace {

constexpr int kBmpHeaderSize = 54;

// In the order of the "Size" items.
const char* const kTemplates[] = {
    "data/f_352_704.bmp", "data/f_864_656.bmp", "data/f_8448_704.bmp", "data/f_352_352.bmp",
    "data/f_512_512.bmp", "data/f_352_100.bmp", "data/f_704_704.bmp",  "data/f_120_100.bmp",
    "data/f_704_432.bmp", "data/f_432_432.bmp", "data/f_792_432.bmp",  "data/f_792_640.bmp",
};

uint64_t PixelBytes(int32_t width, int32_t height)
{
    return 3u * uint64_t(std::max(width, 0)) * uint64_t(std::max(height, 0));
}

} // namespace

std::string NumberedBitmapName(const std::string& prefix, int32_t number)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", std::max(number, 0));
    return prefix + digits + ".bmp";
}

std::string FrameFilePath(int32_t number) { return NumberedBitmapName("video/file", number); }

std::string FrameTemplatePath(int sizeItem)
{
    if (sizeItem < 0 || sizeItem >= static_cast<int>(std::size(kTemplates)))
        return {};
    return kTemplates[sizeItem];
}

uint32_t FramePixelOffset() { return LoadLE32(frameHeaderBuffer + 10); }

bool FrameHeaderFits(int32_t width, int32_t height, int available)
{
    const uint8_t* h = frameHeaderBuffer;
    available = std::clamp(available, 0, kFrameHeaderBufferSize);
    if (available < kBmpHeaderSize || h[0] != 'B' || h[1] != 'M')
        return false;
    const uint32_t offset = FramePixelOffset();
    const bool bottomUp24 = h[28] == 24 && h[29] == 0 && LoadLE32(h + 30) == 0;   // 24 bits, no compression
    return bottomUp24 && LoadLE32(h + 18) == uint32_t(width) && LoadLE32(h + 22) == uint32_t(height) && width > 0 &&
           height > 0 && offset >= uint32_t(kBmpHeaderSize) && offset <= uint32_t(available);
}

void SynthesiseFrameHeader(int32_t width, int32_t height)
{
    std::memset(frameHeaderBuffer, 0, sizeof frameHeaderBuffer);
    uint8_t* h = frameHeaderBuffer;
    const uint64_t pixels = PixelBytes(width, height);
    const uint64_t file = kBmpHeaderSize + pixels;
    h[0] = 'B';
    h[1] = 'M';
    StoreLE32(h + 2, static_cast<uint32_t>(std::min<uint64_t>(file, 0xFFFFFFFFu)));
    StoreLE32(h + 10, kBmpHeaderSize);
    StoreLE32(h + 14, 40);   // size of the info header
    StoreLE32(h + 18, static_cast<uint32_t>(std::max(width, 0)));
    StoreLE32(h + 22, static_cast<uint32_t>(std::max(height, 0)));   // positive: rows bottom-up
    h[26] = 1;    // planes
    h[28] = 24;   // bits per pixel; compression (30..33) stays 0
    StoreLE32(h + 34, static_cast<uint32_t>(std::min<uint64_t>(pixels, 0xFFFFFFFFu)));
}

FrameTemplateStatus LoadFrameTemplate(const std::string& path, int32_t width, int32_t height)
{
    std::ifstream in;
    if (!path.empty())
        in.open(path, std::ios::binary);
    if (path.empty() || !in) {
        SynthesiseFrameHeader(width, height);
        return FrameTemplateStatus::Missing;
    }
    std::vector<uint8_t> head(kFrameHeaderBufferSize);
    in.read(reinterpret_cast<char*>(head.data()), kFrameHeaderBufferSize);
    const auto got = static_cast<int>(in.gcount());
    std::copy(head.begin(), head.begin() + got, frameHeaderBuffer);
    if (FrameHeaderFits(width, height, got))
        return FrameTemplateStatus::Ok;
    SynthesiseFrameHeader(width, height);
    return FrameTemplateStatus::Unfit;
}

void ConvertRowToBgr(const PixelImage& image, int y, int width, uint8_t* out)
{
    const bool rowInside = image.bits != nullptr && y >= 0 && y < image.height;
    const int inside = rowInside ? std::clamp(image.width, 0, std::max(width, 0)) : 0;
    if (inside > 0) {
        const uint8_t* src = image.bits + image.bytesPerLine * y;
        for (int x = 0; x < inside; ++x) {
            out[3 * x] = src[4 * x];           // blue
            out[3 * x + 1] = src[4 * x + 1];   // green
            out[3 * x + 2] = src[4 * x + 2];   // red
        }
    }
    if (width > inside)
        std::memset(out + 3 * inside, 0xFF, 3 * std::size_t(width - inside));   // outside: white
}

std::vector<uint8_t> BuildFrameFile(const PixelImage& image, int32_t width, int32_t height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    const std::size_t offset = std::min<std::size_t>(FramePixelOffset(), kFrameHeaderBufferSize);
    const std::size_t rowBytes = 3 * std::size_t(width);
    const std::size_t length = std::max<std::size_t>(kFrameHeaderBufferSize, offset + rowBytes * std::size_t(height));
    std::vector<uint8_t> file(length, 0);
    std::memcpy(file.data(), frameHeaderBuffer, kFrameHeaderBufferSize);
    for (int r = 0; r < height; ++r)
        ConvertRowToBgr(image, height - 1 - r, width, file.data() + offset + rowBytes * std::size_t(r));
    return file;
}

int DeleteOldFrames()
{
    int deleted = 0;
    for (int n = 0; n < kMaxOldFrames; ++n) {
        const std::string path = FrameFilePath(n);
        {
            std::fstream probe(path, std::ios::in | std::ios::out | std::ios::binary);
            if (!probe)
                break;
        }
        std::error_code ec;
        if (!std::filesystem::remove(path, ec))
            break;   // could be opened but not deleted: stop rather than loop over it
        ++deleted;
    }
    return deleted;
}
