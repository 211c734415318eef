#pragma once
// Helpers of the two-dimensional table tests: event planes laid by hand, and
// for the form tests the growth run's timer chain ticked by hand.
#include "../tables1d/TableTestSupport.h"
#include "base/GrowthEvents.h"
#include "runs/RecordedRun.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables2d/GrowthRun.h"

namespace table2dtest {

// Every cell of event plane k of layer 1 holds `element`, with output value d.
inline void LayEventPlane(int32_t k, int32_t element, int32_t d)
{
    for (int i = 0; i < kGrowthSide; ++i)
        for (int j = 0; j < kGrowthSide; ++j) {
            growthEventElement1[k][i][j] = element;
            growthFrontDiffIncrement[k][i][j] = d;
        }
}

// Every key of six cells over the alphabet with centre 0 whose cells 2 and 4
// agree: over {0, 4} a closed table of "Cross +1" with (1, 1) (next value =
// centre); over {0, 3} one whose conjugates by 4 are missing.
inline std::vector<tabletest::Key> KeysWithEqualCells24(const std::vector<uint8_t>& alphabet)
{
    std::vector<tabletest::Key> keys;
    for (const tabletest::Key& key : tabletest::AllKeysOver(alphabet, 6, 0))
        if (key[2] == key[4]) keys.push_back(key);
    return keys;
}

} // namespace table2dtest

#ifdef QT_WIDGETS_LIB
#include "widgets/Timer.h"

namespace table2dtest {

class Window2dTest : public tabletest::WindowTest {
protected:
    // Ticks Timer18 and Timer13 as the event loop would, until `done` holds,
    // the chain rests, a message came, or `ticks` ran out.
    void runChain(int ticks, const std::function<bool()>& done)
    {
        for (int n = 0; n < ticks && messages_.empty() && !done(); ++n) {
            if (Form1->Timer13->enabled())
                Timer::fireForTest(*Form1->Timer13);
            else if (Form1->Timer18->enabled())
                Timer::fireForTest(*Form1->Timer18);
            else
                return;
        }
    }
};

} // namespace table2dtest
#endif
