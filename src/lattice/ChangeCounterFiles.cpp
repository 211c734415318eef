#include "lattice/ChangeCounterFiles.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>
#include <vector>

#include "base/BinaryFile.h"
#include "lattice/RiverFrames.h"

static_assert(kRiverFileSize == sizeof riverFrames);

namespace {

// The bytes of a file of exactly `size` bytes; the size is checked before
// anything is read, so a wrong file of any length costs nothing.
CounterFileStatus ReadExactly(const std::string& path, std::size_t size, std::vector<uint8_t>& out)
{
    std::error_code ec;
    const auto actual = std::filesystem::file_size(path, ec);
    if (ec)
        return CounterFileStatus::Missing;
    if (actual != size)
        return CounterFileStatus::WrongSize;
    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path);
    if (!bytes)
        return CounterFileStatus::Missing;
    if (bytes->size() != size)
        return CounterFileStatus::WrongSize;
    out = std::move(*bytes);
    return CounterFileStatus::Ok;
}

} // namespace

const std::array<CounterFile, kCounterFileCount>& SavedCounterFiles()
{
    static const std::array<CounterFile, kCounterFileCount> files = {{
        {"aT1d/aBLx0.dat", &vanishCountX1},
        {"aT1d/aBLy0.dat", &vanishCountY1},
        {"aT1d/aLIx0.dat", &appearCountX1},
        {"aT1d/aLIy0.dat", &appearCountY1},
    }};
    return files;
}

CounterFileStatus WriteCounterTable(const std::string& path, const StatCountMap& table)
{
    ByteWriter writer;
    for (const auto& row : table)
        for (const int32_t v : row)
            writer.putInt32(v);
    return SaveFileSafely(path, writer.bytes()) ? CounterFileStatus::Ok : CounterFileStatus::NotWritten;
}

CounterFileStatus ReadCounterTable(const std::string& path, StatCountMap& table)
{
    std::vector<uint8_t> bytes;
    const CounterFileStatus status = ReadExactly(path, kCounterFileSize, bytes);
    if (status != CounterFileStatus::Ok)
        return status;
    ByteReader reader(bytes);
    for (auto& row : table)
        for (int32_t& v : row)
            reader.readInt32(v);   // cannot fail: the size was checked
    return CounterFileStatus::Ok;
}

void NegateCounterTable(StatCountMap& table)
{
    for (auto& row : table)
        for (int32_t& v : row)
            v = v == std::numeric_limits<int32_t>::min() ? std::numeric_limits<int32_t>::max() : -v;
}

void ClearChangeCounters()
{
    for (int span = 0; span < kSpanCount; ++span)
        for (const bool isX : {true, false}) {
            const ChangeSpanMaps* maps = ChangeSpan(span, isX);
            std::memset(maps->vanish, 0, sizeof(StatCountMap));
            std::memset(maps->appear, 0, sizeof(StatCountMap));
        }
}

CounterFileStatus WriteRiverFile(const std::string& path)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(riverFrames);
    return SaveFileSafely(path, std::span<const uint8_t>(bytes, sizeof riverFrames)) ? CounterFileStatus::Ok
                                                                                      : CounterFileStatus::NotWritten;
}

CounterFileStatus ReadRiverFile(const std::string& path)
{
    std::vector<uint8_t> bytes;
    const CounterFileStatus status = ReadExactly(path, kRiverFileSize, bytes);
    if (status == CounterFileStatus::Ok)
        std::memcpy(riverFrames, bytes.data(), sizeof riverFrames);
    return status;
}

void ClearRiverFrames(int32_t rows, int32_t columns)
{
    const int r = std::clamp(rows, 0, kStatSide);
    const int c = std::clamp(columns, 0, kStatSide);
    for (auto& frame : riverFrames)
        for (int i = 0; i < r; ++i)
            std::memset(frame[i], 0, std::size_t(c));
}

std::string CounterFileMessage(CounterFileStatus status, const std::string& path, std::size_t expectedSize)
{
    switch (status) {
    case CounterFileStatus::Ok:
        return {};
    case CounterFileStatus::Missing:
        return path + " missing";
    case CounterFileStatus::WrongSize:
        return path + " is not " + std::to_string(expectedSize) + " bytes long";
    case CounterFileStatus::NotWritten:
        return path + " could not be written";
    }
    return {};
}
