#include "tables2d/ClosureCheck2d.h"

#include "base/TableRecords.h"

#include <algorithm>

int32_t checkFromRecord = 0;
int32_t checkToRecord = 100;

namespace {

bool IsCheckedPointCount(int k) { return k >= 5 && k <= 9; }

// Normalised coordinates of raw points within the coordinate limit.
constexpr int32_t kMaxNormalised = 2 * kMask2dCoordinateLimit;

} // namespace

ClosureMask ClosureMaskOf2d(int k, const Mask2dPoint* normalised, int32_t minX, int32_t minY)
{
    ClosureMask mask;
    mask.pointCount = std::clamp(k, 0, kMask2dTableSlots);
    int32_t maxX = 0, maxY = 0;
    for (int p = 0; p < mask.pointCount; ++p) {
        maxX = std::max(maxX, normalised[p].x);
        maxY = std::max(maxY, normalised[p].y);
    }
    // Sums of two points reach 2 * maxX, so a row of 2 * maxX + 1 cells keeps
    // them apart.
    const int32_t columns = 2 * maxX + 1;
    for (int p = 0; p < mask.pointCount; ++p) mask.positions[p] = normalised[p].y * columns + normalised[p].x;
    const int32_t cx = -2 * minX, cy = -2 * minY;
    const bool inside = cx >= 0 && cx < columns && cy >= 0 && cy <= 2 * maxY;
    mask.doubleLeftReach = inside ? cy * columns + cx : -1;
    return mask;
}

std::string WhyClosureCheck2dCannotRun(int32_t recordCount)
{
    const int k = mask2dPointCount;
    if (!IsCheckedPointCount(k))
        return "The two-dimensional check works on masks of 5 to 9 points; this mask has " + std::to_string(k) + ".";
    if (recordCount > 0 && recordCount < 6)
        return "The table has " + std::to_string(recordCount) +
               " records; the closure check needs at least 6 (six blocks of at least one record).";

    // The geometry must be the one of the point table of k points as it stands.
    const Mask2dPoint* points = mask2dPointTables[k - 5];
    int32_t minX = points[0].x, minY = points[0].y;
    for (int p = 1; p < k; ++p) {
        minX = std::min(minX, points[p].x);
        minY = std::min(minY, points[p].y);
    }
    bool fits = minX == mask2dMinX && minY == mask2dMinY;
    bool bounded = true;
    for (int p = 0; p < k; ++p) {
        const Mask2dPoint& n = mask2dNormalizedPoints[p];
        fits = fits && n.x == points[p].x - minX && n.y == points[p].y - minY;
        bounded = bounded && n.x >= 0 && n.y >= 0 && n.x <= kMaxNormalised && n.y <= kMaxNormalised;
    }
    if (!fits)
        return "The mask's geometry was laid for another point count than the " + std::to_string(k) +
               " points of the table; choose the mask in \"n points\" again before the check.";
    if (!bounded)
        return "The mask's points lie beyond " + std::to_string(kMask2dCoordinateLimit) +
               " cells from its centre; the check cannot place records on it.";
    return "";
}

ClosureCheck2d PrepareClosureCheck2d(const ClosureCheck2dRequest& request)
{
    const int k = mask2dPointCount;
    const int32_t n = std::clamp(request.recordCount, 0, kTableCapacity);
    ClosureCheck2d check;
    check.mask = ClosureMaskOf2d(k, mask2dNormalizedPoints, mask2dMinX, mask2dMinY);
    check.startLimit = request.firstBlockOnly ? BlockSize(n) : n;

    ClosureScope& scope = check.scope;
    scope.recordCount = n;
    scope.blockSize = BlockSize(n);
    scope.permuted = PermutedTest::Stop;
    scope.progressLevel = k <= 5 ? 0 : k <= 7 ? 1 : k - 6;
    if (k == 5) {
        scope.resetCounts = true;
        scope.startFrom = 0;
        scope.startCount = check.startLimit;
        return check;
    }
    if (request.freshCounts) {
        checkFromRecord = 0;
        checkToRecord = check.startLimit;
    }
    scope.resetCounts = request.freshCounts;
    // The list has no rows outside 0 .. capacity - 1; start rows from N on are
    // placed as they stand and end the check at their first placement.
    scope.startFrom = std::clamp(checkFromRecord, 0, kTableCapacity);
    scope.startCount = std::clamp(checkToRecord, 0, kTableCapacity);
    return check;
}

std::string ClosureProgressText2d(int k, int32_t startLimit, const ClosureProgress& progress)
{
    const auto& r = progress.records;
    if (k <= 5) return std::to_string(r[0]);
    std::string text;
    if (k != 9) {
        text += '(';
        text += std::to_string(startLimit);
        text += ") ";
    }
    const int shown = k == 9 ? 4 : k == 8 ? 3 : 2;
    for (int i = 0; i < shown; ++i) {
        text += std::to_string(r[i]);
        text += "  ";
    }
    return text;
}
