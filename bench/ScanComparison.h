#pragma once
// What the comparison programs share: the time of one call, the report of a
// reference scan against its indexed form, and the comparison of the two
// forms of the extension over the group on the table in the list; the
// options of the programs (BenchOptions.h).
#include "base/TableRecords.h"
#include "tables1d/TableBlocks.h"

#include "BenchOptions.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

template <class F>
double Seconds(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The best of three runs of a click, in seconds.
template <class F>
double BestOfThreeSeconds(F&& click)
{
    double best = 1e9;
    for (int run = 0; run < 3; ++run) best = std::min(best, Seconds(click));
    return best;
}

// The records of the table in the list, kept to be laid in the list again
// before each measurement, with fresh hit counts and the permuted copy.
struct KeptTable {
    std::vector<std::array<uint8_t, kTableKeyBytes>> keys;

    void keepList()
    {
        keys.assign(size_t(ttRecordCount), {});
        for (size_t r = 0; r < keys.size(); ++r) std::copy(ttKeys[r], ttKeys[r] + kTableKeyBytes, keys[r].begin());
    }
    void lay(int keyLength) const
    {
        ttRecordCount = int32_t(keys.size());
        for (size_t r = 0; r < keys.size(); ++r) std::copy(keys[r].begin(), keys[r].end(), ttKeys[r]);
        std::fill(ttHitCount, ttHitCount + kTableCapacity, 0);
        BuildPermutedCopy(keyLength);
    }
};

inline void PrintComparison(double scanSeconds, double indexedSeconds, bool agree)
{
    std::printf("  reference scan %10.3f s\n  indexed        %10.6f s\n  ratio          %10.0f x   %s\n", scanSeconds,
                indexedSeconds, scanSeconds / indexedSeconds, agree ? "(same result)" : "DIFFERENT RESULTS");
}

// Both forms of the extension from the same random counts; the indexed one
// timed at its best of five. True when they leave the same counts.
inline bool CompareExtensionForms(const char* title, bool (*byScan)(int), bool (*indexed)(int), int keyLength)
{
    std::mt19937 rng(7);
    std::vector<int32_t> start(static_cast<size_t>(ttRecordCount));
    for (auto& c : start) c = int32_t(rng() % 100);
    std::copy(start.begin(), start.end(), ttHitCount);
    const double scanSeconds = Seconds([&] { byScan(keyLength); });
    const std::vector<int32_t> scanCounts(ttHitCount, ttHitCount + ttRecordCount);
    double indexedSeconds = 1e9;
    for (int run = 0; run < 5; ++run) {
        std::copy(start.begin(), start.end(), ttHitCount);
        indexedSeconds = std::min(indexedSeconds, Seconds([&] { indexed(keyLength); }));
    }
    const bool agree = std::equal(scanCounts.begin(), scanCounts.end(), ttHitCount);
    std::printf("%s, %d records:\n", title, ttRecordCount);
    PrintComparison(scanSeconds, indexedSeconds, agree);
    return agree;
}
