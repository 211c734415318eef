#pragma once
// The time bar of the video pictures: a rectangle (timeBarLeft .. timeBarRight
// of LatticeSettings.h) that two not-xor markers invert column by column, the
// step marker from the left as steps are made and the playback marker back
// from the right as the second step counter falls.

#include <cstdint>

extern int32_t timeBarMarker1;   // x of the step marker, recomputed on every advance
extern int32_t timeBarDrawn1;    // x up to which the step marker has been drawn (0 at start)
extern int32_t timeBarMarker2;   // x of the playback marker
extern int32_t timeBarDrawn2;    // x down to which the playback marker has been drawn (0 at start)

// timeBarTotalSteps as the bar reads it: 0 (an empty edit) is 1.
int32_t TimeBarTotal();

// The column of step count t: trunc(t / total x (right - left) + left) in
// floating point, total = timeBarTotalSteps (0 read as 1). t is first held
// between 0 and the total, so the column never leaves the bar: a run far
// past the total, or one counted backwards below 0, stays at an end.
int32_t TimeBarX(int32_t t);
