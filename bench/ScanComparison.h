#pragma once
// What the comparison programs share: the time of one call, the report of a
// reference scan against its indexed form, the closed tables laid by
// construction, and the comparison of the two forms of the extension over
// the group on the table in the list.
#include "base/GroupAlgebra.h"
#include "base/TableRecords.h"
#include "tables1d/TableBlocks.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <random>
#include <set>
#include <vector>

using BenchKey = std::array<uint8_t, kTableKeyBytes>;

// Base keys (centre cell 0) of a closed table: `seeds` first, then random keys
// over {0, 1, 2, 4} with their conjugates by 4, until the list holds about
// `records` records after the multiplication by the group.
inline std::vector<BenchKey> ClosedBaseKeys(const std::vector<BenchKey>& seeds, int pointCount, int centre, int records)
{
    std::set<BenchKey> seen;
    std::vector<BenchKey> keys;
    const auto add = [&](const BenchKey& k) {
        if (seen.insert(k).second) keys.push_back(k);
    };
    for (const BenchKey& k : seeds) add(k);
    std::mt19937 rng(12345);
    const uint8_t alphabet[4] = {0, 1, 2, 4};
    while (int(keys.size()) * 6 < records) {
        BenchKey k{};
        for (int p = 0; p < pointCount; ++p) k[p] = p == centre ? 0 : alphabet[rng() % 4];
        add(k);
        BenchKey c = k;
        for (int p = 0; p < pointCount; ++p) c[p] = uint8_t(GroupProduct(GroupProduct(4, k[p]), 4));
        add(c);
    }
    return keys;
}

// The list holds the base keys multiplied by the group, with its permuted copy.
inline void LayClosedTable(const std::vector<BenchKey>& base, int pointCount)
{
    ttRecordCount = int32_t(base.size());
    for (size_t i = 0; i < base.size(); ++i) std::copy(base[i].begin(), base[i].end(), ttKeys[i]);
    MultiplyListByGroup(pointCount);
    BuildPermutedCopy(pointCount);
}

template <class F>
double Seconds(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

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
