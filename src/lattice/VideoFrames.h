#pragma once
// Video frames: what the main window's drawing area shows, written as
// numbered 24-bit bitmap files "video/file" + NNNN + ".bmp".
//
// A frame file is the 256000-byte header buffer (the frame template's first
// bytes), overwritten from the pixel offset P (bytes 10..13 of the buffer) on
// by the pixel rows, bottom-up, blue-green-red, without padding (every frame
// width is a multiple of 4); its length is max(256000, P + 3 x width x height).
// A missing or unfit template is replaced by the standard 54-byte header of a
// width x height bitmap in a zeroed buffer, so every frame is a valid bitmap.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kFrameHeaderBufferSize = 256000;
constexpr int kMaxOldFrames = 2000;   // old recordings are deleted up to this number

extern int32_t videoFrameCounter;   // the current recording tick (both recorders)
extern int32_t videoFrameNumber;    // number of the next "video/file" frame
extern std::string framePath;       // the frame file being written
extern uint8_t frameHeaderBuffer[kFrameHeaderBufferSize];

// prefix + number with leading zeros to four digits + ".bmp"; numbers from
// 10000 on keep all their digits, a negative number is written as 0.
std::string NumberedBitmapName(const std::string& prefix, int32_t number);
// "video/file" + NNNN + ".bmp"
std::string FrameFilePath(int32_t number);
// The frame template of an item of the video window's "Size" group
// ("data/f_352_704.bmp", ...); empty for an item outside 0..11.
std::string FrameTemplatePath(int sizeItem);

enum class FrameTemplateStatus {
    Ok,          // the template's first bytes are in the buffer
    Missing,     // no file: standard header synthesised
    Unfit,       // not a 24-bit bottom-up bitmap of the frame size, or its pixel offset
                 // lies outside what was read: standard header synthesised
};
// Reads up to 256000 bytes of the template into frameHeaderBuffer. An empty
// path counts as missing.
FrameTemplateStatus LoadFrameTemplate(const std::string& path, int32_t width, int32_t height);
// The standard 54-byte header of a width x height 24-bit bitmap in a zeroed buffer.
void SynthesiseFrameHeader(int32_t width, int32_t height);
// P: the 32-bit little-endian value at bytes 10..13 of frameHeaderBuffer.
uint32_t FramePixelOffset();
// Whether the first `available` bytes of frameHeaderBuffer describe a 24-bit
// uncompressed bottom-up bitmap of width x height whose pixel offset lies in
// 54 .. available.
bool FrameHeaderFits(int32_t width, int32_t height, int available = kFrameHeaderBufferSize);

// A 32-bit image in memory, one pixel 0xAARRGGBB per 4 bytes (blue first in
// memory), rows bytesPerLine apart. Pixels outside it read as white.
struct PixelImage {
    const uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t bytesPerLine = 0;
};

// Blue, green, red of pixels 0 .. width - 1 of image row y into out.
void ConvertRowToBgr(const PixelImage& image, int y, int width, uint8_t* out);

// The bytes of one frame file for the top-left width x height pixels of the
// image behind the header in frameHeaderBuffer (callers make sure it fits).
std::vector<uint8_t> BuildFrameFile(const PixelImage& image, int32_t width, int32_t height);

// Deletes "video/file0000.bmp", "video/file0001.bmp", ... up to the first
// that cannot be opened for reading and writing (at most kMaxOldFrames);
// returns how many were deleted.
int DeleteOldFrames();
