#include "base/SeriesData.h"

int32_t colourSeries0[kSeriesLength] = {};
int32_t colourSeries1[kSeriesLength] = {};
int32_t colourSeries2[kSeriesLength] = {};
int32_t lambdaResidual[kSeriesLength] = {};
