// The generator's numbers from its start state, a seed and Randomize.
#include "base/Random.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

// The generator's formula, stepped with 64-bit arithmetic and an explicit mask
// so it does not share the code's 32-bit wrap-around.
struct ReferenceLcg {
  uint64_t state;
  int32_t next() {
    state = (state * 22695477ull + 1ull) & 0xFFFFFFFFull;
    return static_cast<int32_t>((state >> 16) & 0x7fff);
  }
};

TEST(Random, SequenceFromStartStateOneAndFromASeed) {
  EXPECT_EQ(randomState, 1u);
  // First numbers of this generator from state 1. (41, 18467, 6334, ... are
  // those of the other common C runtime generator, 214013 / 2531011.)
  for (int32_t v : {346, 130, 10982, 1090, 11656, 7117}) EXPECT_EQ(Rand(), v);
  SeedRandom(0xDEADBEEF);
  ReferenceLcg ref{0xDEADBEEF};
  for (int i = 0; i < 10000; ++i) ASSERT_EQ(Rand(), ref.next()) << "draw " << i;
  SeedRandom(1);
  EXPECT_EQ(Rand(), 346);
}

TEST(Random, SkippingReachesTheStateThatSteppingReaches) {
  for (const uint32_t seed : {1u, 0u, 0xFFFFFFFFu, 0x9E3779B9u}) {
    for (const uint64_t n : {0ull, 1ull, 2ull, 3ull, 17ull, 255ull, 256ull, 65537ull, 1234567ull}) {
      ReferenceLcg ref{seed};
      for (uint64_t i = 0; i < n; ++i) ref.next();
      SeedRandom(seed);
      SkipRandom(n);
      ASSERT_EQ(randomState, ref.state) << "seed " << seed << ", " << n << " draws";
      EXPECT_EQ(Rand(), ref.next());
    }
  }
  // Counts too large to step: the generator's period is 2^32 (a = 1 mod 4, c
  // odd), so skipping it returns to the start, and skips add up.
  SeedRandom(12345);
  SkipRandom(1ull << 32);
  EXPECT_EQ(randomState, 12345u);
  SkipRandom(0x7FFFFFFFull);   // the largest count an edit can give
  SkipRandom(0x80000001ull);
  EXPECT_EQ(randomState, 12345u);
  SkipRandom(3'000'000'017ull);
  const uint32_t skipped = randomState;
  SeedRandom(12345);
  SkipRandom(1'000'000'000ull);
  SkipRandom(2'000'000'017ull);
  EXPECT_EQ(randomState, skipped);
}

TEST(Random, RandomizeSeedsFromClockAndDrawsOnce) {
  const auto before = static_cast<uint64_t>(std::time(nullptr));
  Randomize();
  const auto after = static_cast<uint64_t>(std::time(nullptr));
  const int32_t next = Rand();
  bool matched = false;
  for (uint64_t t = before; t <= after; ++t) {
    ReferenceLcg ref{t & 0xFFFFFFFFull};
    ref.next();  // the draw Randomize makes itself
    if (ref.next() == next) matched = true;
  }
  EXPECT_TRUE(matched) << "the first number after Randomize must be the seed's second";
}

}  // namespace
