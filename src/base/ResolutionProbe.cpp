#include "base/ResolutionProbe.h"

uint8_t rtProbeSource[10] = {};
uint8_t rtProbeRow[10] = {};
int32_t rt1Width = 0;
