#include "tables1d/TableRecords.h"

#include <cstdint>
#include <limits>

int32_t ttRecordCount = 0;
uint8_t ttKeys[kTableCapacity][kTableKeyBytes] = {};
int32_t ttValues[kTableCapacity] = {};
int32_t ttHitCount[kTableCapacity] = {};
uint8_t ttKeysPermuted[kTableCapacity][kTableKeyBytes] = {};
int32_t ttPermutedValues[kTableCapacity] = {};
int32_t ttProbeKey[9] = {};
int32_t lastFoundIndex = 0;
uint8_t rt1Keys[kTableCapacity][kTableKeyBytes] = {};
int32_t harvestClassCount[6] = {};
int32_t symmetryClassSize[2216] = {};

int32_t SaturatingAdd(int32_t a, int32_t b)
{
    const int64_t sum = int64_t(a) + int64_t(b);
    if (sum > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (sum < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return int32_t(sum);
}
