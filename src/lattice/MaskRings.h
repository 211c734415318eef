#pragma once
// The fourteen rings of the 9 x 9 neighbourhood that the mask chooser offers:
// ring k is every offset (+-dx, +-dy) and (+-dy, +-dx) of its representative
// (dx, dy), 0 <= dy <= dx <= 4. The numbering follows the chooser's picture,
// not the order of the offsets (ring 11 is (3, 3), rings 9 and 10 are (4, 0)
// and (4, 1)). Rings 1 to 4 are the four rings of the lattice rule table.
// A set of rings is a bit set: bit k for ring k.

#include <cstdint>

constexpr int kRingCount = 14;

struct RingOffset {
    int dx;
    int dy;
};

// The representative of ring k (1..14); (0, 0) outside.
RingOffset RingRepresentative(int ring);
// The ring of an offset within the 9 x 9 neighbourhood: 1..14, 0 for the
// centre, -1 outside the neighbourhood.
int RingOfOffset(int dx, int dy);

using RingSet = uint16_t;
constexpr RingSet RingBit(int ring) { return static_cast<RingSet>(1u << ring); }
constexpr bool HasRing(RingSet set, int ring) { return (set >> ring) & 1u; }
// Rings first..last.
constexpr RingSet RingRange(int first, int last)
{
    RingSet set = 0;
    for (int k = first; k <= last; ++k)
        set |= RingBit(k);
    return set;
}
