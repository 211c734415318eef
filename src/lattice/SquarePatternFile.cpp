#include "lattice/SquarePatternFile.h"

#include <algorithm>
#include <cstring>

#include "base/BinaryFile.h"
#include "base/Random.h"
#include "base/BinaryFile.h"
#include "base/PointLists.h"

int32_t presetFileChoice = 0;
std::string patternName = "e0";
int32_t randomFlipCount = 8;
uint8_t paradoxMarker = 0;

namespace {

// More flips than this would only repeat the same 4900 cells; the bound keeps
// a count typed into an edit from freezing the window.
constexpr int32_t kMaxFlips = 1000000;

template <typename F>
void ForEachUsedCellRowMajor(F f)
{
    const int rows = UsedSquareRows();
    const int columns = UsedSquareColumns();
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            f(r, c, squareCells[SquareIndex(r, c)]);
}

void Append(int16_t* xs, int16_t* ys, int32_t& count, int row, int column)
{
    if (count < 0)
        count = 0;
    if (count >= kPointListCapacity)
        return;
    ys[count] = static_cast<int16_t>(row);
    xs[count] = static_cast<int16_t>(column);
    ++count;
}

} // namespace

PatternFileStatus ReadSquarePatternFile(const std::string& path)
{
    const auto bytes = ReadWholeFile(path);
    if (!bytes)
        return PatternFileStatus::Missing;
    if (bytes->size() < std::size_t(kSquarePatternFileSize))
        return PatternFileStatus::Short;
    if (bytes->size() > std::size_t(kSquarePatternFileSize) ||
        std::any_of(bytes->begin(), bytes->end(), [](uint8_t v) { return v > 2; }))
        return PatternFileStatus::Malformed;
    std::memcpy(squareCells, bytes->data(), kSquarePatternFileSize);
    return PatternFileStatus::Ok;
}

PatternFileStatus WriteSquarePatternFile(const std::string& path)
{
    return SaveFileSafely(path, std::span<const uint8_t>(squareCells, kSquarePatternFileSize))
               ? PatternFileStatus::Ok
               : PatternFileStatus::WriteFailed;
}

std::string PatternFileMessage(PatternFileStatus status, const std::string& path)
{
    switch (status) {
    case PatternFileStatus::Ok:
        return {};
    case PatternFileStatus::Missing:
        return "\"" + path + "\" not found: the square is unchanged";
    case PatternFileStatus::Short:
        return "\"" + path + "\" is shorter than a square pattern: the square is unchanged";
    case PatternFileStatus::Malformed:
        return "\"" + path + "\" is no square pattern: the square is unchanged";
    case PatternFileStatus::WriteFailed:
        return "\"" + path + "\" could not be written";
    }
    return {};
}

const char* PresetFilePath(int32_t choice)
{
    static const char* const kPresets[] = {"CA/ca70.dat", "CA/ca70_2.dat", "CA/ca70_5.dat", "CA/ca70_4.dat",
                                           "CA/ca70_3.dat"};
    if (choice < 0 || choice >= static_cast<int32_t>(std::size(kPresets)))
        return nullptr;
    return kPresets[choice];
}

std::string NamedPatternPath() { return "obr/" + patternName + ".dat"; }

bool MakePatternName(const std::string& text, std::string& name)
{
    const std::string cut = text.substr(0, kPatternNameLength);
    if (cut.find_first_of("/\\") != std::string::npos || cut.find("..") != std::string::npos)
        return false;
    name = cut;
    return true;
}

void RebuildPointLists()
{
    cPointCount = 0;
    bPointCount = 0;
    ForEachUsedCellRowMajor([](int r, int c, uint8_t v) {
        if (v == 0)
            Append(cPointX, cPointY, cPointCount, r, c);
        else if (v == 1)
            Append(bPointX, bPointY, bPointCount, r, c);
    });
}

void RebuildCPointList()
{
    cPointCount = 0;
    ForEachUsedCellRowMajor([](int r, int c, uint8_t v) {
        if (v == 0)
            Append(cPointX, cPointY, cPointCount, r, c);
    });
}

void FlipRandomCells(int32_t count)
{
    count = std::min(count, kMaxFlips);
    for (int32_t k = 0; k < count; ++k) {
        const int row = Rand() % 70;
        const int column = Rand() % 70;
        uint8_t& cell = squareCells[SquareIndex(row, column)];
        if (cell == 1)
            cell = 2;
        else if (cell == 2)
            cell = 1;
    }
}
