#include "lattice/MaskFile.h"

#include <algorithm>

#include "base/BinaryFile.h"
#include "base/BinaryFile.h"

uint8_t maskFileBuffer[kSquareCellCount] = {};

namespace {

size_t MaskByteCount() { return static_cast<size_t>(UsedSquareRows()) * static_cast<size_t>(UsedSquareColumns()); }

}  // namespace

MaskFileStatus ReadMaskFile(const std::filesystem::path& path) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return MaskFileStatus::Missing;
  const size_t count = MaskByteCount();
  if (bytes->size() < count) return MaskFileStatus::Short;
  std::copy_n(bytes->begin(), count, maskFileBuffer);
  const int rows = UsedSquareRows();
  const int columns = UsedSquareColumns();
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) frozenMask[SquareIndex(r, c)] = maskFileBuffer[r * columns + c];
  return MaskFileStatus::Ok;
}

MaskFileStatus WriteMaskFile(const std::filesystem::path& path) {
  const int rows = UsedSquareRows();
  const int columns = UsedSquareColumns();
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) maskFileBuffer[r * columns + c] = frozenMask[SquareIndex(r, c)];
  const size_t count = MaskByteCount();
  return SaveOverFileStart(path, std::span<const uint8_t>(maskFileBuffer, count)) ? MaskFileStatus::Ok
                                                                                 : MaskFileStatus::WriteFailed;
}

std::string MaskFileMessage(MaskFileStatus status, const std::string& path) {
  switch (status) {
    case MaskFileStatus::Ok:
      return {};
    case MaskFileStatus::Missing:
      return "Mask file " + path + " not found: the mask is unchanged.";
    case MaskFileStatus::Short:
      return "Mask file " + path + " is shorter than the square: the mask is unchanged.";
    case MaskFileStatus::WriteFailed:
      return "Mask file " + path + " could not be written: the mask is kept.";
  }
  return {};
}
