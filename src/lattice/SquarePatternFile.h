#pragma once
// Square pattern files: the whole 131 x 131 storage of the square, row after
// row (cell (r, c) at byte 131 r + c), 17161 bytes of 0, 1 or 2, no header.
// A file is read or written whole; a missing, short or malformed file
// changes no cell. Also the point-list rebuilds and the random flips that the
// pattern loaders share, and the names of the stored patterns.

#include <cstdint>
#include <string>

#include "base/Square.h"

constexpr int kSquarePatternFileSize = kSquareCellCount;   // 17161
constexpr int kPatternNameLength = 21;

extern int32_t presetFileChoice;   // which numbered 70 x 70 preset "70_1" opens (0..4)
extern std::string patternName;    // names "obr/" + patternName + ".dat" ("e0")
extern int32_t randomFlipCount;    // flips of the loaders with random flips (8)
extern uint8_t paradoxMarker;      // first byte of "CA/caPAR.dat"

enum class PatternFileStatus {
    Ok,
    Missing,     // no such file (or it cannot be read)
    Short,       // fewer than 17161 bytes
    Malformed,   // more than 17161 bytes, or a byte other than 0, 1, 2
    WriteFailed,
};

// Reads the file into squareCells, only when it is a whole pattern file.
PatternFileStatus ReadSquarePatternFile(const std::string& path);
// Writes the whole storage of the square (never leaving a half-written file).
PatternFileStatus WriteSquarePatternFile(const std::string& path);
// A status-bar text for a failed read or write; empty for Ok.
std::string PatternFileMessage(PatternFileStatus status, const std::string& path);

// The numbered preset of a choice: 0 "CA/ca70.dat", 1 "CA/ca70_2.dat",
// 2 "CA/ca70_5.dat", 3 "CA/ca70_4.dat", 4 "CA/ca70_3.dat"; nullptr outside 0..4.
const char* PresetFilePath(int32_t choice);
// "obr/" + patternName + ".dat"
std::string NamedPatternPath();
// name := the text cut to 21 characters. False, and name unchanged, when the
// name would reach outside the folder "obr" (a "/", a backslash or "..").
bool MakePatternName(const std::string& text, std::string& name);

// Both point lists from the used square, row by row: cells 0 to the C list,
// cells 1 to the B list, each list stopping at its 4900 entries.
void RebuildPointLists();
// The C list alone, the same way; the B list stays.
void RebuildCPointList();

// count times: row = Rand() mod 70, then column = Rand() mod 70; a cell 1
// becomes 2 and a cell 2 becomes 1, other cells stay. A count below 1 draws
// nothing.
void FlipRandomCells(int32_t count);
