#include "base/BinaryFile.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <string>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

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
  value = static_cast<int32_t>(LoadLE32(data_.data() + pos_));
  pos_ += 4;
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

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

// The permission bits a replaced file had, or those a new file gets.
mode_t ModeFor(const fs::path& path) {
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) return old.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

bool SaveFileSafely(const fs::path& path, std::span<const uint8_t> bytes) {
  if (path.empty() || !CreateParentFolders(path)) return false;
  std::string name = path.string() + ".save-XXXXXX";
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && ::fchmod(fd, ModeFor(path)) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(name.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(name.c_str());
  return ok;
}

bool OverwriteFileStart(const fs::path& path, std::span<const uint8_t> bytes) {
  auto content = ReadWholeFile(path);
  if (!content) return false;
  if (content->size() < bytes.size()) content->resize(bytes.size());
  std::copy(bytes.begin(), bytes.end(), content->begin());
  return SaveFileSafely(path, *content);
}

bool SaveOverFileStart(const fs::path& path, std::span<const uint8_t> bytes) {
  std::error_code ec;
  return fs::exists(path, ec) ? OverwriteFileStart(path, bytes) : SaveFileSafely(path, bytes);
}
