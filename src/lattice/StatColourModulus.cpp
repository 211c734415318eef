#include "lattice/StatColourModulus.h"

int32_t statColourModulus = 3;
