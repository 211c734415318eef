#include "tables2d/HarvestListing.h"

#include "base/TableRecords.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/TableBlocks.h"
#include "tables1d/TableGenerator.h"

#include <algorithm>
#include <vector>

namespace {

// The keys whose flags a harvest set, per point count.
struct KeyList {
    std::vector<int32_t> keys;
    bool trusted = false;   // holds every set flag of its table (after a full scan)
    bool sorted = true;
};

KeyList keyLists[kHarvestMaxPoints + 1];

KeyList* ListOf(int pointCount)
{
    return pointCount >= kHarvestMinPoints && pointCount <= kHarvestMaxPoints ? &keyLists[pointCount] : nullptr;
}

// The list still agrees with the flags it holds: no clear since it was built.
bool StillSet(KeyList& list, const KeyTable& table)
{
    if (!list.sorted) {
        std::sort(list.keys.begin(), list.keys.end());
        // A key cleared by another command and set again is in the list twice.
        list.keys.erase(std::unique(list.keys.begin(), list.keys.end()), list.keys.end());
        list.sorted = true;
    }
    return std::all_of(list.keys.begin(), list.keys.end(), [&](int32_t k) { return table.used[k] != 0; });
}

} // namespace

void MarkNormalisedKey(int pointCount, int32_t index)
{
    const KeyTable table = KeyTableOf(pointCount);
    if (!table.used || index < 0 || index >= table.size || table.used[index]) return;
    table.used[index] = 1;
    KeyList& list = *ListOf(pointCount);
    if (!list.trusted) return;
    if (!list.keys.empty() && index < list.keys.back()) list.sorted = false;
    list.keys.push_back(index);
}

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

std::optional<int32_t> ListNormalisedKeys(int pointCount, int32_t maxKeys)
{
    const KeyTable table = KeyTableOf(pointCount);
    if (!table.used) return 0;
    maxKeys = std::clamp<int32_t>(maxKeys, 0, kTableCapacity);
    KeyList& list = *ListOf(pointCount);
    if (!list.trusted || !StillSet(list, table)) {
        // A scan of every flag lists the keys; the list is rebuilt from it.
        list = {};
        const std::optional<int32_t> listed = ListLearnedKeys(pointCount, maxKeys);
        if (!listed) return std::nullopt;
        for (int32_t row = 0; row < *listed; ++row) list.keys.push_back(KeyTableIndex(rt1Keys[row], pointCount));
        list.trusted = true;
        return listed;
    }
    if (int32_t(list.keys.size()) > maxKeys) return std::nullopt;

    int32_t row = 0;
    for (const int32_t index : list.keys) {
        int32_t rest = index;
        for (int j = pointCount - 1; j >= 0; --j) {
            rt1Keys[row][j] = uint8_t(rest % 6);
            rest /= 6;
        }
        ttValues[row] = table.value ? int32_t(int8_t(table.value[index])) : 0;
        ++row;
    }
    return row;
}

void ForgetNormalisedKeys()
{
    for (KeyList& list : keyLists) {
        list.keys.clear();
        list.trusted = false;
        list.sorted = true;
    }
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
