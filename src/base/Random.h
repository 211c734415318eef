#pragma once
// The program's one random generator, the classic C runtime LCG:
// state = state * 22695477 + 1, result = (state >> 16) & 0x7fff.
// Reproducible runs depend on this exact sequence; nothing else draws.

#include <cstdint>

extern uint32_t randomState;  // 1 at start

// Advances the state and returns the next number in 0..32767.
int32_t Rand();
// Advances the state exactly as `count` calls of Rand() would, in
// O(log count) steps: the step s -> a*s + c composed with itself by squaring,
// all in 32-bit wrap-around arithmetic.
void SkipRandom(uint64_t count);
// Sets the state to seed; the next Rand() is the first number of its sequence.
void SeedRandom(uint32_t seed);
// Seeds from the clock (seconds) and draws one number at once, so the next
// Rand() is the second number of the seed's sequence.
void Randomize();
// Where Randomize takes its seed: the clock's seconds, unless a test that must
// replay a sequence of actions exactly sets a source of its own (nullptr = clock).
extern uint32_t (*randomizeSeedSource)();
