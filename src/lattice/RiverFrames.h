#pragma once
// The river frames: 2000 byte pictures of 70 x 70 cells (frame k at byte
// 4900 k, cell (r, c) at 70 r + c), filled only by their file reader.

#include <cstdint>

#include "lattice/ChangeStatistics.h"

constexpr int kRiverFrameCount = 2000;

extern uint8_t riverFrames[kRiverFrameCount][kStatSide][kStatSide];
