#pragma once
// 24-bit bitmaps made by the tests themselves: w x h pixels whose blue byte
// is blue(x, y), y counted from the top (green and red 0), rows padded to 4
// bytes, stored bottom-up unless topDown.
#include <cstdint>
#include <functional>
#include <vector>

inline void PutBitmapInt32(std::vector<uint8_t>& b, std::size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = uint8_t(v >> (8 * i));
}

inline std::vector<uint8_t> MakeBitmap(int w, int h, const std::function<uint8_t(int, int)>& blue,
                                       bool topDown = false)
{
    const std::size_t stride = (std::size_t(w) * 3 + 3) / 4 * 4;
    std::vector<uint8_t> b(54 + stride * h, 0);
    b[0] = 'B';
    b[1] = 'M';
    PutBitmapInt32(b, 2, uint32_t(b.size()));
    PutBitmapInt32(b, 10, 54);
    PutBitmapInt32(b, 14, 40);
    PutBitmapInt32(b, 18, uint32_t(w));
    PutBitmapInt32(b, 22, uint32_t(topDown ? -h : h));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < h; ++y) {
        const std::size_t stored = std::size_t(topDown ? y : h - 1 - y);
        for (int x = 0; x < w; ++x)
            b[54 + stride * stored + 3 * std::size_t(x)] = blue(x, y);
    }
    return b;
}
