// The T=6 scan's pair index, maximum search and start states, and the rings
// of the mask chooser's neighbourhood.
#include "base/PointLists.h"
#include "base/SquareSize.h"
#include "lattice/MaskRings.h"
#include "lattice/T6Scan.h"

#include <gtest/gtest.h>

#include <map>

TEST(T6Scan, PairIndexRoundTripsAndMaximumIsStrictFirstOfATie)
{
    for (int32_t k = 0; k < kT6CounterCount; ++k) {
        const T6Pair p = T6PairOfIndex(k);
        ASSERT_LE(p.a, p.b) << k;
        ASSERT_EQ(p.b * (p.b + 1) / 2 + p.a, k);
    }
    EXPECT_LE(T6PairOfIndex(2147483647).a, T6PairOfIndex(2147483647).b);   // no overflow

    t6MaxIndex = 77;
    FindT6Maximum();   // all zero: the index keeps its earlier value
    EXPECT_EQ(t6MaxCount, 0);
    EXPECT_EQ(t6MaxIndex, 77);
    t6Counters[40] = t6Counters[90] = 7;
    t6Counters[135] = 100;   // beyond the shown pairs
    FindT6Maximum();
    EXPECT_EQ(t6MaxCount, 7);
    EXPECT_EQ(t6MaxIndex, 40);
}

TEST(T6Scan, StartStatesTakeTheCentreOfTheSideAsItStands)
{
    squareRowCount = squareColumnCount = 31;
    const T6Pair pair{12, 15};
    LayT6StartState(true, &pair);
    EXPECT_EQ(cPointCount, 1);
    EXPECT_EQ(bPointCount, 1);
    EXPECT_EQ(cPointX[0], 12);
    EXPECT_EQ(cPointY[0], 15);
    EXPECT_EQ(bPointX[0], 15);

    // Without B: a second C point at the centre; no pair keeps C point 0.
    squareColumnCount = 10;
    squareRowCount = 7;
    LayT6StartState(false, nullptr);
    EXPECT_EQ(cPointCount, 2);
    EXPECT_EQ(bPointCount, 0);
    EXPECT_EQ(cPointX[0], 12);
    EXPECT_EQ(cPointX[1], 5);
    EXPECT_EQ(cPointY[1], 3);
}

TEST(MaskRings, NumberingFollowsThePictureAndCoversTheNeighbourhood)
{
    EXPECT_EQ(RingOfOffset(3, 3), 11);
    EXPECT_EQ(RingOfOffset(0, -4), 9);
    EXPECT_EQ(RingOfOffset(-1, 4), 10);
    EXPECT_EQ(RingOfOffset(5, 0), -1);
    std::map<int, int> cells;
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx)
            ++cells[RingOfOffset(dx, dy)];
    EXPECT_EQ(cells[0], 1);
    for (int ring = 1; ring <= kRingCount; ++ring) {
        const RingOffset r = RingRepresentative(ring);
        EXPECT_EQ(cells[ring], r.dy == 0 || r.dy == r.dx ? 4 : 8) << ring;
    }
}
