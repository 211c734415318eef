#include "base/SquareSize.h"

int32_t squareRowCount = 10;
int32_t squareColumnCount = 10;
