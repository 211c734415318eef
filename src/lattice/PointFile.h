#pragma once
// The files of the square view window: the point file "8r50/8r.dat" (text
// records of 17 numbers: one not used, then x0 y0 .. x7 y7 of eight B points),
// the Qhist record file "8r50/L4.dat" (records of 4 numbers: T, f3, f6, NB)
// and the random point lists "8r50/8r50.dat" it writes.

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

inline constexpr const char* kPointFilePath = "8r50/8r.dat";
inline constexpr const char* kQhistRecordPath = "8r50/L4.dat";
inline constexpr const char* kRandomPointListPath = "8r50/8r50.dat";

constexpr int kPointsPerRecord = 8;
constexpr int kNumbersPerPointRecord = 1 + 2 * kPointsPerRecord;
constexpr int kQhistRecords = 50;
constexpr int kQhistBins = 8;

extern int32_t pointRecordIndex;   // the record the restart reads (0)

enum class FileOutcome { Read, Missing, Short, Malformed };

struct PointRecord {
    std::array<int16_t, kPointsPerRecord> x{}, y{};   // column, row
};

// Record `index` of the point file: the 17 numbers of each earlier record are
// skipped (a negative index reads record 0). out is written only when the
// whole record was read; Short when the file ends first, Malformed when an
// item is not a number. Coordinates beyond int16 are cut to its range (the
// placing services skip every point outside the square).
FileOutcome ReadPointRecord(const std::filesystem::path& path, int32_t index, PointRecord& out);

// Bin of a Qhist value T: the bounds 31, 100, 310, 1000, 3100, 10000, 30998
// part 0..7; T < 31 is bin 0, T >= 30998 bin 7.
int QhistBin(int32_t t);

struct QhistHistogram {
    std::array<int32_t, kQhistBins> counts{};
    int records = 0;   // whole records counted, at most kQhistRecords
    FileOutcome outcome = FileOutcome::Missing;
};

// The first kQhistRecords records of the Qhist file counted by their T.
// Short: fewer records (an empty file too); Malformed: an item that is not a
// number ends the count, the whole records before it are counted.
QhistHistogram ReadQhistHistogram(const std::filesystem::path& path);

// lines lines of 16 numbers, each Rand() % 51 followed by two blanks, and a
// line feed after each line.
std::vector<uint8_t> RandomPointLines(int lines);
