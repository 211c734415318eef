#include "base/StringLength.h"

int32_t stringLength = 27;
