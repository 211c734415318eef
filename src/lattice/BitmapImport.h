#pragma once
// A picture drawn elsewhere as a start pattern: the 24-bit bitmap
// "data/1_1.BMP" is read over the frame size of the video recorder, and every
// bright pixel (blue byte above 60) of it counts. Coordinates run from the
// top-left corner, as the frame recorder's do. The first stored rows are read,
// as many as the frame has: in a bottom-up picture stored row k lands on
// y = height - 1 - k, so a picture of the frame's size maps its last stored
// row to y = 0, and of a taller one the bottom rows are read.
//
// The header is checked ("BM", an uncompressed 24-bit picture with a positive
// width and a non-zero height; a negative height is a top-down picture, whose
// first stored row is y = 0), rows are stepped by the file's padded stride,
// and a picture smaller or larger than the frame is read over the size the
// two share: its left columns and its first stored rows.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

inline constexpr const char* kBitmapImportPath = "data/1_1.BMP";
// A cell of the square takes 5 x 5 pixels of the picture.
constexpr int kImportCellPixels = 5;

enum class BitmapImportStatus {
    Ok,
    Missing,      // no such file
    NotBitmap,    // no "BM", or shorter than its headers
    Unsupported,  // not an uncompressed 24-bit picture, or no pixels
    Short,        // the pixel rows to be read run past the end of the file
};

struct BitmapImportArea {
    int32_t pictureWidth = 0, pictureHeight = 0;   // as the file says (height made positive)
    int32_t width = 0, height = 0;                 // the part read: the smaller of picture and frame
    uint32_t pixelOffset = 0;                      // bytes 10..13
    std::size_t stride = 0;                        // bytes per stored row, padded to 4
    bool bottomUp = true;
};

// Checks the file's headers against the frame and fills area; area is
// meaningful only when the result is Ok. A frame size of 0 or less reads
// nothing (Ok with an empty area).
BitmapImportStatus CheckImportBitmap(std::span<const uint8_t> file, int32_t frameWidth, int32_t frameHeight,
                                     BitmapImportArea& area);

// Row y (0 = top) of the part read: area.width pixels of blue, green, red.
const uint8_t* ImportRow(std::span<const uint8_t> file, const BitmapImportArea& area, int32_t y);

// Bright: the pixel's blue byte is above 60.
inline bool IsBrightPixel(const uint8_t* bgr) { return bgr[0] > 60; }

// Every bright pixel (x, y) makes the square cell (y div 5, x div 5) a C cell
// (0); cells outside the 131 x 131 storage are skipped. The side, the other
// cells and the point lists stay as they are. Returns the bright pixels found.
int MarkBrightCells(std::span<const uint8_t> file, const BitmapImportArea& area);

// The status bar text for a refused import, or for one over a size other than
// the frame's; empty for a plain success.
std::string BitmapImportMessage(BitmapImportStatus status, const std::string& path, const BitmapImportArea& area,
                                int32_t frameWidth, int32_t frameHeight);
