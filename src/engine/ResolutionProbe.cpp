#include "engine/ResolutionProbe.h"

uint8_t rtProbeSource[8] = {};
uint8_t rtProbeRow[8] = {};
int32_t rt1Width = 0;
