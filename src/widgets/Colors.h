// Colours as the forms write them: one packed value red + green*256 + blue*65536,
// with the named constants the windows use, and the conversions to and from Qt.
#pragma once

#include <QColor>
#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor ColorBlack = 0x000000, ColorWhite = 0xFFFFFF, ColorRed = 0x0000FF, ColorLime = 0x00FF00,
                 ColorGreen = 0x008000, ColorBlue = 0xFF0000, ColorNavy = 0x800000, ColorYellow = 0x00FFFF,
                 ColorAqua = 0xFFFF00, ColorFuchsia = 0xFF00FF, ColorOlive = 0x008080, ColorMaroon = 0x000080,
                 ColorPurple = 0x800080, ColorGray = 0x808080, ColorSilver = 0xC0C0C0,
                 ColorButtonFace = 0xF0F0F0, ColorHighlight = 0xD77800, ColorInactiveCaption = 0xDBCDBF,
                 ColorWindow = 0xFFFFFF;

// Components outside 0..255 are cut to that range.
constexpr TColor RGBColor(int r, int g, int b)
{
    auto cut = [](int v) { return static_cast<TColor>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    return cut(r) | (cut(g) << 8) | (cut(b) << 16);
}

// The colour as a 32-bit pixel of a Format_RGB32 image (0xFFRRGGBB).
constexpr std::uint32_t ToRgb32(TColor c)
{
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr TColor FromRgb32(std::uint32_t p)
{
    return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
}

QColor ToQColor(TColor c);
TColor FromQColor(QColor c);
