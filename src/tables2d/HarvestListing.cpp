#include "tables2d/HarvestListing.h"

#include "base/TableRecords.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/TableBlocks.h"
#include "tables1d/TableGenerator.h"

#include <algorithm>
#include <vector>

bool IsNormalisedKeyUsed(int pointCount, int32_t index)
{
    const KeyTable table = KeyTableOf(pointCount);
    return table.used && index >= 0 && index < table.size && table.used[index] != 0;
}

uint8_t* NormalisedKeyValue(int pointCount, int32_t index)
{
    const KeyTable table = KeyTableOf(pointCount);
    if (!table.value || index < 0 || index >= table.size) return nullptr;
    return table.value + index;
}

bool BuildHarvestedList(int32_t keyCount, int pointCount)
{
    if (!GroupMultiplicationFits(keyCount)) return false;
    TakeListedKeys(keyCount, pointCount);
    harvestClassCount[0] = keyCount;
    if (!MultiplyListByGroup(pointCount)) return false;
    const int32_t records = ttRecordCount;
    std::fill_n(ttHitCount, records, 0);
    std::fill(ttValues + keyCount, ttValues + records, 0);
    return true;
}
