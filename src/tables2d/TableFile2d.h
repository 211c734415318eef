#pragma once
// Two-dimensional table files. Their layout is the one of TableFile.h (int32
// N, then N records of k key bytes, int32 value, int32 count) with k the point
// count of the mask, 5..9, which the file name gives: "T" followed by k - 1,
// then "_" and the extra points ("T4.dat", "T5_-1+1.dat", ...).
#include "mask2d/Mask2dTables.h"
#include "tables1d/TableFile.h"

#include <optional>
#include <string>
#include <string_view>

// The five-point harvest and the writer keep five-point tables here, relative
// to the current directory.
inline constexpr const char* kFivePointTableFile = "RR4.dat";

// The folder of the table files below the program's directory.
inline constexpr const char* kTable2dFolder = "RT2";

// The point count a table path names: the character two places after the
// last "/" (the digit after "T"), "4".."8" giving 5..9; nullopt otherwise.
std::optional<int> Table2dPathPointCount(std::string_view path);

// The name's part that encodes the mask: from the second character after the
// last "/" up to, not including, the last four characters
// (".../T8_-1+1_+1-1_+0+2_-2+0.dat" -> "8_-1+1_+1-1_+0+2_-2+0").
std::string Table2dBaseName(std::string_view path);

// What a base name says, read at fixed positions: the point count is the
// number value of character 0 plus one (a non-digit counts 0); extra point
// 5 + m has its x at 2 + 5m and its y at 4 + 5m, each "+" and the one
// character after it, or else the number value of two characters ("-1",
// "10"); positions past the end read as empty, giving 0.
struct Table2dName {
    int32_t pointCount = 0;
    Mask2dPoint extraPoints[4] = {};   // points 5..8; only the first pointCount - 5 are read
};
Table2dName ParseTable2dBaseName(std::string_view base);

// Writes the list (N records of keyLength key bytes) over the start of the
// file at path, or into a new file when there is none (missing folders are
// created); bytes of an older, longer file after the last record stay.
TableFileStatus WriteTable2dFile(const std::string& path, int keyLength);
