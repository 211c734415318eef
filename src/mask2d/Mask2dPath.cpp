#include "mask2d/Mask2dPath.h"

#include "mask2d/Mask2dTables.h"

std::string ttFileName2d;

std::string Mask2dNameCoordinate(int32_t value)
{
    std::string text = value >= 0 && value <= 9 ? "+" : "";
    text += std::to_string(value);
    return text;
}

std::optional<std::string> Mask2dTableFileName(int t)
{
    if (!IsMask2dTable(t))
        return std::nullopt;
    if (t == 0)
        return std::string("RT2/T4.dat");
    const int n = Mask2dTablePoints(t);
    std::string name = "RT2/T";
    name += std::to_string(n - 1);
    for (int p = kMask2dCrossPoints; p < n; ++p) {
        const Mask2dPoint& point = mask2dPointTables[t][p];
        name += '_';
        name += Mask2dNameCoordinate(point.x);
        name += Mask2dNameCoordinate(point.y);
    }
    return name + ".dat";
}
