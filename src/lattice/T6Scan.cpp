#include "lattice/T6Scan.h"

#include <algorithm>
#include <iterator>

#include "base/PointLists.h"
#include "base/SquareSize.h"

int32_t t6PairIndex = 0;
int32_t t6Counters[kT6CounterCount] = {};
int32_t t6Total = 0;
int32_t t6MaxCount = 0;
int32_t t6MaxIndex = 0;

T6Pair T6PairOfIndex(int32_t k)
{
    T6Pair pair;
    if (k <= 0)
        return pair;
    // Row b starts at b (b + 1) / 2 and holds b + 1 pairs.
    int64_t b = 0;
    while ((b + 1) * (b + 2) / 2 <= k)
        ++b;
    pair.b = static_cast<int32_t>(b);
    pair.a = static_cast<int32_t>(k - b * (b + 1) / 2);
    return pair;
}

bool IsT6RowStart(int32_t k)
{
    return k >= 0 && T6PairOfIndex(k).a == 0;
}

void ResetT6Scan()
{
    t6PairIndex = 0;
    t6Total = 0;
    std::fill(std::begin(t6Counters), std::end(t6Counters), 0);
}

void LayT6StartState(bool withBPoint, const T6Pair* first)
{
    // The centre of the side as it stands; the placing services skip a point
    // outside the storage.
    const auto centreColumn = static_cast<int16_t>(std::clamp(squareColumnCount / 2, 0, 32767));
    const auto centreRow = static_cast<int16_t>(std::clamp(squareRowCount / 2, 0, 32767));
    if (withBPoint) {
        cPointCount = 1;
        bPointCount = 1;
        bPointX[0] = centreColumn;
        bPointY[0] = centreRow;
    } else {
        cPointCount = 2;
        cPointX[1] = centreColumn;
        cPointY[1] = centreRow;
        bPointCount = 0;
    }
    if (first != nullptr) {
        cPointX[0] = static_cast<int16_t>(first->a);
        cPointY[0] = static_cast<int16_t>(first->b);
    }
}

void FindT6Maximum()
{
    t6MaxCount = 0;
    for (int32_t k = 0; k < kT6ShownPairs; ++k)
        if (t6Counters[k] > t6MaxCount) {
            t6MaxCount = t6Counters[k];
            t6MaxIndex = k;
        }
}
