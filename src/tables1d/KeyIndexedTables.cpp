#include "tables1d/KeyIndexedTables.h"

#include <algorithm>
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

} // namespace

int32_t KeyTableIndex(const uint8_t* key, int length)
{
    int32_t index = 0;
    for (int j = 0; j < length; ++j) index = index * 6 + key[j];
    return index;
}

void ClearSmallKeyTables()
{
    Empty(tt6Used, tt6Value);
    Empty(tt7Used, tt7Value);
    Empty(tt5Used, tt5Value);
    Empty(tt3Used, tt3Value);
    Empty(tt4Used, tt4Value);
}

void ClearEightAndNineCellFlags()
{
    std::fill(std::begin(tt8Used), std::end(tt8Used), uint8_t(0));
    std::fill(std::begin(tt9Used), std::end(tt9Used), uint8_t(0));
}

void ClearTwoDimKeyTables(bool clear8, bool clear9)
{
    Empty(tt6Used, tt6Value);
    Empty(tt5Used, tt5Value);
    Empty(tt7Used, tt7Value);
    if (clear8) std::fill(std::begin(tt8Used), std::end(tt8Used), uint8_t(0));
    if (clear9) std::fill(std::begin(tt9Used), std::end(tt9Used), uint8_t(0));
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
