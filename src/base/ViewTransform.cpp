#include "base/ViewTransform.h"

int32_t viewOffsetX = 0;
int32_t viewOffsetY = 0;
double viewScale = 1.0;
int32_t viewOriginX = 0;
int32_t viewOriginY = 0;

double WorldToScreenX(double x) { return (viewFactorX * x + viewOffsetX) * viewScale + viewOriginX; }

double WorldToScreenY(double y) { return (viewFactorY * y + viewOffsetY) * viewScale + viewOriginY; }
