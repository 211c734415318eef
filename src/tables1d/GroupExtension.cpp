#include "tables1d/GroupExtension.h"

#include "base/GroupAlgebra.h"
#include "base/TableRecords.h"
#include "tables1d/RecordKeyIndex.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

void Extend(int keyLength)
{
    const int n = keyLength;
    const int32_t count = ListedRecordCount();
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
}

void ExtendByScan(int keyLength)
{
    const int n = keyLength;
    const int32_t count = ListedRecordCount();
    const std::vector<int32_t> saved(ttHitCount, ttHitCount + count);

    for (int16_t g = 1; g <= 5; ++g)
        for (int32_t i = 0; i < count; ++i) {
            const uint8_t* k = ttKeys[i];
            switch (n) {
            case 5: LeftDivideKey5(g, k[0], k[1], k[2], k[3], k[4]); break;
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
}

// Runs extend when the key length lies within lowest..9.
bool ExtendWithin(int keyLength, int lowest, void (*extend)(int))
{
    if (keyLength < lowest || keyLength > 9) return false;
    extend(keyLength);
    return true;
}

} // namespace

bool ExtendHitCounts(int pointCount) { return ExtendWithin(pointCount, 6, Extend); }
bool ExtendHitCountsByScan(int pointCount) { return ExtendWithin(pointCount, 6, ExtendByScan); }
bool ExtendHitCounts2d(int keyLength) { return ExtendWithin(keyLength, 5, Extend); }
bool ExtendHitCounts2dByScan(int keyLength) { return ExtendWithin(keyLength, 5, ExtendByScan); }
