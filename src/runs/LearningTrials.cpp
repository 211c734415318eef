#include "runs/LearningTrials.h"

#include <algorithm>

#include "base/PointLists.h"
#include "base/Random.h"
#include "engine/StringCells.h"
#include "runs/RunViewState.h"

int32_t trialBCountBase = 0;
int32_t dirWorkNumber = 5;
uint8_t isTrialSeriesActive = 0;

namespace {

constexpr int64_t kLengthDivisor = 32760;
constexpr int64_t kBCountDivisor = 32768;
constexpr int64_t kLargestDraw = 32767;

int64_t LengthOf(int64_t r) { return int64_t{trialLengthBase} + r * trialLengthRange / kLengthDivisor; }
int64_t BCountOf(int64_t r) { return int64_t{trialBCountBase} + r * trialBCountRange / kBCountDivisor; }

}  // namespace

std::string TrialParameterProblem() {
  // Each value is monotonic in the draw, so its two extremes bound every trial.
  const int64_t lengths[] = {LengthOf(0), LengthOf(kLargestDraw)};
  const int64_t counts[] = {BCountOf(0), BCountOf(kLargestDraw)};
  if (std::min(lengths[0], lengths[1]) < 1 || std::max(lengths[0], lengths[1]) > kStringCells)
    return "Trial lengths N0 .. N0 + dN0 must lie within 1.." + std::to_string(kStringCells);
  if (std::min(counts[0], counts[1]) < 0 || std::max(counts[0], counts[1]) > kPointListCapacity)
    return "Trial B counts must lie within 0.." + std::to_string(kPointListCapacity);
  return {};
}

TrialDraw DrawTrial() {
  TrialDraw d;
  d.length = static_cast<int32_t>(std::clamp<int64_t>(LengthOf(Rand()), 0, kStringCells));
  d.bCount = static_cast<int32_t>(std::clamp<int64_t>(BCountOf(Rand()), 0, kPointListCapacity));
  return d;
}
