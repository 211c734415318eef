#include "tables1d/TableFile.h"

#include "base/BinaryFile.h"
#include "base/TableRecords.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

std::string ttFileName1d;

namespace {

std::string TwoDigits(int32_t value)
{
    std::string text = std::to_string(value);
    if (value >= 0 && value < 10) text.insert(text.begin(), '0');
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string TableFileBaseName(int32_t pointCount, int32_t leftBits, int32_t rightBits)
{
    std::string name(1, 'R');
    name.append(std::to_string(pointCount - 1)).append(1, '_');
    name.append(TwoDigits(leftBits)).append(TwoDigits(rightBits)).append(".dat");
    return name;
}

std::optional<TableFileName> ParseTableFileName(std::string_view path)
{
    const size_t slash = path.find_last_of("/\\");
    const std::string_view base = slash == std::string_view::npos ? path : path.substr(slash + 1);
    // "R" d "_" dd dd ".dat"
    if (base.size() != 11 || base[0] != 'R' || base[2] != '_') return std::nullopt;
    if (!IsDigit(base[1])) return std::nullopt;
    for (size_t i = 3; i < 7; ++i)
        if (!IsDigit(base[i])) return std::nullopt;
    std::string ext(base.substr(7));
    for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
    if (ext != ".dat") return std::nullopt;

    TableFileName name;
    name.pointCount = (base[1] - '0') + 1;
    name.leftBits = (base[3] - '0') * 10 + (base[4] - '0');
    name.rightBits = (base[5] - '0') * 10 + (base[6] - '0');
    return name;
}

int32_t MaskPointCount(int32_t leftBits, int32_t rightBits)
{
    return std::popcount(uint32_t(leftBits)) + std::popcount(uint32_t(rightBits)) + 1;
}

TableFileStatus ReadTableFile(const std::string& path, int keyLength, TableFileContent& out)
{
    return ReadRecordFile(path, RecordLayout{keyLength, true, true}, out);
}

TableFileStatus ReadRecordFile(const std::string& path, const RecordLayout& layout, TableFileContent& out)
{
    const int keyLength = layout.keyBytes;
    if (keyLength < 1 || keyLength > kTableKeyBytes) return TableFileStatus::BadKeyLength;
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return TableFileStatus::Missing;
    if (bytes->empty()) return TableFileStatus::Empty;

    ByteReader reader(*bytes);
    int32_t count = 0;
    if (!reader.readInt32(count)) return TableFileStatus::Short;
    if (count < 0) return TableFileStatus::Malformed;
    if (count > kTableCapacity) return TableFileStatus::OverCapacity;
    const size_t recordBytes = size_t(keyLength) + (layout.withCounts ? 8 : 4);
    if (reader.remaining() < size_t(count) * recordBytes) return TableFileStatus::Short;

    TableFileContent content;
    content.recordCount = count;
    content.keys.resize(size_t(count) * keyLength);
    content.values.resize(count);
    content.counts.assign(size_t(count), 0);
    for (int32_t i = 0; i < count; ++i) {
        uint8_t* key = &content.keys[size_t(i) * keyLength];
        if (!reader.readBytes(key, size_t(keyLength)) || !reader.readInt32(content.values[i]) ||
            (layout.withCounts && !reader.readInt32(content.counts[i])))
            return TableFileStatus::Short;
        if (layout.groupCellsOnly)
            for (int j = 0; j < keyLength; ++j)
                if (key[j] > 5) return TableFileStatus::Malformed;
    }
    out = std::move(content);
    return TableFileStatus::Ok;
}

void LoadTableContent(const TableFileContent& content, int keyLength)
{
    ttRecordCount = content.recordCount;
    for (int32_t i = 0; i < content.recordCount; ++i) {
        std::memcpy(ttKeys[i], &content.keys[size_t(i) * keyLength], size_t(keyLength));
        ttValues[i] = content.values[i];
        ttHitCount[i] = content.counts[i];
    }
}

TableFileStatus ReadTableFileIntoList(const std::string& path, int keyLength)
{
    TableFileContent content;
    const TableFileStatus status = ReadTableFile(path, keyLength, content);
    if (status == TableFileStatus::Ok) LoadTableContent(content, keyLength);
    return status;
}

TableFileStatus WriteListToTableFile(const std::string& path, int keyLength)
{
    if (keyLength < 1 || keyLength > kTableKeyBytes) return TableFileStatus::BadKeyLength;
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec)) return TableFileStatus::Missing;

