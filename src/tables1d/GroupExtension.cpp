#include "tables1d/GroupExtension.h"

#include "engine/GroupAlgebra.h"
#include "tables1d/RecordKeyIndex.h"
#include "tables1d/TableRecords.h"

#include <cstring>
#include <vector>

namespace {

bool ExtensionRuns(int pointCount) { return pointCount >= 6 && pointCount <= 9; }

} // namespace

bool ExtendHitCounts(int pointCount)
{
    if (!ExtensionRuns(pointCount)) return false;
    const int n = pointCount;
    const int32_t count = ttRecordCount;
    const std::vector<int32_t> saved(ttHitCount, ttHitCount + count);

    int points[kTableKeyBytes];
    for (int p = 0; p < n; ++p) points[p] = p;
    RecordKeyIndex index;
    index.build(ttKeys, count, points, n);

    // GroupLeftDivide for every cell value a key byte can hold.
    uint8_t divide[6][256];
    for (int g = 1; g <= 5; ++g)
        for (int c = 0; c < 256; ++c) divide[g][c] = uint8_t(GroupLeftDivide(g, c));

    uint8_t quotient[kTableKeyBytes] = {};
    for (int g = 1; g <= 5; ++g)
        for (int32_t i = 0; i < count; ++i) {
            for (int p = 0; p < n; ++p) quotient[p] = divide[g][ttKeys[i][p]];
            const int32_t j = index.first(quotient);
            if (j >= 0) ttHitCount[i] = SaturatingAdd(saved[i], ttHitCount[j]);
        }
    if (count > 0) std::memcpy(quotientKey, quotient, size_t(n));
    return true;
}

bool ExtendHitCountsByScan(int pointCount)
{
    if (!ExtensionRuns(pointCount)) return false;
    const int n = pointCount;
    const int32_t count = ttRecordCount;
    const std::vector<int32_t> saved(ttHitCount, ttHitCount + count);

    for (int16_t g = 1; g <= 5; ++g)
        for (int32_t i = 0; i < count; ++i) {
            const uint8_t* k = ttKeys[i];
            switch (n) {
            case 6: LeftDivideKey6(g, k[0], k[1], k[2], k[3], k[4], k[5]); break;
            case 7: LeftDivideKey7(g, k[0], k[1], k[2], k[3], k[4], k[5], k[6]); break;
            case 8: LeftDivideKey8(g, k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7]); break;
            default: LeftDivideKey9(g, k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7], k[8]); break;
            }
            for (int32_t j = 0; j < count; ++j)
                if (std::memcmp(ttKeys[j], quotientKey, size_t(n)) == 0) {
                    ttHitCount[i] = SaturatingAdd(saved[i], ttHitCount[j]);
                    break;
                }
        }
    return true;
}
