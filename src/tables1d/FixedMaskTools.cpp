#include "tables1d/FixedMaskTools.h"

#include "base/GroupAlgebra.h"
#include "base/IndexHelpers.h"
#include "base/TableRecords.h"
#include "runs/EventTables.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

void MultiplyBlocksInPlace(int keyLength)
{
    const int length = std::clamp(keyLength, 0, kTableKeyBytes);
    const int32_t block = BlockSize(ListedRecordCount());
    std::vector<uint8_t> base(size_t(block) * kTableKeyBytes);
    for (int32_t r = 0; r < block; ++r) std::memcpy(&base[size_t(r) * kTableKeyBytes], ttKeys[r], kTableKeyBytes);
    for (int g = 0; g < 6; ++g)
        for (int32_t r = 0; r < block; ++r)
            for (int j = 0; j < length; ++j)
                ttKeys[g * block + r][j] = uint8_t(GroupProduct(uint32_t(g), base[size_t(r) * kTableKeyBytes + j]));
}

int32_t GroupMirrorClasses()
{
    constexpr int kScanned = 9;
    struct Class {
        uint8_t key[3];
        int32_t value;
        int32_t size;
    };
    std::vector<Class> classes;
    bool taken[kScanned] = {};
    for (int i = 0; i < kScanned; ++i) {
        if (taken[i]) continue;
        taken[i] = true;
        const uint8_t* key = ttKeys[i];
        Class c{{key[0], key[1], key[2]}, ttValues[i], 1};
        for (int j = i + 1; j < kScanned; ++j) {
            if (ttKeys[j][0] == key[2] && ttKeys[j][1] == key[1] && ttKeys[j][2] == key[0]) {
                ++c.size;
                taken[j] = true;
            }
        }
        classes.push_back(c);
    }
    const int32_t count = int32_t(classes.size());
    for (int32_t s = 0; s < count; ++s) {
        std::copy(classes[s].key, classes[s].key + 3, ttKeys[s]);
        ttValues[s] = classes[s].value;
        symmetryClassSize[s] = classes[s].size;
    }
    ttRecordCount = count;
    return count;
}

std::array<int64_t, 27> ColumnSumsOfValues(const TableFileContent& table, int32_t viewRow)
{
    constexpr int kCells = 4;
    constexpr int32_t kScanned = 162;
    const int32_t rowLimit = std::min(viewRow, kEventRows);
    const int32_t records = std::clamp(std::min(table.recordCount, kScanned), 0, int32_t(table.values.size()));
    const int32_t columns = std::clamp(stringLength, 0, 27);

    std::array<int64_t, 27> sums{};
    for (int32_t t = 0; t < rowLimit; ++t) {
        for (int32_t c = 0; c < columns; ++c) {
            int32_t window[kCells];
            for (int j = 0; j < kCells; ++j) window[j] = eventElementA[t][WrapStringIndex(int16_t(c - 2 + j))];
            for (int32_t r = 0; r < records; ++r) {
                const uint8_t* key = &table.keys[size_t(r) * kCells];
                if (std::equal(window, window + kCells, key, [](int32_t w, uint8_t k) { return w == int32_t(k); })) {
                    sums[size_t(c)] += table.values[size_t(r)];
                    break;
                }
            }
        }
    }
    std::array<int64_t, 27> out{};
    for (size_t c = 0; c < out.size(); ++c)
        out[c] = int64_t(std::trunc(double(rowLimit) * 3 * 0.5 - double(sums[c]) * 0.5));
    return out;
}
