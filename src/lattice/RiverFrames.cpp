#include "lattice/RiverFrames.h"

uint8_t riverFrames[kRiverFrameCount][kStatSide][kStatSide] = {};
