#include "lattice/BitmapImport.h"

#include "base/BinaryFile.h"

#include <algorithm>
#include <cstdlib>

#include "base/Square.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;   // the smallest header with 32-bit sizes

// The stored row that holds row y of the part read. The rows read are the
// first area.height stored rows, whatever the picture's height: a bottom-up
// picture taller than the frame gives its bottom rows, stored row k landing
// on row height - 1 - k; a top-down picture gives its top rows.
int64_t StoredRow(const BitmapImportArea& area, int32_t y)
{
    return area.bottomUp ? int64_t(area.height) - 1 - y : y;
}

} // namespace

BitmapImportStatus CheckImportBitmap(std::span<const uint8_t> file, int32_t frameWidth, int32_t frameHeight,
                                     BitmapImportArea& area)
{
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M')
        return BitmapImportStatus::NotBitmap;
    if (LoadLE32(file.data() + 14) < kInfoHeaderSize)
        return BitmapImportStatus::Unsupported;   // the old 12-byte header has no 24-bit rows of this kind
    const int32_t width = static_cast<int32_t>(LoadLE32(file.data() + 18));
    const int32_t height = static_cast<int32_t>(LoadLE32(file.data() + 22));
    const uint16_t bitsPerPixel = LoadLE16(file.data() + 28);
    const uint32_t compression = LoadLE32(file.data() + 30);
    if (bitsPerPixel != 24 || compression != 0 || width <= 0 || height == 0 || height == INT32_MIN)
        return BitmapImportStatus::Unsupported;

    BitmapImportArea a;
    a.pictureWidth = width;
    a.pictureHeight = std::abs(height);
    a.bottomUp = height > 0;
    a.width = std::clamp(frameWidth, 0, width);
    a.height = std::clamp(frameHeight, 0, a.pictureHeight);
    a.pixelOffset = LoadLE32(file.data() + 10);
    a.stride = (std::size_t(width) * 3 + 3) / 4 * 4;
    if (a.width > 0 && a.height > 0) {
        // The stored rows read are 0 .. height - 1; the last of them must
        // hold its width pixels.
        const int64_t lastRow = a.height - 1;
        const uint64_t end = uint64_t(a.pixelOffset) + uint64_t(lastRow) * a.stride + uint64_t(a.width) * 3;
        if (a.pixelOffset < kFileHeaderSize + kInfoHeaderSize || end > file.size())
            return BitmapImportStatus::Short;
    }
    area = a;
    return BitmapImportStatus::Ok;
}

const uint8_t* ImportRow(std::span<const uint8_t> file, const BitmapImportArea& area, int32_t y)
{
    return file.data() + area.pixelOffset + std::size_t(StoredRow(area, y)) * area.stride;
}

int MarkBrightCells(std::span<const uint8_t> file, const BitmapImportArea& area)
{
    int bright = 0;
    for (int32_t y = 0; y < area.height; ++y) {
        const int row = y / kImportCellPixels;
        const uint8_t* pixel = ImportRow(file, area, y);
        for (int32_t x = 0; x < area.width; ++x, pixel += 3) {
            if (!IsBrightPixel(pixel))
                continue;
            ++bright;
            const int column = x / kImportCellPixels;
            if (row < kSquareSide && column < kSquareSide)
                squareCells[SquareIndex(row, column)] = 0;
        }
    }
    return bright;
}

std::string BitmapImportMessage(BitmapImportStatus status, const std::string& path, const BitmapImportArea& area,
                                int32_t frameWidth, int32_t frameHeight)
{
    switch (status) {
    case BitmapImportStatus::Missing:
        return path + ": no such file; nothing read";
    case BitmapImportStatus::NotBitmap:
        return path + ": not a bitmap; nothing read";
    case BitmapImportStatus::Unsupported:
        return path + ": not an uncompressed 24-bit bitmap; nothing read";
    case BitmapImportStatus::Short:
        return path + ": the file ends before its pixel rows; nothing read";
    case BitmapImportStatus::Ok:
        break;
    }
    if (area.pictureWidth == frameWidth && area.pictureHeight == frameHeight)
        return {};
    return path + " is " + std::to_string(area.pictureWidth) + " x " + std::to_string(area.pictureHeight) +
           ", the frame " + std::to_string(frameWidth) + " x " + std::to_string(frameHeight) + ": read " +
           std::to_string(area.width) + " x " + std::to_string(area.height);
}
