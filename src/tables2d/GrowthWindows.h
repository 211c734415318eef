#pragma once
// The windows a harvest takes from the last growth run: for every event
// k = 1 .. historyRowCount - 2 (outermost, within the stored event planes),
// row i and column j (innermost) of the side x side torus, the group elements
// of layer 1's event k at the mask points around (i, j), the element c that
// follows at (i, j) itself one event later, and the output value d there.
// Event 0 is never a window; the last event only follows the one before it.
#include "base/GrowthEvents.h"
#include "mask2d/Mask2dTables.h"
#include "runs/RecordedRun.h"
#include "tables2d/GrowthRun.h"

#include <algorithm>
#include <cstdint>
#include <utility>

struct GrowthWindow {
    int32_t event = 0, i = 0, j = 0;
    uint8_t key[kGrowthMaskPoints] = {};   // e_p of points 0 .. pointCount - 1
    int32_t next = 0;                      // c, a group element
    int32_t output = 0;                    // d
};

struct GrowthWindowCounts {
    int32_t windows = 0;          // windows handed to the visitor
    int32_t skippedWindows = 0;   // windows with a cell or next element outside 0..5
    bool stopped = false;         // the visitor ended the walk
};

// The events a walk takes: 1 .. historyRowCount - 2, within the stored event planes.
inline int32_t LastGrowthWindowEvent() { return std::min(historyRowCount, kGrowthEventPlanes) - 2; }

// Hands every window whose cells and next element are group elements to
// visit(const GrowthWindow&), which returns false to end the walk there.
// pointCount is taken within 0..9 points of `points`; side within 0..27. Only
// the events from firstEvent to lastEvent (within the walk's own) are taken,
// so that a walk can be made in parts, one range of events after the other.
template <class Visit>
GrowthWindowCounts ForEachGrowthWindow(int32_t side, const Mask2dPoint* points, int pointCount, Visit visit,
                                       int32_t firstEvent = 1, int32_t lastEvent = kGrowthEventPlanes)
{
    auto isElement = [](int32_t v) { return v >= 0 && v <= 5; };
    GrowthWindowCounts counts;
    const int32_t n = std::clamp(side, 0, kGrowthSide);
    const int cells = std::clamp(pointCount, 0, kGrowthMaskPoints);
    // Event k + 1 is read for every window of event k.
    firstEvent = std::max(firstEvent, 1);
    lastEvent = std::min(lastEvent, LastGrowthWindowEvent());
    // The wrapped row and column of every point around each (i, j), worked out once:
    // a harvest walks tens of thousands of windows at every run.
    int32_t rowOf[kGrowthMaskPoints][kGrowthSide], columnOf[kGrowthMaskPoints][kGrowthSide];
    for (int p = 0; p < cells; ++p)
        for (int32_t t = 0; t < n; ++t) {
            rowOf[p][t] = WrapTorus(t + points[p].y, n);
            columnOf[p][t] = WrapTorus(t + points[p].x, n);
        }
    GrowthWindow w;
    for (w.event = firstEvent; w.event <= lastEvent; ++w.event)
        for (w.i = 0; w.i < n; ++w.i) {
            const int32_t* rows[kGrowthMaskPoints];
            for (int p = 0; p < cells; ++p) rows[p] = growthEventElement1[w.event][rowOf[p][w.i]];
            for (w.j = 0; w.j < n; ++w.j) {
                bool inGroup = true;
                for (int p = 0; p < cells; ++p) {
                    const int32_t e = rows[p][columnOf[p][w.j]];
                    inGroup = inGroup && isElement(e);
                    w.key[p] = uint8_t(e);
                }
                w.next = growthEventElement1[w.event + 1][w.i][w.j];
                if (!inGroup || !isElement(w.next)) {
                    ++counts.skippedWindows;
                    continue;
                }
                w.output = growthFrontDiffIncrement[w.event][w.i][w.j];
                ++counts.windows;
                if (!visit(std::as_const(w))) {
                    counts.stopped = true;
                    return counts;
                }
            }
        }
    return counts;
}
