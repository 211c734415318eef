#include "tables2d/TwoDimState.h"

int32_t isTwoDimMode = 0;
int32_t fieldDrawTop = 49;
