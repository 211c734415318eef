#include "tables2d/OlderSixPointCheck.h"

#include "base/NumericHelpers.h"
#include "base/TableRecords.h"

#include <algorithm>

namespace {

constexpr int kLevels = 6;

} // namespace

FixedClosureCheck OlderSixPointCheck(bool firstBlockOnly)
{
    // Points 0..5 at (0,0), a, b, -a, -b, a + b with a = (1,0) and b = (0,1):
    // every sum of two points is then its own cell, so the records agree
    // exactly where the six windows of the older check overlap. Normalised by
    // (-1, -1) and numbered row by row in rows of 5 cells.
    static constexpr int32_t kPoints[kLevels][2] = {{0, 0}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}, {1, 1}};
    FixedClosureCheck check;
    check.mask.pointCount = kLevels;
    for (int p = 0; p < kLevels; ++p) check.mask.positions[p] = (kPoints[p][1] + 1) * 5 + kPoints[p][0] + 1;
    check.mask.doubleLeftReach = 2 * check.mask.positions[0];   // the start record's centre cell
    check.scope.recordCount = kOlderCheckRecords;
    check.scope.blockSize = kOlderCheckBlock;
    check.scope.startCount = firstBlockOnly ? kOlderCheckBlock : kOlderCheckRecords;
    check.scope.permuted = PermutedTest::Stop;
    check.scope.progressLevel = 0;
    check.scope.firstCountedRecord = 17;
    return check;
}

void StoreOlderCheckCounters(const ClosureOutcome& outcome)
{
    const bool stopped = outcome.verdict != ClosureVerdict::Closed;
    ttHitCount[0] = SaturateToInt32(outcome.levelEntries[0]);
    for (int level = 1; level < kLevels; ++level) {
        // Each entry of a level tries all 1026 records, except the one the
        // search stopped in, which ended at the record of the placement.
        int64_t tried = outcome.levelEntries[level] * kOlderCheckRecords;
        if (stopped) tried -= kOlderCheckRecords - 1 - outcome.lastPlacement[level];
        ttHitCount[level] = SaturateToInt32(tried);
        ttHitCount[10 + level] = SaturateToInt32(outcome.levelFits[level]);
    }
}

std::array<int32_t, 6> OlderCheckLoopIndices(const ClosureOutcome& outcome, int32_t startLimit)
{
    std::array<int32_t, kLevels> indices{};
    if (outcome.verdict != ClosureVerdict::Closed) {
        std::copy_n(outcome.lastPlacement.begin(), kLevels, indices.begin());
        return indices;
    }
    indices[0] = startLimit;
    for (int level = 1; level < kLevels; ++level)
        indices[size_t(level)] = outcome.levelEntries[level] > 0 ? kOlderCheckRecords : -1;
    return indices;
}
