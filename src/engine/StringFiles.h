#pragma once
// The five string files "CA/ca.dat", "CA/ca2.dat" .. "CA/ca5.dat" (relative
// to the current directory): a 32-bit little-endian length and the 27 cells
// of string A. A write keeps any bytes of an existing file past offset 31 and
// creates a missing folder and file. A read hands back the file's string only
// when the whole record is there and sound; otherwise it says why and the
// caller changes nothing it could not read.

#include <cstdint>
#include <string>

#include "engine/StringCells.h"

enum class StringFileStatus { Ok, Missing, Short, BadLength, BadCell, WriteFailed };

struct StringFileRecord {
  int32_t length = 0;
  uint8_t cells[kStringCells] = {};
};

// The file of number 1..5 ("CA/ca.dat" for 1, "CA/caN.dat" otherwise).
std::string StringFileName(int number);

// Writes the current stringLength and the 27 cells of string A.
StringFileStatus WriteStringFile(const std::string& path);

// Reads a record: Missing, Short (under 31 bytes), BadLength (outside 0..27),
// BadCell (a cell above 2) or Ok with the record filled.
StringFileStatus ReadStringFile(const std::string& path, StringFileRecord& record);

// A status-bar text for a failed read or write of path; empty for Ok.
std::string StringFileMessage(StringFileStatus status, const std::string& path);
