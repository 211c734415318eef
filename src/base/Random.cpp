#include "base/Random.h"

#include <ctime>

uint32_t randomState = 1;
uint32_t (*randomizeSeedSource)() = nullptr;

int32_t Rand() {
  randomState = randomState * 22695477u + 1u;
  return static_cast<int32_t>((randomState >> 16) & 0x7fffu);
}

void SkipRandom(uint64_t count) {
  // (mul, add) is the map s -> mul*s + add of 2^k steps; the maps of the set
  // bits of count are composed into (totalMul, totalAdd).
  uint32_t mul = 22695477u, add = 1u;
  uint32_t totalMul = 1u, totalAdd = 0u;
  for (; count != 0; count >>= 1) {
    if (count & 1u) {
      totalMul *= mul;
      totalAdd = totalAdd * mul + add;
    }
    add *= mul + 1u;
    mul *= mul;
  }
  randomState = randomState * totalMul + totalAdd;
}

void SeedRandom(uint32_t seed) { randomState = seed; }

void Randomize() {
  SeedRandom(randomizeSeedSource ? randomizeSeedSource() : static_cast<uint32_t>(std::time(nullptr)));
  Rand();
}
