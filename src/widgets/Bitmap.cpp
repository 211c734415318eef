#include "widgets/Bitmap.h"

#include <QImageReader>

bool LoadBitmap(const QString& path, QImage& out)
{
    QImageReader reader(path);
    QImage img;
    if (!reader.read(&img) || img.isNull())
        return false;
    out = img.convertToFormat(QImage::Format_RGB32);
    return true;
}

std::vector<std::uint8_t> BmpHeader24(int width, int height)
{
    width = width < 0 ? 0 : width;
    height = height < 0 ? 0 : height;
    const std::uint64_t stride = (std::uint64_t(width) * 3 + 3) / 4 * 4;
    const std::uint64_t image = stride * std::uint64_t(height);
    const std::uint64_t file = 54 + image;
    std::vector<std::uint8_t> h(54, 0);
    auto put32 = [&](std::size_t at, std::uint64_t v) {
        const auto u = static_cast<std::uint32_t>(v > 0xFFFFFFFFu ? 0xFFFFFFFFu : v);
        for (int i = 0; i < 4; ++i)
            h[at + i] = std::uint8_t(u >> (8 * i));
    };
    h[0] = 'B';
    h[1] = 'M';
    put32(2, file);
    put32(10, 54);      // offset of the pixel rows
    put32(14, 40);      // size of the info header
    put32(18, std::uint32_t(width));
    put32(22, std::uint32_t(height));   // positive: rows bottom-up
    h[26] = 1;          // planes
    h[28] = 24;         // bits per pixel
    put32(34, image);
    put32(38, 3780);    // 96 dpi
    put32(42, 3780);
    return h;
}
