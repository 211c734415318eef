#pragma once
// The one way the lattice experiments save a file (frames, square patterns):
// missing folders are created, the new bytes go to a temporary file beside
// the target, which then takes the target's place. On any failure the old
// file is left as it was and the temporary file is removed.

#include <cstdint>
#include <filesystem>
#include <span>

// True only when the whole content is in place under path.
bool ReplaceFileContents(const std::filesystem::path& path, std::span<const uint8_t> bytes);
