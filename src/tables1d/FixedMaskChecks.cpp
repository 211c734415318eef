#include "tables1d/FixedMaskChecks.h"

#include <initializer_list>

namespace {

// Every start record is reported; the permuted test stops the check unless
// the caller relaxes it.
FixedClosureCheck Fixed(std::initializer_list<int32_t> offsets, int32_t blockSize)
{
    FixedClosureCheck check;
    ClosureMask& mask = check.mask;
    mask.pointCount = int32_t(offsets.size());
    const int32_t leftmost = *offsets.begin();
    int p = 0;
    for (const int32_t offset : offsets) mask.positions[p++] = offset - leftmost;
    mask.doubleLeftReach = -2 * leftmost;   // twice the centre's position
    check.scope.recordCount = 6 * blockSize;
    check.scope.blockSize = blockSize;
    check.scope.startCount = 6 * blockSize;
    check.scope.permuted = PermutedTest::Stop;
    check.scope.progressLevel = 0;
    return check;
}

} // namespace

FixedClosureCheck FixedCheckOfMask11()
{
    FixedClosureCheck check = Fixed({-1, 0, 1}, 9);
    check.scope.permuted = PermutedTest::StopWhenReferenceIsZero;
    return check;
}

FixedClosureCheck FixedCheckOfMask31() { return Fixed({-2, -1, 0, 1}, 27); }

FixedClosureCheck FixedCheckOfMask53() { return Fixed({-3, -1, 0, 1, 2}, 117); }

FixedClosureCheck FixedCheckOfMask73() { return Fixed({-3, -2, -1, 0, 1, 2}, 99); }
