#pragma once
// Settings kept by the video settings window (caption "Y"): the step count
// that fills the time bar, and values that window stores and shows but
// nothing else uses. The time bar's rectangle is in LatticeSettings.h, the
// frame size in VideoFrameSize.h.

#include <cstdint>
#include <string>

// Steps that fill the whole time bar (2526). 0 (an empty edit) is kept as
// typed and read as 1 where the bar is drawn.
extern int32_t timeBarTotalSteps;

// Plain settings: the name of a recording, the multipliers of the left and
// right mouse buttons, a point and a spare value.
extern std::string videoName;          // "r016"
extern int32_t mouseMultiplierLeft;    // 6
extern int32_t mouseMultiplierRight;   // 100
extern int32_t videoPointX;            // 352
extern int32_t videoPointY;            // 176
extern int32_t videoSpareValue;        // 3

// The time bar's edges are canvas pixels; an edge typed far outside any
// canvas is kept at this distance, so the bar's width and every loop over
// its columns stay small and within int32.
inline constexpr int32_t kTimeBarEdgeLimit = 100000;
int32_t ClampTimeBarEdge(int32_t value);
