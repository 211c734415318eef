#include "tables1d/AnyIPicker.h"

#include <algorithm>
#include <bit>

int32_t image15MouseX = 0;
int32_t image15MouseY = 0;

namespace {

int32_t Farthest(int32_t bits)
{
    return bits > 0 ? int32_t(std::bit_width(uint32_t(bits))) : 0;
}

} // namespace

MaskPair AnyIPairOfCell(int column, int row)
{
    return {2 * column + 7, 2 * row + 1};
}

MaskPair AnyIPairAt(int32_t x, int32_t y)
{
    const int column = std::clamp(x < 0 ? 0 : x / kAnyICellSize, 0, kAnyIColumns - 1);
    const int row = std::clamp(y < 0 ? 0 : y / kAnyICellSize, 0, kAnyIRows - 1);
    return AnyIPairOfCell(column, row);
}

int AnyINeighbourCount(MaskPair pair)
{
    return std::popcount(uint32_t(pair.leftBits)) + std::popcount(uint32_t(pair.rightBits));
}

bool AnyIIsStudied(MaskPair pair)
{
    return pair.leftBits >= pair.rightBits && AnyINeighbourCount(pair) >= 4;
}

int32_t AnyIWindowWidth(MaskPair pair)
{
    return Farthest(pair.leftBits) + Farthest(pair.rightBits) + 1;
}
