#pragma once
// The frame strip "data/filedem24.bmp": an existing 24-bit bottom-up bitmap
// 8448 pixels wide that holds 24 frames of 352 pixels side by side. The strip
// recorder keeps it open across its ticks and writes one slot per recorded
// step; slot k, row r starts at P + 25344 r + 1056 k.
//
// Only a strip of exactly that width (so that the fixed row stride holds),
// 24 bits, uncompressed, bottom-up and as long as its rows is opened. A slot
// write covers at most 352 pixels of a row and at most the strip's rows, so
// a wide or tall frame never spills into a neighbouring slot or past the
// pixels.

#include <cstdint>
#include <string>

#include "lattice/VideoFrames.h"

constexpr int kStripWidth = 8448;
constexpr int kStripSlotCount = 24;
constexpr int kStripSlotWidth = 352;
constexpr int kStripRowBytes = 3 * kStripWidth;        // 25344
constexpr int kStripSlotBytes = 3 * kStripSlotWidth;   // 1056
inline constexpr const char* kStripPath = "data/filedem24.bmp";

extern int32_t stripPixelOffset;   // P of the open strip

enum class StripStatus { Ok, Missing, Unfit };

// Closes a strip that is still open, then opens path for reading and writing
// (never creating it) and reads its pixel offset. Nothing stays open unless Ok.
StripStatus OpenFrameStrip(const std::string& path = kStripPath);
bool IsFrameStripOpen();
void CloseFrameStrip();

// Canvas rows height - 1 - r of the image into slot `slot`, r from 0 up to
// the smaller of height and the strip's rows. A slot outside 0..23 or a
// closed strip writes nothing and counts as done; false on a write error.
bool WriteFrameStripSlot(int slot, const PixelImage& image, int32_t width, int32_t height);
