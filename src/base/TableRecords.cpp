#include "base/TableRecords.h"

#include "base/NumericHelpers.h"

#include <cstdint>

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
    return SaturateToInt32(int64_t(a) + int64_t(b));
}
