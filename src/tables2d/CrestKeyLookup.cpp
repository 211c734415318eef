#include "tables2d/CrestKeyLookup.h"

#include "base/TableRecords.h"

#include <algorithm>

int32_t crestKey[5] = {};

int32_t FindCrestKey(int32_t recordCount)
{
    const int32_t n = std::clamp(recordCount, 0, kTableCapacity);
    for (int32_t i = 0; i < n; ++i)
        if (std::equal(crestKey, crestKey + 5, ttKeysPermuted[i], [](int32_t typed, uint8_t cell) { return typed == int32_t(cell); }))
            return i;
    return n;
}
