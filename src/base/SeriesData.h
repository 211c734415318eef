#pragma once
// Per-step series of the lattice charts, shared with the string engine's run
// initialisers.

#include <cstdint>

constexpr int kSeriesLength = 100000;

extern int32_t colourSeries0[kSeriesLength];
extern int32_t colourSeries1[kSeriesLength];
extern int32_t colourSeries2[kSeriesLength];
// Residual of the lambda fit per step, written by the series files of the
// KiyFile menu and drawn by the series charts window.
extern int32_t lambdaResidual[kSeriesLength];
