#pragma once
// The second step counter of a run (0 after a reset): the frame playback of
// the video recorder counts it down by 3 per frame, and "Load f 71" shows the
// stored frame it points at.

#include <cstdint>

extern int32_t secondStepCount;
