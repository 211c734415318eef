#include "lattice/VideoStrip.h"

#include "base/BinaryFile.h"

#include <algorithm>
#include <cstdio>
#include <vector>

int32_t stripPixelOffset = 0;

namespace {

std::FILE* strip = nullptr;
int32_t stripRows = 0;

} // namespace

StripStatus OpenFrameStrip(const std::string& path)
{
    CloseFrameStrip();
    std::FILE* f = std::fopen(path.c_str(), "r+b");
    if (f == nullptr)
        return StripStatus::Missing;
    uint8_t h[54];
    long size = -1;
    const bool headerRead = std::fread(h, 1, sizeof h, f) == sizeof h;
    if (headerRead && std::fseek(f, 0, SEEK_END) == 0)
        size = std::ftell(f);
    const uint32_t offset = headerRead ? LoadLE32(h + 10) : 0;
    const int32_t height = headerRead ? static_cast<int32_t>(LoadLE32(h + 22)) : 0;
    const bool fits = headerRead && h[0] == 'B' && h[1] == 'M' && LoadLE32(h + 18) == uint32_t(kStripWidth) &&
                      height > 0 && h[28] == 24 && h[29] == 0 && LoadLE32(h + 30) == 0 && offset >= 54 &&
                      size >= 0 && uint64_t(offset) + uint64_t(kStripRowBytes) * uint64_t(height) <= uint64_t(size);
    if (!fits) {
        std::fclose(f);
        return StripStatus::Unfit;
    }
    strip = f;
    stripRows = height;
    stripPixelOffset = static_cast<int32_t>(offset);
    return StripStatus::Ok;
}

bool IsFrameStripOpen() { return strip != nullptr; }

void CloseFrameStrip()
{
    if (strip != nullptr)
        std::fclose(strip);
    strip = nullptr;
    stripRows = 0;
}

bool WriteFrameStripSlot(int slot, const PixelImage& image, int32_t width, int32_t height)
{
    if (strip == nullptr || slot < 0 || slot >= kStripSlotCount)
        return true;
    const int pixels = std::clamp(width, 0, kStripSlotWidth);
    const int rows = std::clamp(height, 0, stripRows);
    std::vector<uint8_t> row(3 * std::size_t(pixels));
    for (int r = 0; r < rows; ++r) {
        const long at = long(stripPixelOffset) + long(kStripRowBytes) * r + long(kStripSlotBytes) * slot;
        ConvertRowToBgr(image, height - 1 - r, pixels, row.data());
        if (std::fseek(strip, at, SEEK_SET) != 0 || std::fwrite(row.data(), 1, row.size(), strip) != row.size())
            return false;
    }
    return std::fflush(strip) == 0;
}
