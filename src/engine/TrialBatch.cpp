#include "engine/TrialBatch.h"

#include "base/Random.h"

int32_t stepLimit = 1000000;
int32_t randomLengthMin = 20;
int32_t randomLengthMax = 40;
int32_t trialLimit = 1000;
int32_t trialStatistics[kTrialStatisticsCount] = {};
int32_t trialBatchRunCount = 0;

bool TrialLengthRangeRunnable() {
  return kShortestTrialLength <= randomLengthMin && randomLengthMin < randomLengthMax;
}

int32_t DrawTrialLength() {
  const int32_t draw = Rand();
  const int64_t span = static_cast<int64_t>(randomLengthMax) - randomLengthMin;
  if (span <= 0) return randomLengthMin;
  return static_cast<int32_t>(draw % span + randomLengthMin);
}

int32_t DrawTrialBCount(int32_t length) {
  const int32_t half = length / 2;
  if (half < kShortestTrialLength / 2) return 2;
  for (;;) {
    const int32_t count = static_cast<int32_t>(half * Rand() * 0.000030517578125);
    if (count >= 2) return count;
  }
}
