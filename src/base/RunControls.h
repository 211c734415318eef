#pragma once
// Settings of the string runs that the toolbar and the hidden panel keep in
// global copies: steps per press and the drawn cell size.
#include <algorithm>
#include <cstdint>

extern int32_t stepsPerRun;   // steps of one "n steps" press; 6 until start-up sets 1
// The steps of one press of "n steps" or one tick of the run timer are kept
// within 0 to 1000, so that no tick can freeze the window: a thousand steps of
// both 27-cell strings take a few milliseconds (bench/StringEngineBench), and a
// run that stops at all has mostly stopped long before (a recorded run may not
// take 500 steps), while a run that never stops (time reversed, a mask that
// keeps its zeros) goes on a thousand steps per tick and the window answers
// between the ticks.
constexpr int32_t kMaxStepsPerRun = 1000;
inline int32_t ClampStepsPerRun(int32_t v) { return std::clamp(v, 0, kMaxStepsPerRun); }
extern int32_t cellWidth;     // pixels of one drawn cell
extern int32_t cellHeight;
extern int32_t requestedCPointCount;   // C cells of a random start ("Edit6")
extern int32_t requestedBPointCount;   // B cells of a random start ("NB=")
extern int32_t cPointPen;     // pen value of C points ("Edit3")
