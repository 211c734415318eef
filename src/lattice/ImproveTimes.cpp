#include "lattice/ImproveTimes.h"

int32_t improveTimeCrit = 0;
int32_t improveTimeAll = 0;
