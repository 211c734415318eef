#include "tables1d/LayeredTables.h"

#include "base/IndexHelpers.h"
#include "base/ResolutionProbe.h"
#include "base/TableRecords.h"
#include "tables1d/KeyIndexedTables.h"

#include <algorithm>

namespace {

struct LayeredTable {
    int cells;
    int32_t offsets[4];
    int32_t layerSize;   // 6^cells entries per layer
    uint8_t* used;
    uint8_t* value;
    bool warnOtherLayers;
    bool stopAtConflict;
};

LayeredTable TableOf(LayeredMask mask)
{
    if (mask == LayeredMask::Mask11) return {3, {-1, 0, 1, 0}, kKeys3, tt3Used, tt3Value, false, false};
    return {4, {-2, -1, 0, 1}, kKeys4, tt4Used, tt4Value, true, true};
}

bool IsElement(int32_t v) { return v >= 0 && v <= 5; }

} // namespace

int LayeredKeyCells(LayeredMask mask) { return TableOf(mask).cells; }

LayeredLearnOutcome LearnLayeredWindows(const EventRowsView& rows, LayeredMask mask, LearnDirection direction)
{
    LayeredLearnOutcome outcome;
    const LayeredTable table = TableOf(mask);
    if (!rows.elements || !rows.outputs || rows.stride <= 0) return outcome;

    // Rows k - 1 and k + 1 are read beside row k, so k stays inside the stored rows.
    const int32_t lastRow = std::min<int32_t>(rows.rowCount - 2, rows.rowCapacity - 2);
    const int32_t columns = std::min<int32_t>(stringLength, rows.stride);
    const int32_t step = direction == LearnDirection::Forward ? 1 : -1;
    auto element = [&](int32_t k, int32_t c) { return rows.elements[int64_t(k) * rows.stride + c]; };

    for (int32_t k = 1; k <= lastRow; ++k) {
        for (int32_t i = 0; i < columns; ++i) {
            int32_t index = 0;
            bool inGroup = true;
            for (int j = 0; j < table.cells; ++j) {
                const int32_t column = WrapStringIndex(int16_t(i + table.offsets[j]));
                const int32_t cell = column < rows.stride ? element(k, column) : -1;
                inGroup = inGroup && IsElement(cell);
                index = index * 6 + (IsElement(cell) ? cell : 0);
            }
            const int32_t layer = element(k + step, i);
            if (!inGroup || !IsElement(layer)) continue;
            const int32_t d = rows.outputs[int64_t(k) * rows.stride + i];
            ++outcome.windows;

            if (table.warnOtherLayers) {
                for (int other = 0; other < 6; ++other) {
                    if (other == layer || !table.used[other * table.layerSize + index]) continue;
                    outcome.warnings.push_back({LayeredWarning::Kind::SeenInOtherLayer, layer, k, i});
                    break;
                }
            }
            const int32_t entry = layer * table.layerSize + index;
            table.used[entry] = 1;
            uint8_t& stored = table.value[entry];
            if (stored == kEmptyKeyValue) {
                stored = uint8_t(uint32_t(d) & 0xFFu);
            } else if (int32_t(int8_t(stored)) != d) {
                outcome.warnings.push_back({LayeredWarning::Kind::ValueConflict, layer, k, i});
                if (table.stopAtConflict) {
                    outcome.stopped = true;
                    return outcome;
                }
            }
        }
    }
    return outcome;
}

LayeredListing ListLayeredKeys(LayeredMask mask)
{
    const LayeredTable table = TableOf(mask);
    LayeredListing listing;
    int32_t n = 0;
    for (int layer = 0; layer < 6; ++layer) {
        for (int32_t index = 0; index < table.layerSize; ++index) {
            const int32_t entry = layer * table.layerSize + index;
            if (!table.used[entry]) continue;
            for (int j = table.cells - 1, rest = index; j >= 0; --j, rest /= 6) rt1Keys[n][j] = uint8_t(rest % 6);
            ttValues[n] = int32_t(int8_t(table.value[entry]));
            ++listing.perLayer[size_t(layer)];
            ++n;
        }
    }
    listing.recordCount = n;
    // The listed rows are resolution table 1: its searches compare this many cells.
    rt1Width = table.cells;
    return listing;
}
