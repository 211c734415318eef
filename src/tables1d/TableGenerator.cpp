#include "tables1d/TableGenerator.h"

#include "base/GroupAlgebra.h"
#include "base/IndexHelpers.h"
#include "base/ResolutionProbe.h"
#include "base/StringLength.h"
#include "base/TableRecords.h"
#include "runs/EventTables.h"
#include "runs/RecordedRun.h"
#include "tables1d/KeyIndexedTables.h"

#include <algorithm>

uint8_t isGenerating1d = 0;

namespace {

bool IsElement(int32_t v) { return v >= 0 && v <= 5; }

uint8_t LowByte(int32_t v) { return uint8_t(uint32_t(v) & 0xFFu); }

// Whether a five-cell key seen followed by the identity is held by one of the
// planes 1..5, which mark keys the two-dimensional builder saw followed by 1..5.
bool HeldByAnotherPlane(int32_t index)
{
    for (int plane = 1; plane <= 5; ++plane)
        if (tt5Used[plane * kKeys5 + index]) return true;
    return false;
}

} // namespace

EventRowsView RecordedRunEventRows()
{
    EventRowsView rows;
    rows.elements = &eventElementA[0][0];
    rows.outputs = &eventFrontDiffIncrement[0][0];
    rows.stride = kEventColumns;
    rows.rowCapacity = kEventRows;
    rows.rowCount = historyRowCount;
    return rows;
}

bool IsGeneratorMaskUsable(int pointCount, const int32_t* offsets)
{
    if (pointCount < kGeneratorMinPoints || pointCount > kGeneratorMaxPoints) return false;
    bool hasCentre = false;
    for (int j = 0; j < pointCount; ++j) {
        if (j > 0 && offsets[j] <= offsets[j - 1]) return false;
        hasCentre = hasCentre || offsets[j] == 0;
    }
    return hasCentre;
}

LearnOutcome LearnWindows(const EventRowsView& rows, const GeneratorMask& mask)
{
    LearnOutcome outcome;
    const int n = mask.pointCount;
    const KeyTable table = KeyTableOf(n);
    if (!table.used || !rows.elements || !rows.outputs) return outcome;

    // Row t + 1 is read for every window of row t, so t stays below the last
    // stored row; columns stay within a stored row.
    const int32_t lastRow = std::min<int32_t>(rows.rowCount - 2, rows.rowCapacity - 2);
    // (A string, of at most 27 cells, is narrower than the event tables.)
    const int32_t columns = std::min<int32_t>({stringLength, rows.stride, kEventColumns});

    // A long run has thousands of windows of up to nine cells: the wrapped
    // column of every cell of a window and the left quotients of the group are
    // looked up once here rather than worked out for every cell.
    int32_t windowColumns[kEventColumns][kGeneratorMaxPoints];
    for (int32_t c = 0; c < columns; ++c)
        for (int j = 0; j < n; ++j) windowColumns[c][j] = WrapStringIndex(int16_t(c + mask.offsets[j]));
    uint8_t leftQuotient[6][6];
    for (int g = 0; g < 6; ++g)
        for (int cell = 0; cell < 6; ++cell) leftQuotient[g][cell] = uint8_t(GroupLeftDivide(g, cell));

    uint8_t key[kGeneratorMaxPoints];
    for (int32_t t = 1; t <= lastRow; ++t) {
        const int32_t* const row = rows.elements + int64_t(t) * rows.stride;
        const int32_t* const nextRow = row + rows.stride;
        for (int32_t c = 0; c < columns; ++c) {
            bool inGroup = true;
            for (int j = 0; j < n; ++j) {
                const int32_t column = windowColumns[c][j];
                const int32_t cell = column < rows.stride ? row[column] : -1;
                inGroup = inGroup && IsElement(cell);
                key[j] = uint8_t(cell);
            }
            const int32_t g = nextRow[c];
            if (!inGroup || !IsElement(g)) {
                ++outcome.skippedWindows;
                continue;
            }
            const int32_t d = rows.outputs[int64_t(t) * rows.stride + c];
            ++outcome.windows;

            if (g == 0) {
                const int32_t index = KeyTableIndex(key, n);
                if (n == 5 && HeldByAnotherPlane(index)) ++outcome.planeHits;
                if (!table.used[index]) MarkKeyUsed(n, index);
                if (!table.value) continue;
                uint8_t& stored = table.value[index];
                if (stored == kEmptyKeyValue) {
                    stored = LowByte(d);
                } else if (int32_t(int8_t(stored)) != d) {
                    outcome.contradiction = true;
                    outcome.contradictionRow = t;
                    outcome.contradictionColumn = c;
                    return outcome;
                }
                continue;
            }

            for (int j = 0; j < n; ++j) quotientKey[j] = leftQuotient[g][key[j]];
            const int32_t index = KeyTableIndex(quotientKey, n);
            if (!table.used[index]) MarkKeyUsed(n, index);
            if (table.value) table.value[index] = LowByte(g <= 2 ? d : int32_t(0u - uint32_t(d)));
        }
    }
    return outcome;
}


std::optional<int32_t> ListLearnedKeys(int pointCount, int32_t maxKeys)
{
    const KeyTable table = KeyTableOf(pointCount);
    if (!table.used) return 0;
    maxKeys = std::clamp<int32_t>(maxKeys, 0, kTableCapacity);
    const std::vector<int32_t>& keys = UsedKeys(pointCount);
    if (keys.size() > size_t(maxKeys)) return std::nullopt;

    int32_t count = 0;
    for (const int32_t index : keys) {
        int32_t rest = index;
        for (int j = pointCount - 1; j >= 0; --j) {
            rt1Keys[count][j] = uint8_t(rest % 6);
            rest /= 6;
        }
        ttValues[count] = table.value ? int32_t(int8_t(table.value[index])) : 0;
        ++count;
    }
    // The listed rows are resolution table 1: its searches compare this many cells.
    rt1Width = pointCount;
    return count;
}

std::string CapacityStopMessage(const std::string& gathered, TableFileStatus file, const std::string& path)
{
    std::string text = "More than " + std::to_string(kGeneratorMaxKeys) + " keys have been " + gathered +
                       ": the table of six times as many records would exceed the capacity of " +
                       std::to_string(kTableCapacity) + " records. The generator stopped; ";
    if (file == TableFileStatus::Ok) return text + "the table list and its file keep the last table that fitted.";
    text += "the table list keeps the last table that fitted; its file " + path;
    if (file == TableFileStatus::WriteFailed) return text + " could not get it back (is the disk full?) and stays empty.";
    return text + " holds none.";
}

void TakeListedKeys(int32_t keyCount, int pointCount)
{
    keyCount = std::clamp<int32_t>(keyCount, 0, kTableCapacity);
    pointCount = std::clamp(pointCount, 0, kTableKeyBytes);
    for (int32_t i = 0; i < keyCount; ++i) std::copy(rt1Keys[i], rt1Keys[i] + pointCount, ttKeys[i]);
    ttRecordCount = keyCount;
}
