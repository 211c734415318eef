#include "tables1d/TableTextExport.h"

#include "base/BinaryFile.h"
#include "base/TableRecords.h"

#include <algorithm>
#include <cstdio>

std::string TextExportPath(const std::string& tablePath)
{
    const size_t keep = tablePath.size() >= 3 ? tablePath.size() - 3 : 0;
    return tablePath.substr(0, keep) + "txt";
}

std::string TableExportText(int keyLength, int centreIndex)
{
    static const char* const kWords[6] = {" -x ", " -y ", " -z ", " +x ", " +y ", " +z "};
    const int length = std::clamp(keyLength, 0, kTableKeyBytes);
    const int32_t rows = BlockSize(ListedRecordCount());
    std::string text;
    char number[16];
    for (int32_t i = 0; i < rows; ++i) {
        std::snprintf(number, sizeof number, "%5d", i);
        text += number;
        text += "   ";
        for (int j = 0; j < length; ++j)
            if (ttKeys[i][j] <= 5) text += kWords[ttKeys[i][j]];
        const bool plus = centreIndex >= 0 && centreIndex < kTableKeyBytes && ttKeys[i][centreIndex] >= 3;
        text += plus ? " +1 " : " -1 ";
        std::snprintf(number, sizeof number, "%9d", ttHitCount[i]);
        text += number;
        text += "\r\n";
    }
    return text;
}

bool WriteTableExport(const std::string& path, int keyLength, int centreIndex)
{
    const std::string text = TableExportText(keyLength, centreIndex);
    return WriteWholeFile(path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()),
                                                         text.size()));
}
