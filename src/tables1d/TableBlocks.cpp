#include "tables1d/TableBlocks.h"

#include "base/GroupAlgebra.h"
#include "base/TableRecords.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

int ClampKeyLength(int keyLength) { return std::clamp(keyLength, 0, kTableKeyBytes); }

// Row b of the substitutions: value v of a cell of block b becomes kSubstitution[b][v].
constexpr uint8_t kSubstitution[6][6] = {
    {0, 2, 1, 5, 4, 3},   // block 0
    {2, 1, 0, 4, 3, 5},   // block 1
    {1, 0, 2, 3, 5, 4},   // block 2
    {1, 0, 2, 3, 5, 4},   // block 3
    {0, 2, 1, 5, 4, 3},   // block 4
    {2, 1, 0, 4, 3, 5},   // block 5
};

} // namespace

bool GroupMultiplicationFits(int32_t recordCount)
{
    return recordCount >= 0 && int64_t(recordCount) * 6 <= kTableCapacity;
}

bool MultiplyListByGroup(int keyLength)
{
    const int length = ClampKeyLength(keyLength);
    const int32_t count = ttRecordCount;
    if (!GroupMultiplicationFits(count)) return false;

    // The products of every byte a key cell can hold, looked up: a generator
    // multiplies thousands of records at every pass. Block 0 (the identity
    // times each key) is the list itself, and blocks 1..5 lie past it.
    static const auto products = [] {
        std::array<std::array<uint8_t, 256>, 6> t{};
        for (uint32_t g = 0; g < 6; ++g)
            for (uint32_t b = 0; b < 256; ++b) t[g][b] = uint8_t(GroupProduct(g, b));
        return t;
    }();
    ttRecordCount = count * 6;
    for (int g = 1; g < 6; ++g) {
        const std::array<uint8_t, 256>& product = products[size_t(g)];
        for (int32_t i = 0; i < count; ++i) {
            const uint8_t* key = ttKeys[i];
            uint8_t* image = ttKeys[g * count + i];
            for (int j = 0; j < length; ++j) image[j] = product[key[j]];
        }
    }
    return true;
}

uint8_t PermuteCell(int block, uint8_t cell)
{
    if (block < 0 || block > 5 || cell > 5) return cell;
    return kSubstitution[block][cell];
}

void BuildPermutedCopy(int keyLength)
{
    const int length = ClampKeyLength(keyLength);
    const int32_t blockSize = BlockSize(ListedRecordCount());
    for (int b = 0; b < 6; ++b)
        for (int32_t r = 0; r < blockSize; ++r) {
            const int32_t row = b * blockSize + r;
            for (int p = 0; p < length; ++p) ttKeysPermuted[row][p] = PermuteCell(b, ttKeys[row][p]);
        }
}
