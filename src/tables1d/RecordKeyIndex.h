#pragma once
// An index of table rows by the cells at chosen points of their keys: given
// the cells, it returns every row holding them, in ascending row order, in
// time independent of the table's size. Rows are not copied; the index is
// built once from the rows as they are and goes stale when they change.
#include "base/TableRecords.h"

#include <cstdint>
#include <span>
#include <vector>

class RecordKeyIndex {
public:
    // Indexes rows 0..rowCount-1 by their cells at points[0..pointCount-1]
    // (point indices 0..9, at most 10 of them); with `keep`, only the rows r
    // whose keep[r] is non-zero.
    void build(const uint8_t (*rows)[kTableKeyBytes], int32_t rowCount, const int* points, int pointCount,
               const uint8_t* keep = nullptr);

    // The rows whose cells at the points equal cells[0..pointCount-1], ascending.
    std::span<const int32_t> find(const uint8_t* cells) const
    {
        if (slots_.empty()) return {};
        const int32_t group = slots_[slotOf(pack(cells))].group - 1;
        if (group < 0) return {};
        return std::span<const int32_t>(postings_.data() + groupStart_[group],
                                        size_t(groupStart_[group + 1] - groupStart_[group]));
    }

    // The lowest such row, or -1.
    int32_t first(const uint8_t* cells) const
    {
        const auto rows = find(cells);
        return rows.empty() ? -1 : rows.front();
    }

    // Cells packed a byte each, cell i at bits 8i of low (i < 8) or 8(i-8) of
    // high, for callers that keep a key packed as they build it.
    struct PackedKey {
        uint64_t low = 0, high = 0;
        bool operator==(const PackedKey&) const = default;
    };
    int32_t firstPacked(const PackedKey& key) const
    {
        if (slots_.empty()) return -1;
        const int32_t group = slots_[slotOf(key)].group - 1;
        return group < 0 ? -1 : postings_[size_t(groupStart_[group])];
    }

private:
    PackedKey pack(const uint8_t* cells) const
    {
        PackedKey key;
        const int low = pointCount_ < 8 ? pointCount_ : 8;
        for (int i = 0; i < low; ++i) key.low |= uint64_t(cells[i]) << (8 * i);
        for (int i = 8; i < pointCount_; ++i) key.high |= uint64_t(cells[i]) << (8 * (i - 8));
        return key;
    }
    size_t slotOf(const PackedKey& key) const
    {
        // Multiply-shift hashing: the top bits of the product mix every key byte.
        const uint64_t mixed = key.low * 0x9e3779b97f4a7c15ULL ^ (key.high + 1) * 0xc2b2ae3d27d4eb4fULL;
        size_t slot = size_t(mixed >> shift_);
        while (slots_[slot].group != 0 && !(slots_[slot].key == key)) slot = (slot + 1) & mask_;
        return slot;
    }

    struct Slot {
        PackedKey key;
        int32_t group = 0;   // group + 1, 0 = free slot
    };

    int pointCount_ = 0;
    std::vector<Slot> slots_;
    std::vector<int32_t> groupStart_;     // postings of group g: [groupStart_[g], groupStart_[g+1])
    std::vector<int32_t> postings_;
    size_t mask_ = 0;
    int shift_ = 64;
};
