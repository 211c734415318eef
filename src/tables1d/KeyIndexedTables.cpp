#include "tables1d/KeyIndexedTables.h"

#include <algorithm>
#include <cstring>
#include <iterator>

uint8_t tt3Used[6 * kKeys3] = {};
uint8_t tt3Value[6 * kKeys3] = {};
uint8_t tt4Used[6 * kKeys4] = {};
uint8_t tt4Value[6 * kKeys4] = {};
uint8_t tt5Used[6 * kKeys5] = {};
uint8_t tt5Value[6 * kKeys5] = {};
uint8_t tt6Used[kKeys6] = {};
uint8_t tt6Value[kKeys6] = {};
uint8_t tt7Used[kKeys7] = {};
uint8_t tt7Value[kKeys7] = {};
uint8_t tt8Used[kKeys8] = {};
uint8_t tt9Used[kKeys9] = {};

namespace {

template <size_t F, size_t V>
void Empty(uint8_t (&flags)[F], uint8_t (&values)[V])
{
    std::fill(std::begin(flags), std::end(flags), uint8_t(0));
    std::fill(std::begin(values), std::end(values), kEmptyKeyValue);
}

// The set keys of one table: keys[0 .. sorted) in increasing order, then the
// keys marked since, in the order they were marked.
struct UsedKeyList {
    std::vector<int32_t> keys;
    size_t sorted = 0;
    bool trusted = true;   // every set flag is in keys (all tables start empty)
};

UsedKeyList usedKeyLists[10];   // by point count, 5..9

void EmptyList(int pointCount)
{
    usedKeyLists[pointCount] = UsedKeyList{};
}

// Every set flag of the table, in increasing order.
std::vector<int32_t> ScanUsedKeys(const KeyTable& table)
{
    std::vector<int32_t> keys;
    int32_t index = 0;
    while (index < table.size) {
        // Most of a large table is empty: step over eight clear flags at once.
        if (index + 8 <= table.size) {
            uint64_t word;
            std::memcpy(&word, table.used + index, sizeof word);
            if (word == 0) {
                index += 8;
                continue;
            }
        }
        if (table.used[index]) keys.push_back(index);
        ++index;
    }
    return keys;
}

} // namespace

int32_t KeyTableIndex(const uint8_t* key, int length)
{
    int32_t index = 0;
    for (int j = 0; j < length; ++j) index = index * 6 + key[j];
    return index;
}

void MarkKeyUsed(int pointCount, int32_t index)
{
    const KeyTable table = KeyTableOf(pointCount);
    if (!table.used || index < 0 || index >= table.size || table.used[index]) return;
    table.used[index] = 1;
    UsedKeyList& list = usedKeyLists[pointCount];
    if (list.trusted) list.keys.push_back(index);
}

const std::vector<int32_t>& UsedKeys(int pointCount)
{
    static const std::vector<int32_t> none;
    const KeyTable table = KeyTableOf(pointCount);
    if (!table.used) return none;
    UsedKeyList& list = usedKeyLists[pointCount];
    if (list.sorted < list.keys.size()) {
        // Only the keys marked since the last listing need sorting.
        const auto middle = list.keys.begin() + ptrdiff_t(list.sorted);
        std::sort(middle, list.keys.end());
        std::inplace_merge(list.keys.begin(), middle, list.keys.end());
        // A key cleared directly and marked again is in the list twice.
        list.keys.erase(std::unique(list.keys.begin(), list.keys.end()), list.keys.end());
        list.sorted = list.keys.size();
    }
    const bool stillSet =
        std::all_of(list.keys.begin(), list.keys.end(), [&](int32_t k) { return table.used[k] != 0; });
    if (!list.trusted || !stillSet) {
        list.keys = ScanUsedKeys(table);
        list.sorted = list.keys.size();
        list.trusted = true;
    }
    return list.keys;
}

void ForgetUsedKeys()
{
    for (UsedKeyList& list : usedKeyLists) {
        list.keys.clear();
        list.sorted = 0;
        list.trusted = false;
    }
}

void ClearSmallKeyTables()
{
    Empty(tt6Used, tt6Value);
    Empty(tt7Used, tt7Value);
    Empty(tt5Used, tt5Value);
    Empty(tt3Used, tt3Value);
    Empty(tt4Used, tt4Value);
    for (int n : {5, 6, 7}) EmptyList(n);
}

void ClearEightAndNineCellFlags()
{
    std::fill(std::begin(tt8Used), std::end(tt8Used), uint8_t(0));
    std::fill(std::begin(tt9Used), std::end(tt9Used), uint8_t(0));
    for (int n : {8, 9}) EmptyList(n);
}

void ClearTwoDimKeyTables(bool clear8, bool clear9)
{
    Empty(tt6Used, tt6Value);
    Empty(tt5Used, tt5Value);
    Empty(tt7Used, tt7Value);
    for (int n : {5, 6, 7}) EmptyList(n);
    if (clear8) {
        std::fill(std::begin(tt8Used), std::end(tt8Used), uint8_t(0));
        EmptyList(8);
    }
    if (clear9) {
        std::fill(std::begin(tt9Used), std::end(tt9Used), uint8_t(0));
        EmptyList(9);
    }
}

KeyTable KeyTableOf(int pointCount)
{
    switch (pointCount) {
    case 5: return {tt5Used, tt5Value, kKeys5};
    case 6: return {tt6Used, tt6Value, kKeys6};
    case 7: return {tt7Used, tt7Value, kKeys7};
    case 8: return {tt8Used, nullptr, kKeys8};
    case 9: return {tt9Used, nullptr, kKeys9};
    default: return {};
    }
}
