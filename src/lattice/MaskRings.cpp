#include "lattice/MaskRings.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr RingOffset kRepresentatives[kRingCount] = {
    {1, 0}, {1, 1}, {2, 0}, {2, 1}, {2, 2}, {3, 0}, {3, 1},
    {3, 2}, {4, 0}, {4, 1}, {3, 3}, {4, 2}, {4, 3}, {4, 4},
};

} // namespace

RingOffset RingRepresentative(int ring)
{
    return ring >= 1 && ring <= kRingCount ? kRepresentatives[ring - 1] : RingOffset{0, 0};
}

int RingOfOffset(int dx, int dy)
{
    const int far = std::max(std::abs(dx), std::abs(dy));
    const int near = std::min(std::abs(dx), std::abs(dy));
    if (far > 4)
        return -1;
    if (far == 0)
        return 0;
    for (int k = 0; k < kRingCount; ++k)
        if (kRepresentatives[k].dx == far && kRepresentatives[k].dy == near)
            return k + 1;
    return -1;   // not reached: every (far, near) with near <= far <= 4 is a ring
}
