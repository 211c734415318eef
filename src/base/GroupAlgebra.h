#pragma once
// The non-commutative group of order 6 whose elements 0..5 label the cells of
// every recorded window: element 0 is the identity, 1 and 2 have order 3 and
// 3, 4, 5 have order 2. For elements in 0..5 the functions below are the
// group's product and left quotient; arguments outside 0..5 give the fixed
// fallback values documented on each function and never fail.

#include <cstdint>

// Row a, column b holds a*b. Read-only; displays read its rows directly.
extern const uint8_t groupProductTable[6][6];

// Scratch output of the LeftDivideKey functions (bytes 0..8 used); read it
// right after the call. Bytes beyond the divided key's length keep their value.
extern uint8_t quotientKey[10];

// a*b. An a above 5 (any negative a too, seen as unsigned) gives 0; a = 0
// gives b unchanged; for a in 1..5 and b outside 0..5 the result is 0 for
// a = 1, 2, 3, 1 for a = 4 and 2 for a = 5.
int32_t GroupProduct(uint32_t a, uint32_t b);

// The x with g*x = c: the first x of 0..4 whose product matches, else 5.
// For g and c in 0..5 this is the unique quotient; a g outside 0..5 gives 0
// for c = 0 and 5 for any other c.
int32_t GroupLeftDivide(int32_t g, int32_t c);

// quotientKey[i] = GroupLeftDivide(g, k_i) for each given cell, in order.
void LeftDivideKey5(int16_t g, int16_t k0, int16_t k1, int16_t k2, int16_t k3, int16_t k4);
void LeftDivideKey6(int16_t g, int16_t k0, int16_t k1, int16_t k2, int16_t k3, int16_t k4,
                    int16_t k5);
void LeftDivideKey7(int16_t g, int16_t k0, int16_t k1, int16_t k2, int16_t k3, int16_t k4,
                    int16_t k5, int16_t k6);
// Also returns the last quotient (quotientKey[7]).
int32_t LeftDivideKey8(int16_t g, int16_t k0, int16_t k1, int16_t k2, int16_t k3, int16_t k4,
                       int16_t k5, int16_t k6, int16_t k7);
void LeftDivideKey9(int16_t g, int16_t k0, int16_t k1, int16_t k2, int16_t k3, int16_t k4,
                    int16_t k5, int16_t k6, int16_t k7, int16_t k8);

// rtProbeRow[i] = rtProbeSource[i]*g for i below rt1Width (taken within the
// row's cells, so the probe row is never overrun). A g outside 1..5 writes nothing; a
// source cell outside 0..5 leaves its row cell as it was.
void RightMultiplyRow(int16_t g);
