#pragma once
// Switches shared by the one- and two-dimensional table functions and the
// vertical offset of every field picture.
#include <cstdint>

extern int32_t isTwoDimMode;   // 1 while the toolbar works on two-dimensional tables
extern int32_t fieldDrawTop;   // pixels added to every y of the field pictures
