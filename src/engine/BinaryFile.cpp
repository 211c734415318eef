#include "engine/BinaryFile.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

std::optional<std::vector<uint8_t>> ReadWholeFile(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<uint8_t> bytes;
  char buffer[65536];
  while (in) {
    in.read(buffer, sizeof buffer);
    bytes.insert(bytes.end(), buffer, buffer + in.gcount());
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool ByteReader::readInt32(int32_t& value) {
  if (remaining() < 4) return false;
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | data_[pos_ + i];
  pos_ += 4;
  value = static_cast<int32_t>(v);
  return true;
}

bool ByteReader::readBytes(uint8_t* out, size_t count) {
  if (remaining() < count) return false;
  std::copy_n(data_.begin() + pos_, count, out);
  pos_ += count;
  return true;
}

void ByteWriter::putInt32(int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void ByteWriter::putBytes(const uint8_t* data, size_t count) {
  bytes_.insert(bytes_.end(), data, data + count);
}

namespace {

bool CreateParentFolders(const fs::path& path) {
  const fs::path parent = path.parent_path();
  if (parent.empty()) return true;
  std::error_code ec;
  fs::create_directories(parent, ec);
  return fs::is_directory(parent, ec);
}

bool WriteAll(std::ostream& out, std::span<const uint8_t> bytes) {
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace

bool WriteWholeFile(const fs::path& path, std::span<const uint8_t> bytes) {
  if (!CreateParentFolders(path)) return false;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  return WriteAll(out, bytes);
}

bool OverwriteFileStart(const fs::path& path, std::span<const uint8_t> bytes) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  // in|out opens an existing file without creating or truncating it.
  std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
  if (!out) return false;
  return WriteAll(out, bytes);
}

bool CreateEmptyFile(const fs::path& path) { return WriteWholeFile(path, {}); }
