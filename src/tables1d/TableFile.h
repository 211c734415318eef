#pragma once
// One-dimensional table files: int32 N, then N records of K key bytes, int32
// value and int32 count, little-endian; K is the table's point count (1..10),
// which the file name "R<n-1>_<mm><kk>.dat" encodes with the two mask numbers.
// A file is read whole and checked before anything in memory changes; a write
// goes over the start of an existing file only (bytes after the last record stay).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The current one-dimensional table path; empty until a table is picked or opened.
extern std::string ttFileName1d;

struct TableFileName {
    int32_t pointCount = 0;   // n
    int32_t leftBits = 0;     // m
    int32_t rightBits = 0;    // k
};

// "R" + (n-1) + "_" + m and k as two digits each (more when larger) + ".dat".
std::string TableFileBaseName(int32_t pointCount, int32_t leftBits, int32_t rightBits);

// The mask a table file's name encodes: base name "R", one digit, "_", two
// digits, two digits, ".dat" (extension in any case). nullopt for any other name.
std::optional<TableFileName> ParseTableFileName(std::string_view path);

// Point count of the mask with these bit masks: set bits of both plus the centre.
int32_t MaskPointCount(int32_t leftBits, int32_t rightBits);

enum class TableFileStatus {
    Ok,
    Missing,        // no such file, or not readable
    Empty,          // 0 bytes: created for a table that was never written
    Short,          // fewer bytes than its record count needs
    Malformed,      // negative count or key cells outside 0..5
    OverCapacity,   // more records than the list holds
    BadKeyLength,   // key length outside 1..10
    WriteFailed,
};

// Records as read from a file, before they replace the list.
struct TableFileContent {
    int32_t recordCount = 0;
    std::vector<uint8_t> keys;     // recordCount rows of keyLength bytes
    std::vector<int32_t> values;
    std::vector<int32_t> counts;
};

TableFileStatus ReadTableFile(const std::string& path, int keyLength, TableFileContent& out);

// The records of one file: key bytes per record (1..10), whether a count
// follows each value, and whether key cells outside 0..5 make it Malformed.
struct RecordLayout {
    int keyBytes = 0;
    bool withCounts = true;
    bool groupCellsOnly = true;
};

// Any file of an int32 N and N records of this layout, read whole and checked
// (ReadTableFile is the layout of the current table files). Counts are 0 when
// the layout has none; on any failure out is untouched.
TableFileStatus ReadRecordFile(const std::string& path, const RecordLayout& layout, TableFileContent& out);

// Replaces the list by content: N, the first keyLength bytes of each key row
// (the rest of a row keeps its bytes), values and counts.
void LoadTableContent(const TableFileContent& content, int keyLength);

// ReadTableFile then LoadTableContent; on any failure the list is untouched.
TableFileStatus ReadTableFileIntoList(const std::string& path, int keyLength);

// Writes the list (N records of keyLength key bytes) over the start of the
// existing file at path; Missing when there is none (it is never created).
TableFileStatus WriteListToTableFile(const std::string& path, int keyLength);

// A generator's start empties the table file its passes write. What the file
// held is kept, so that a chain stopped before it has written a table of its
// own (its first listing is over capacity) can give the file its last table
// back. Empties (creates) the file at path, keeping its content; a file the
// last such start left empty, never written since, still owes what that start
// kept. False when the file cannot be created.
bool EmptyTableFileKeepingItsTable(const std::string& path);

// Puts back what the last start kept when path is its file and nothing has
// been written there since (the file is still empty). Ok when the file holds
// content now, Empty when it stays empty, Missing without a file, WriteFailed
// when the put-back failed (the file then stays empty).
TableFileStatus PutBackEmptiedTable(const std::string& path);

// A sentence for the user saying what went wrong with path.
std::string DescribeTableFileStatus(TableFileStatus status, const std::string& path, int keyLength);
