#pragma once
// The six blocks of the table list: multiplying the list by the group (block b
// becomes block 0 multiplied cellwise by b) and the value-permuted copy the
// closure checks search. Both work on the first keyLength key bytes only.
#include <cstdint>

// N := 6N; for g = 0..5 row g*(N/6)+i gets GroupProduct(g, cell) of old row i.
// Values and counts are not touched. Refused (false, nothing changes) when 6N
// would exceed the list's capacity. keyLength is taken within 0..10.
bool MultiplyListByGroup(int keyLength);

// The keys the group multiplication would give for recordCount records still
// fit the list.
bool GroupMultiplicationFits(int32_t recordCount);

// Rebuilds ttKeysPermuted for the 6*(N/6) records of the blocks: each cell of
// block b replaced by the block's substitution (blocks 0 and 4 swap 1<->2 and
// 3<->5, blocks 1 and 5 swap 0<->2 and 3<->4, blocks 2 and 3 swap 0<->1 and
// 4<->5; cells outside 0..5 copied). Rows from 6*(N/6) on and bytes from
// keyLength on keep what they held. keyLength is taken within 0..10.
void BuildPermutedCopy(int keyLength);

// The substitution of block b (0..5) applied to one cell.
uint8_t PermuteCell(int block, uint8_t cell);