    // Laid out in place, in a buffer kept from call to call: the generators
    // write thousands of records at every pass. Each key is copied whole (a
    // fixed-size copy), and its value and count then overwrite the cells past
    // keyLength; the buffer has room for the last key's.
    const int32_t count = ttRecordCount;
    const size_t recordBytes = size_t(keyLength) + 8;
    const size_t size = 4 + size_t(std::max(count, 0)) * recordBytes;
    static thread_local std::vector<uint8_t> bytes;
    bytes.resize(size + kTableKeyBytes);
    StoreLE32(bytes.data(), uint32_t(count));
    uint8_t* at = bytes.data() + 4;
    for (int32_t i = 0; i < count; ++i, at += recordBytes) {
        std::memcpy(at, ttKeys[i], kTableKeyBytes);
        StoreLE32(at + keyLength, uint32_t(ttValues[i]));
        StoreLE32(at + keyLength + 4, uint32_t(ttHitCount[i]));
    }
    return OverwriteFileStart(path, std::span<const uint8_t>(bytes.data(), size)) ? TableFileStatus::Ok : TableFileStatus::WriteFailed;
}

namespace {

// The file the last generator start emptied and what it held.
struct EmptiedTableFile {
    std::string path;
    std::vector<uint8_t> content;
};
EmptiedTableFile lastEmptied;

// No table file of the workbench is longer than a full list of the widest
// records (an older, longer table's tail included): a longer file is not kept.
constexpr uintmax_t kLongestTableFile = 4 + uintmax_t(kTableCapacity) * (kTableKeyBytes + 8);

bool IsEmptyFile(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) == 0 && !ec;
}

} // namespace

bool EmptyTableFileKeepingItsTable(const std::string& path)
{
    if (path != lastEmptied.path || !IsEmptyFile(path)) {
        std::error_code ec;
        const uintmax_t size = std::filesystem::file_size(path, ec);
        std::optional<std::vector<uint8_t>> content;
        if (!ec && size <= kLongestTableFile) content = ReadWholeFile(path);
        lastEmptied = {path, content.value_or(std::vector<uint8_t>{})};
    }
    return CreateEmptyFile(path);
}

TableFileStatus PutBackEmptiedTable(const std::string& path)
{
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec)) return TableFileStatus::Missing;
    if (!IsEmptyFile(path)) return TableFileStatus::Ok;
    if (path != lastEmptied.path || lastEmptied.content.empty()) return TableFileStatus::Empty;
    return SaveFileSafely(path, lastEmptied.content) ? TableFileStatus::Ok : TableFileStatus::WriteFailed;
}

std::string DescribeTableFileStatus(TableFileStatus status, const std::string& path, int keyLength)
{
    switch (status) {
    case TableFileStatus::Ok:
        return "";
    case TableFileStatus::Missing:
        return "The table file " + path + " does not exist or cannot be read.";
    case TableFileStatus::Empty:
        return "The table file " + path + " is empty: no table has been written to it yet.";
    case TableFileStatus::Short:
        return "The table file " + path + " is shorter than its record count needs (" +
               std::to_string(keyLength) + " key bytes per record); it was not read.";
    case TableFileStatus::Malformed:
        return "The table file " + path + " is not a table of " + std::to_string(keyLength) +
               " key cells (a negative record count or key cells outside 0..5); it was not read.";
    case TableFileStatus::OverCapacity:
        return "The table file " + path + " holds more than " + std::to_string(kTableCapacity) +
               " records; it was not read.";
    case TableFileStatus::BadKeyLength:
        return "A table of " + std::to_string(keyLength) +
               " points cannot be read or written: the key length must be 1 to " +
               std::to_string(kTableKeyBytes) + ".";
    case TableFileStatus::WriteFailed:
        return "The table file " + path + " could not be written (is the disk full?); it keeps its previous content.";
    }
    return "";
}
