#include "lattice/SecondStepCount.h"

int32_t secondStepCount = 0;
