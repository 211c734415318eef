#include "tables1d/FixedTableFiles.h"

#include "base/BinaryFile.h"
#include "base/TableRecords.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <utility>

TableFileStatus ReadFixedTableFile(const FixedTableFile& file, TableFileContent& out)
{
    return ReadRecordFile(file.path, RecordLayout{file.keyBytes, file.withCounts, false}, out);
}

void LoadFixedTableContent(const FixedTableFile& file, const TableFileContent& content)
{
    const size_t keyBytes = size_t(file.keyBytes);
    const int32_t count = std::clamp(content.recordCount, 0, kTableCapacity);
    for (int32_t i = 0; i < count; ++i) {
        std::memcpy(ttKeys[i], &content.keys[size_t(i) * keyBytes], keyBytes);
        ttValues[i] = content.values[size_t(i)];
        if (file.withCounts) ttHitCount[i] = content.counts[size_t(i)];
    }
    ttRecordCount = count;
}

TableFileStatus WriteFixedTableFile(const FixedTableFile& file, const uint8_t (*keys)[kTableKeyBytes],
                                    int32_t recordCount)
{
    const int32_t count = std::clamp(recordCount, 0, kTableCapacity);
    ByteWriter writer;
    writer.putInt32(count);
    for (int32_t i = 0; i < count; ++i) {
        writer.putBytes(keys[i], size_t(file.keyBytes));
        writer.putInt32(ttValues[i]);
        if (file.withCounts) writer.putInt32(ttHitCount[i]);
    }
    // Over the start of an existing file, so that a shorter table leaves the
    // longer one's tail, or as a new file.
    return SaveOverFileStart(file.path, writer.bytes()) ? TableFileStatus::Ok : TableFileStatus::WriteFailed;
}
