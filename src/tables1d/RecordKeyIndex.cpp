#include "tables1d/RecordKeyIndex.h"

#include <algorithm>

void RecordKeyIndex::build(const uint8_t (*rows)[kTableKeyBytes], int32_t rowCount, const int* points,
                           int pointCount, const uint8_t* keep)
{
    pointCount_ = std::clamp(pointCount, 0, kTableKeyBytes);
    rowCount = std::max(rowCount, 0);
    size_t slots = 16;
    shift_ = 60;
    while (slots < size_t(rowCount) * 2) {
        slots *= 2;
        --shift_;
    }
    mask_ = slots - 1;
    slots_.assign(slots, Slot{});

    std::vector<int32_t> groupOfRow(static_cast<size_t>(rowCount), -1);
    std::vector<int32_t> groupSize;
    uint8_t cells[kTableKeyBytes];
    int32_t kept = 0;
    for (int32_t r = 0; r < rowCount; ++r) {
        if (keep && !keep[r]) continue;
        ++kept;
        for (int i = 0; i < pointCount_; ++i) cells[i] = rows[r][points[i]];
        const PackedKey key = pack(cells);
        const size_t slot = slotOf(key);
        if (slots_[slot].group == 0) {
            slots_[slot].key = key;
            groupSize.push_back(0);
            slots_[slot].group = int32_t(groupSize.size());
        }
        const int32_t group = slots_[slot].group - 1;
        groupOfRow[r] = group;
        ++groupSize[group];
    }

    groupStart_.assign(groupSize.size() + 1, 0);
    for (size_t g = 0; g < groupSize.size(); ++g) groupStart_[g + 1] = groupStart_[g] + groupSize[g];
    postings_.assign(size_t(kept), 0);
    std::vector<int32_t> fill(groupStart_.begin(), groupStart_.end() - 1);
    for (int32_t r = 0; r < rowCount; ++r)
        if (groupOfRow[r] >= 0) postings_[fill[groupOfRow[r]]++] = r;
}
