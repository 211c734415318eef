#include "lattice/TimeBar.h"

#include <algorithm>

#include "lattice/LatticeSettings.h"
#include "lattice/VideoSettings.h"

int32_t timeBarMarker1 = 0;
int32_t timeBarDrawn1 = 0;
int32_t timeBarMarker2 = 0;
int32_t timeBarDrawn2 = 0;

int32_t TimeBarTotal() { return timeBarTotalSteps == 0 ? 1 : timeBarTotalSteps; }

int32_t TimeBarX(int32_t t) {
  const double total = TimeBarTotal();
  const double held = std::clamp<double>(t, std::min(0.0, total), std::max(0.0, total));
  const double left = timeBarLeft;
  const double right = timeBarRight;
  // The result lies between the two edges, so it fits an int32.
  return static_cast<int32_t>(held / total * (right - left) + left);
}
