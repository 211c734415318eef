#include "engine/StringLength.h"

int32_t stringLength = 27;
