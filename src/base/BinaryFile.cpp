#include "base/BinaryFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/resource.h>
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

// Moves count bytes at offset `at` by io (pread or pwrite), however many calls it takes.
template <class Io, class Byte>
bool MoveAllAt(Io io, int fd, Byte* data, size_t count, size_t at) {
  size_t done = 0;
  while (done < count) {
    const ssize_t n = io(fd, data + done, count - done, off_t(at + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

bool WriteAt(int fd, const uint8_t* data, size_t count, size_t at) { return MoveAllAt(::pwrite, fd, data, count, at); }
bool ReadAt(int fd, uint8_t* out, size_t count, size_t at) { return MoveAllAt(::pread, fd, out, count, at); }

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

namespace {

// The old file's bytes past the new ones, kept behind them, through the safe save.
bool OverwriteBySafeSave(const fs::path& path, std::span<const uint8_t> bytes, size_t oldSize, int fd) {
  std::vector<uint8_t> content(std::max(oldSize, bytes.size()));
  std::copy(bytes.begin(), bytes.end(), content.begin());
  if (oldSize > bytes.size() && !ReadAt(fd, content.data() + bytes.size(), oldSize - bytes.size(), bytes.size()))
    return false;
  return SaveFileSafely(path, content);
}

// Where b first differs from a (b is the longer or as long); a.size() when a is
// a prefix of b. Compared in blocks, the common case of little or no change
// costs a few memcmp calls.
size_t FirstDifference(std::span<const uint8_t> a, std::span<const uint8_t> b) {
  constexpr size_t kBlock = 4096;
  size_t at = 0;
  while (at < a.size()) {
    const size_t n = std::min(kBlock, a.size() - at);
    if (std::memcmp(a.data() + at, b.data() + at, n) != 0)
      return at + size_t(std::mismatch(a.begin() + at, a.begin() + at + n, b.begin() + at).first - (a.begin() + at));
    at += n;
  }
  return a.size();
}

// Whether a write of the file's bytes up to `end` cannot stop halfway for want
// of room: the process's file size limit lies past it, and the blocks past the
// old end are reserved beforehand (without changing the file's size).
bool RoomToWriteUpTo(int fd, size_t oldSize, size_t end) {
  rlimit limit{};
  if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && end > limit.rlim_cur)
    return false;
  return end <= oldSize || ::fallocate(fd, FALLOC_FL_KEEP_SIZE, off_t(oldSize), off_t(end - oldSize)) == 0;
}

}  // namespace

// The bytes are written in place, and only where they differ from the file's:
// the generators rewrite their table files at every tick, and a save through a
// new file renamed over the old one costs milliseconds on a journalling file
// system. What could make the write stop halfway (a file size limit, a full
// disk) is ruled out first; where it cannot be, the safe save is used instead.
// Should a write fail all the same, the old bytes are put back.
bool OverwriteFileStart(const fs::path& path, std::span<const uint8_t> bytes) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return false;
  const size_t oldSize = size_t(st.st_size);
  // What the bytes replace, in a buffer kept from call to call (fresh pages for
  // every tick's table cost more than reading it).
  static thread_local std::vector<uint8_t> old;
  old.resize(std::min(oldSize, bytes.size()));
  if (!ReadAt(fd, old.data(), old.size(), 0)) return false;
  const size_t first = FirstDifference(old, bytes);
  if (first == bytes.size()) return true;   // the file holds them already
  if (!RoomToWriteUpTo(fd, oldSize, bytes.size())) return OverwriteBySafeSave(path, bytes, oldSize, fd);
  if (WriteAt(fd, bytes.data() + first, bytes.size() - first, first)) return true;
  WriteAt(fd, old.data() + first, old.size() - first, first);
  if (bytes.size() > oldSize) (void)::ftruncate(fd, off_t(oldSize));
  return false;
}

bool SaveOverFileStart(const fs::path& path, std::span<const uint8_t> bytes) {
  std::error_code ec;
  return fs::exists(path, ec) ? OverwriteFileStart(path, bytes) : SaveFileSafely(path, bytes);
}
