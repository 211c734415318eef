#pragma once
// The freeze mask's file "MA/mafin.dat": the mask bytes of the used square,
// row by row with the used column count as stride (rows x columns bytes, no
// header), values unchanged. The side is not stored: a reader takes the
// file's leading bytes at the side in use, so a file written at side 27 read
// at side 17 gives its first 289 bytes.
//
// Both directions pass through maskFileBuffer. A read takes the file only
// when it holds at least rows x columns bytes; otherwise neither the buffer
// nor the mask changes. A write keeps the file's bytes past the mask and
// replaces the file only once the new content is complete.

#include <cstdint>
#include <filesystem>
#include <string>

#include "base/Square.h"

inline constexpr const char* kMaskFileName = "MA/mafin.dat";

// The mask on its way between the file and frozenMask (rows x columns bytes used).
extern uint8_t maskFileBuffer[kSquareCellCount];

enum class MaskFileStatus { Ok, Missing, Short, WriteFailed };

// File -> maskFileBuffer -> frozenMask over the used square.
MaskFileStatus ReadMaskFile(const std::filesystem::path& path);

// frozenMask -> maskFileBuffer -> file (created with its folder when
// missing). The mask itself is left alone: the caller clears it once the
// write has succeeded.
MaskFileStatus WriteMaskFile(const std::filesystem::path& path);

// A status-bar text for a failed read or write of path; empty for Ok.
std::string MaskFileMessage(MaskFileStatus status, const std::string& path);
