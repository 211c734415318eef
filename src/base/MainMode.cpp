#include "base/MainMode.h"

int32_t mainModeIndex = 0;
