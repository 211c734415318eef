#pragma once
// Helpers of the two-dimensional table tests: event planes laid by hand, and
// for the form tests the main window started afresh on a program folder that
// is also the current directory, its messages and dialogs answered by the test.
#include "../tables1d/TableTestSupport.h"
#include "runs/RecordedRun.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables2d/GrowthEvents.h"
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

} // namespace table2dtest

#ifdef QT_WIDGETS_LIB
#include "widgets/Timer.h"

namespace table2dtest {

class Window2dTest : public tabletest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        previousDir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);   // "RR4.dat" and "DAT/" lie here
    }
    void TearDown() override
    {
        std::filesystem::current_path(previousDir_);
        WindowTest::TearDown();
    }
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

    std::filesystem::path previousDir_;
};

} // namespace table2dtest
#endif
