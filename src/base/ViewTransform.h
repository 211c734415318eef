#pragma once
// World-to-screen transform of the lattice drawings:
// screen = (0.8 * world + offset) * viewScale + origin, per axis, as a double
// the caller truncates toward zero.

#include <cstdint>

inline constexpr double viewFactorX = 0.8;  // fixed scale factors of the two axes
inline constexpr double viewFactorY = 0.8;

extern int32_t viewOffsetX;  // 0 at start; set by the large step-number drawing
extern int32_t viewOffsetY;
extern double viewScale;     // 1.0 at start
extern int32_t viewOriginX;  // 0 at start
extern int32_t viewOriginY;

double WorldToScreenX(double x);
double WorldToScreenY(double y);
