#include "lattice/FileStartReplace.h"

#include <vector>

#include "engine/BinaryFile.h"
#include "lattice/FileReplace.h"

bool ReplaceFileStart(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  std::vector<uint8_t> content(bytes.begin(), bytes.end());
  if (const auto old = ReadWholeFile(path); old && old->size() > bytes.size())
    content.insert(content.end(), old->begin() + static_cast<std::ptrdiff_t>(bytes.size()), old->end());
  return ReplaceFileContents(path, content);
}
