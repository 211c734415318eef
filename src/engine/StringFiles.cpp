#include "engine/StringFiles.h"

#include <filesystem>
#include <system_error>

#include "base/BinaryFile.h"
#include "base/StringLength.h"
#include "engine/StringState.h"

namespace {

constexpr size_t kRecordBytes = 4 + kStringCells;

}  // namespace

std::string StringFileName(int number) {
  return number <= 1 ? "CA/ca.dat" : "CA/ca" + std::to_string(number) + ".dat";
}

StringFileStatus WriteStringFile(const std::string& path) {
  ByteWriter writer;
  writer.putInt32(stringLength);
  writer.putBytes(stringA, kStringCells);
  std::error_code error;
  const bool exists = std::filesystem::exists(path, error);
  const bool ok = exists ? OverwriteFileStart(path, writer.bytes()) : WriteWholeFile(path, writer.bytes());
  return ok ? StringFileStatus::Ok : StringFileStatus::WriteFailed;
}

StringFileStatus ReadStringFile(const std::string& path, StringFileRecord& record) {
  const auto data = ReadWholeFile(path);
  if (!data) return StringFileStatus::Missing;
  if (data->size() < kRecordBytes) return StringFileStatus::Short;
  ByteReader reader(*data);
  StringFileRecord read;
  reader.readInt32(read.length);
  reader.readBytes(read.cells, kStringCells);
  if (read.length < 0 || read.length > kStringCells) return StringFileStatus::BadLength;
  for (uint8_t cell : read.cells)
    if (cell > 2) return StringFileStatus::BadCell;
  record = read;
  return StringFileStatus::Ok;
}

std::string StringFileMessage(StringFileStatus status, const std::string& path) {
  switch (status) {
    case StringFileStatus::Ok: return {};
    case StringFileStatus::Missing: return "String file " + path + " is missing";
    case StringFileStatus::Short: return "String file " + path + " is too short";
    case StringFileStatus::BadLength: return "String file " + path + " holds a length outside 0..27";
    case StringFileStatus::BadCell: return "String file " + path + " holds a cell other than 0, 1 or 2";
    case StringFileStatus::WriteFailed: return "String file " + path + " could not be written; it keeps its previous content";
  }
  return {};
}
