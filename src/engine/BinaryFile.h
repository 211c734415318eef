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

// Creates the missing folders, then creates or truncates the file and writes
// bytes. True only when everything was written.
bool WriteWholeFile(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// Writes bytes over the start of an EXISTING file, neither creating nor
// truncating it (bytes past the written part stay). False if it is missing.
bool OverwriteFileStart(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// Creates the missing folders and an empty file (an existing one is emptied).
bool CreateEmptyFile(const std::filesystem::path& path);
