#pragma once
// Little-endian binary files, read whole into memory and checked at every
// step: a read that would run past the data fails and consumes nothing, and
// every file operation reports failure instead of half-succeeding silently.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

// The whole content of a regular file; nullopt if it is missing or unreadable.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path);

// Little-endian fields at p, for headers read or built in place.
inline uint32_t LoadLE32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline uint16_t LoadLE16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
inline void StoreLE32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

// Cursor over bytes the caller keeps alive. A failed read leaves the
// cursor and the output untouched.
class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  bool readInt32(int32_t& value);              // 4 bytes, little-endian
  bool readBytes(uint8_t* out, size_t count);  // count raw bytes
  size_t remaining() const { return data_.size() - pos_; }

 private:
  std::span<const uint8_t> data_;
  size_t pos_ = 0;
};

// Builds the bytes of a file in memory.
class ByteWriter {
 public:
  void putInt32(int32_t value);  // 4 bytes, little-endian
  void putBytes(const uint8_t* data, size_t count);
  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

// Every writer saves through SaveFileSafely, so that a save never destroys
// the file it replaces: the whole new content goes to a temporary file beside
// the old one (same folder, so the rename cannot cross file systems), which is
// then renamed over it. Missing folders are created. A file that is replaced
// keeps its permission bits. On any failure (a full disk, a folder that cannot
// be written) the old file is exactly as it was, no temporary file is left and
// the result is false, for the caller to report.
bool SaveFileSafely(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// SaveFileSafely under the name the readers' counterparts use: creates or
// replaces the file with exactly bytes.
inline bool WriteWholeFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  return SaveFileSafely(path, bytes);
}

// Writes bytes over the start of an EXISTING file, keeping its bytes past the
// written part; the file is never created. Written in place (a file rewritten
// at every timer tick cannot afford a new file each time), but never left
// half-written: a write that might fail for want of room goes through
// SaveFileSafely, and a failed write puts the old bytes back, so a failure
// leaves the whole old file. False if it is missing or unreadable.
bool OverwriteFileStart(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// As OverwriteFileStart, but a missing file is created (with its folders)
// holding exactly bytes: the files that a command both creates and rewrites
// in place.
bool SaveOverFileStart(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// Creates the missing folders and an empty file (an existing one is emptied).
inline bool CreateEmptyFile(const std::filesystem::path& path) { return SaveFileSafely(path, {}); }
