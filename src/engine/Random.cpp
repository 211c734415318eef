#include "engine/Random.h"

#include <ctime>

uint32_t randomState = 1;
uint32_t (*randomizeSeedSource)() = nullptr;

int32_t Rand() {
  randomState = randomState * 22695477u + 1u;
  return static_cast<int32_t>((randomState >> 16) & 0x7fffu);
}

void SeedRandom(uint32_t seed) { randomState = seed; }

void Randomize() {
  SeedRandom(randomizeSeedSource ? randomizeSeedSource() : static_cast<uint32_t>(std::time(nullptr)));
  Rand();
}
