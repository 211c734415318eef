#pragma once
// Files of the change statistics: the four span-1 counters, each its 4900
// int32 values little-endian row after row (19600 bytes, no header), and the
// river file, all 2000 river frames one after another (9,800,000 bytes).
//
// A file is taken only when it has exactly its size: a missing, short or
// longer file leaves its table as it was. Writers save through
// SaveFileSafely, so a failed save leaves the old file whole.

#include <array>
#include <cstdint>
#include <string>

#include "lattice/ChangeStatistics.h"

constexpr int kCounterFileCount = 4;
constexpr std::size_t kCounterFileSize = sizeof(StatCountMap);   // 19600
constexpr std::size_t kRiverFileSize = 2000u * kStatSide * kStatSide;
inline constexpr const char* kRiverFilePath = "aT1d/aRIVE.dat";

struct CounterFile {
    const char* path;
    StatCountMap* table;
};
// In the order they are written and read: aBLx0 (vanishCountX1), aBLy0
// (vanishCountY1), aLIx0 (appearCountX1), aLIy0 (appearCountY1).
const std::array<CounterFile, kCounterFileCount>& SavedCounterFiles();

enum class CounterFileStatus { Ok, Missing, WrongSize, NotWritten };

CounterFileStatus WriteCounterTable(const std::string& path, const StatCountMap& table);
CounterFileStatus ReadCounterTable(const std::string& path, StatCountMap& table);
// v := -v for every value; INT32_MIN, which has no negative, becomes INT32_MAX.
void NegateCounterTable(StatCountMap& table);

// The twelve vanish and appear counters of all spans := 0 (the net maps,
// histories and cellStatMap stay).
void ClearChangeCounters();

CounterFileStatus WriteRiverFile(const std::string& path);
CounterFileStatus ReadRiverFile(const std::string& path);
// Cells of rows below rows and columns below columns (each cut to 0..70) of
// all 2000 river frames := 0.
void ClearRiverFrames(int32_t rows, int32_t columns);

// "path missing", "path is not N bytes long", "path could not be written".
std::string CounterFileMessage(CounterFileStatus status, const std::string& path, std::size_t expectedSize);
