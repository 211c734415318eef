#include "mask2d/Mask2dPath.h"

std::string ttFileName2d;
