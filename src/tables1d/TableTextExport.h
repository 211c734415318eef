#pragma once
// Text export of a table ("Save to XLS"): one line per record of block 0,
// "%5d" index, three blanks, a word per key cell (" -x " .. " +z ", nothing
// for a cell above 5), the sign word of the centre cell (" +1 " for 3 or more,
// else " -1 "), the count as "%9d", and "\r\n".
#include <cstdint>
#include <string>

// The table path with its last three characters replaced by "txt" (a path
// shorter than three characters gets "txt" in its place).
std::string TextExportPath(const std::string& tablePath);

// The export text of the first N/6 records of the list.
std::string TableExportText(int keyLength, int centreIndex);

// Creates or replaces the file at path with that text (missing folders are
// created). False when it cannot be written.
bool WriteTableExport(const std::string& path, int keyLength, int centreIndex);
