#include "tables2d/TableFile2d.h"

#include "base/BinaryFile.h"
#include "base/NumberEntry.h"

#include <algorithm>

namespace {

// Where the name after the last "/" starts.
size_t NameStart(std::string_view path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? 0 : slash + 1;
}

// count characters from position pos; what lies past the end is empty.
std::string_view Slice(std::string_view text, size_t pos, size_t count)
{
    return pos < text.size() ? text.substr(pos, count) : std::string_view{};
}

int32_t Coordinate(std::string_view base, size_t pos)
{
    if (Slice(base, pos, 1) == "+") return NumberFromText(Slice(base, pos + 1, 1));
    return NumberFromText(Slice(base, pos, 2));
}

} // namespace

std::optional<int> Table2dPathPointCount(std::string_view path)
{
    const std::string_view digit = Slice(path, NameStart(path) + 1, 1);
    if (digit.empty() || digit[0] < '4' || digit[0] > '8') return std::nullopt;
    return digit[0] - '4' + 5;
}

std::string Table2dBaseName(std::string_view path)
{
    const std::string_view name = path.substr(NameStart(path));
    if (name.size() <= 1 + 4) return "";
    return std::string(name.substr(1, name.size() - 1 - 4));
}

Table2dName ParseTable2dBaseName(std::string_view base)
{
    Table2dName name;
    const std::string_view first = Slice(base, 0, 1);
    name.pointCount = (first.empty() || first[0] < '0' || first[0] > '9' ? 0 : first[0] - '0') + 1;
    const int extra = std::clamp(name.pointCount - 5, 0, 4);
    for (int m = 0; m < extra; ++m) {
        name.extraPoints[m].x = Coordinate(base, size_t(2 + 5 * m));
        name.extraPoints[m].y = Coordinate(base, size_t(4 + 5 * m));
    }
    return name;
}

TableFileStatus WriteTable2dFile(const std::string& path, int keyLength)
{
    const TableFileStatus status = WriteListToTableFile(path, keyLength);
    if (status != TableFileStatus::Missing || path.empty()) return status;
    if (!CreateEmptyFile(path)) return TableFileStatus::WriteFailed;
    return WriteListToTableFile(path, keyLength);
}
