#include "mask2d/Mask2dTables.h"

#include "base/NumberEntry.h"

#include <algorithm>

Mask2dPoint mask2dPointTables[kMask2dTableCount][kMask2dTableSlots] = {};
int32_t extraPointX5 = -1;
int32_t extraPointY5 = 1;
int32_t mask2dPointCount = 6;

Mask2dPoint mask2dNormalizedPoints[kMask2dTableSlots] = {};
int32_t mask2dMinX = 0, mask2dMinY = 0;
int32_t mask2dMaxX = 0, mask2dMaxY = 0;
int32_t mask2dSpanX = 0, mask2dSpanY = 0;

namespace {

constexpr Mask2dPoint kStartupCross[kMask2dCrossPoints] = {{0, 0}, {1, 0}, {0, 1}, {0, -1}, {-1, 0}};
constexpr Mask2dPoint kResetCross[kMask2dCrossPoints] = {{0, 0}, {0, 1}, {-1, 0}, {0, -1}, {1, 0}};
constexpr Mask2dPoint kDiagonals[4] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

void CopyCross(int t)
{
    std::copy(mask2dPointTables[0], mask2dPointTables[0] + kMask2dCrossPoints, mask2dPointTables[t]);
}

} // namespace

int32_t ClampMask2dCoordinate(int32_t value)
{
    return std::clamp(value, -kMask2dCoordinateLimit, kMask2dCoordinateLimit);
}

void NormaliseMask2d(int t)
{
    if (!IsMask2dTable(t))
        return;
    const int n = Mask2dTablePoints(t);
    const Mask2dPoint* points = mask2dPointTables[t];
    // The minimum starts at 10000 rather than at point 0; with coordinates
    // kept within the limit both starts give the same result.
    mask2dMinX = 10000;
    mask2dMinY = 10000;
    for (int i = 0; i < n; ++i) {
        mask2dMinX = std::min(mask2dMinX, points[i].x);
        mask2dMinY = std::min(mask2dMinY, points[i].y);
    }
    for (int i = 0; i < n; ++i)
        mask2dNormalizedPoints[i] = {points[i].x - mask2dMinX, points[i].y - mask2dMinY};
    mask2dMaxX = mask2dNormalizedPoints[0].x;
    mask2dMaxY = mask2dNormalizedPoints[0].y;
    for (int i = 0; i < n; ++i) {
        mask2dMaxX = std::max(mask2dMaxX, mask2dNormalizedPoints[i].x);
        mask2dMaxY = std::max(mask2dMaxY, mask2dNormalizedPoints[i].y);
    }
    mask2dSpanX = (mask2dMaxX + 1) * 2 - 1;
    mask2dSpanY = (mask2dMaxY + 1) * 2 - 1;
}

void LayCross(CrossOrder order)
{
    const Mask2dPoint* cross = order == CrossOrder::Startup ? kStartupCross : kResetCross;
    std::copy(cross, cross + kMask2dCrossPoints, mask2dPointTables[0]);
}

void RebuildMask2dTable(int t)
{
    if (t < 1 || t >= kMask2dTableCount)
        return;
    CopyCross(t);
    Mask2dPoint* extra = mask2dPointTables[t] + kMask2dCrossPoints;
    switch (t) {
    case 1:
        extra[0] = {extraPointX5, extraPointY5};
        break;
    case 2:
        extra[0] = {extraPointX5, extraPointY5};
        extra[1] = {-extraPointX5, -extraPointY5};
        break;
    default:   // 3 and 4: the first t diagonal neighbours
        std::copy(kDiagonals, kDiagonals + t, extra);
        break;
    }
}

void LayStartupMask2dTables()
{
    LayCross(CrossOrder::Startup);
    CopyCross(1);
    CopyCross(2);
    mask2dPointTables[1][5] = {extraPointX5, extraPointY5};
    mask2dPointTables[2][5] = {extraPointX5, extraPointY5};
    mask2dPointTables[2][6] = {-extraPointX5, -extraPointY5};
}

void StoreMask2dEditValue(int e, int t, int32_t value)
{
    if (e < 0 || e >= kMask2dEditCount)
        return;
    value = ClampMask2dCoordinate(value);
    const int point = Mask2dEditPoint(e);
    const bool isX = e % 2 == 0;
    // The first table that has the point; "X5=", "Y5=" and "X6=" write from
    // there whatever the item, the others only while the item has the point.
    const int firstOwner = point - kMask2dCrossPoints + 1;
    int from = firstOwner;
    if (e > 2) {
        if (t < firstOwner || t >= kMask2dTableCount)
            return;
        from = t;
    }
    if (e == 0)
        extraPointX5 = value;
    if (e == 1)
        extraPointY5 = value;
    for (int table = from; table < kMask2dTableCount; ++table) {
        Mask2dPoint& p = mask2dPointTables[table][point];
        (isX ? p.x : p.y) = value;
    }
}

std::string Mask2dEditText(int e, int t)
{
    if (e < 0 || e >= kMask2dEditCount || !IsMask2dTable(t) || Mask2dEditPoint(e) >= Mask2dTablePoints(t))
        return "X";
    const Mask2dPoint& p = mask2dPointTables[t][Mask2dEditPoint(e)];
    return NumberText(e % 2 == 0 ? p.x : p.y);
}
