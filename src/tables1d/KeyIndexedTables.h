#pragma once
// Key-indexed byte tables: one entry per possible key of k group elements,
// indexed as a base-6 number with the first key cell most significant (a
// layer or plane p goes in front: p*6^k + index). A used flag is 1 once the
// key was seen; a value byte holds the low 8 bits of a value, 157 marking an
// empty entry after a clear.
#include <cstdint>
#include <vector>

constexpr uint8_t kEmptyKeyValue = 157;   // -99 read as a signed byte

constexpr int32_t kKeys3 = 216, kKeys4 = 1296, kKeys5 = 7776, kKeys6 = 46656, kKeys7 = 279936,
                  kKeys8 = 1679616, kKeys9 = 10077696;

extern uint8_t tt3Used[6 * kKeys3];
extern uint8_t tt3Value[6 * kKeys3];
extern uint8_t tt4Used[6 * kKeys4];
extern uint8_t tt4Value[6 * kKeys4];
extern uint8_t tt5Used[6 * kKeys5];
extern uint8_t tt5Value[6 * kKeys5];
extern uint8_t tt6Used[kKeys6];
extern uint8_t tt6Value[kKeys6];
extern uint8_t tt7Used[kKeys7];
extern uint8_t tt7Value[kKeys7];
extern uint8_t tt8Used[kKeys8];
extern uint8_t tt9Used[kKeys9];

// The used flags and (for five to seven cells) the values of the tables the
// generators and harvests fill, by point count 5..9; for five cells plane 0.
// Other counts give an empty table (size 0).
struct KeyTable {
    uint8_t* used = nullptr;
    uint8_t* value = nullptr;   // nullptr: flags only
    int32_t size = 0;
};
KeyTable KeyTableOf(int pointCount);

// Base-6 index of the first length cells of key (cell 0 most significant).
// Cells must be group elements 0..5; length 0..9.
int32_t KeyTableIndex(const uint8_t* key, int length);

// The keys whose flags are set in the tables of KeyTableOf (five to nine
// cells), kept beside the flags so that listing them needs no walk over all
// 6^n flags (10 MB for nine cells) at every pass of a generator. The learners
// and harvests set flags through MarkKeyUsed, and the clears below empty the
// lists with the flags; code that writes these flags directly calls
// ForgetUsedKeys afterwards.
//
// MarkKeyUsed sets the flag of `index` (nothing outside the table).
void MarkKeyUsed(int pointCount, int32_t index);
// The indices of the set flags in increasing order (empty for other counts).
// A forgotten list, or one holding a key whose flag was cleared directly, is
// first rebuilt from a walk over every flag.
const std::vector<int32_t>& UsedKeys(int pointCount);
void ForgetUsedKeys();

// Empties the 3- to 7-cell tables: flags 0, values 157 (the one-dimensional
// part of clear-all; the table list is not touched).
void ClearSmallKeyTables();

// Empties the 8- and 9-cell flags.
void ClearEightAndNineCellFlags();

// Empties the 5-, 6- and 7-cell tables, and the 8- or 9-cell flags when
// clear8 / clear9 is set (the two-dimensional clear's tables).
void ClearTwoDimKeyTables(bool clear8, bool clear9);
