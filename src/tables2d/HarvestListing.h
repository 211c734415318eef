#pragma once
// The normalised keys a two-dimensional harvest gathers (keys whose next
// element is the identity: plane 0 of the five-cell tables, the six- to
// nine-cell tables), and the table list built from them. The keys are those
// the tables keep listed beside their flags (KeyIndexedTables.h), so a harvest
// never walks all 6^k flags.
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/TableGenerator.h"

#include <cstdint>
#include <optional>

constexpr int kHarvestMinPoints = 5;
constexpr int kHarvestMaxPoints = 9;

// Sets the used flag of normalised key `index` (base-6, cell 0 most
// significant) in the table of pointCount cells (5..9; others do nothing).
inline void MarkNormalisedKey(int pointCount, int32_t index) { MarkKeyUsed(pointCount, index); }

// Whether the flag of normalised key `index` is set.
bool IsNormalisedKeyUsed(int pointCount, int32_t index);

// The value byte of normalised key `index` (five to seven cells), nullptr
// for eight and nine cells, which keep flags only.
uint8_t* NormalisedKeyValue(int pointCount, int32_t index);

// Lists every normalised key whose flag is set, in increasing index order:
// row r of rt1Keys gets its pointCount cells and ttValues[r] its value read as
// a signed byte (0 for eight and nine cells); rt1Width := pointCount. Returns
// the number listed, or nullopt, with nothing written, when there are more
// than maxKeys.
inline std::optional<int32_t> ListNormalisedKeys(int pointCount, int32_t maxKeys)
{
    return ListLearnedKeys(pointCount, maxKeys);
}

// After flags were set directly: the next listing walks every flag.
inline void ForgetNormalisedKeys() { ForgetUsedKeys(); }

// The table list of a harvest from keyCount listed keys: block 0 := rows
// 0 .. keyCount-1 of rt1Keys (pointCount cells), harvestClassCount[0] := keyCount,
// then multiplied by the group into six blocks; every count of the 6 * keyCount
// records and the values of blocks 1..5 are set to 0, so that no record
// carries what an earlier table left in its row. False, with nothing changed,
// when the six blocks would not fit the list.
bool BuildHarvestedList(int32_t keyCount, int pointCount);
