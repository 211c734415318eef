// Pictures from files, and the header of the 24-bit BMP files the frame recorder writes.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

// Loads a BMP (or another format Qt reads) as Format_RGB32. false, and out untouched,
// when the file is missing, short or not a picture.
bool LoadBitmap(const QString& path, QImage& out);

// The 54-byte file + info header of an uncompressed, bottom-up 24-bit BMP; each row that
// follows is padded to a multiple of 4 bytes. Negative sizes count as 0.
std::vector<std::uint8_t> BmpHeader24(int width, int height);
