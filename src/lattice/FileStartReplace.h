#pragma once
// Saving over the leading bytes of a file, as the files that are opened for
// reading and writing without truncation have always been saved: the bytes
// past the new content stay. The file is created with its folder when
// missing, and the whole new file goes through ReplaceFileContents, so a
// failed save leaves the old file as it was.

#include <cstdint>
#include <filesystem>
#include <span>

// True only when path holds bytes followed by whatever the old file held
// beyond bytes.size().
bool ReplaceFileStart(const std::filesystem::path& path, std::span<const uint8_t> bytes);
