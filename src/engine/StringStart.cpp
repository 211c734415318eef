#include "engine/StringStart.h"

#include <algorithm>

#include "base/Random.h"
#include "base/RunControls.h"
#include "engine/StringState.h"
#include "engine/StringPaint.h"
#include "base/PointLists.h"
#include "base/SeriesData.h"

uint8_t isRandomInitialString = 0;

void ResetStringCounters() {
  const int32_t length = UsedStringLength();
  for (int32_t i = 0; i < length; ++i) balanceA[i] = balanceB[i] = localTimeA[i] = localTimeB[i] = 0;
}

void ResetStringBalances() {
  const int32_t length = UsedStringLength();
  for (int32_t i = 0; i < length; ++i) balanceA[i] = balanceB[i] = 0;
}

void ResetRunState() {
  stopTimeA = stopTimeB = 0;
  isStoppedStringASaved = isStoppedStringBSaved = 0;
  stringAStopState = stringBStopState = 0;
  drawOriginX = 0;
  cycleCount = 0;
  stepCount = 0;
  seriesStepCount = -17;
}

void DrawRandomPointLists(bool complementDraw) {
  const int32_t length = UsedStringLength();
  if (length <= 0) {
    cPointCount = bPointCount = 0;
    return;
  }
  cPointCount = PointListLength(requestedCPointCount);
  for (int32_t k = 0; k < cPointCount; ++k) cPointX[k] = static_cast<int16_t>(Rand() % length);
  bPointCount = PointListLength(requestedBPointCount);
  for (int32_t k = 0; k < bPointCount; ++k) bPointX[k] = static_cast<int16_t>(Rand() % length);
  if (!complementDraw || Rand() % 2 == 0) return;
  bool drawn[kStringCells] = {};
  for (int32_t k = 0; k < bPointCount; ++k) drawn[bPointX[k]] = true;
  int32_t count = 0;
  for (int32_t column = 0; column < length; ++column)
    if (!drawn[column]) bPointX[count++] = static_cast<int16_t>(column);
  bPointCount = count;
}

namespace {

void SetStringAFromPoints(const int16_t* columns, int32_t count, uint8_t value) {
  const int32_t length = UsedStringLength();
  std::fill(stringA, stringA + length, uint8_t{2});
  std::fill(stringANext, stringANext + length, uint8_t{2});
  count = PointListLength(count);
  for (int32_t k = 0; k < count; ++k)
    if (columns[k] >= 0 && columns[k] < length) stringA[columns[k]] = value;
}

}  // namespace

void SetStringAFromCPoints() { SetStringAFromPoints(cPointX, cPointCount, 0); }
void SetStringAFromBPoints() { SetStringAFromPoints(bPointX, bPointCount, 1); }

void DeriveStringB() {
  const int32_t length = UsedStringLength();
  for (int32_t i = 0; i < length; ++i) stringB[i] = ExchangeOneTwo(stringA[i]);
}

void TakeStartString() {
  std::copy(stringA, stringA + kStringCells, stringAStart);
  DeriveStringB();
  colourSeries0[0] = requestedBPointCount;
}

void RandomizeStringA() {
  const int32_t length = UsedStringLength();
  if (isRandomInitialString == 0) {
    std::fill(stringA, stringA + length, uint8_t{1});
    stringA[0] = 2;   // both inside the 27 cells of storage whatever the length
    stringA[6] = 2;
    return;
  }
  const bool twoMajority = Rand() % 2 != 0;
  for (int32_t i = 0; i < length; ++i) {
    const bool majority = Rand() % 5 != 0;
    stringA[i] = (majority == twoMajority) ? 2 : 1;
  }
}

void MakeRandomStart() {
  const int32_t length = UsedStringLength();
  std::fill(stringA, stringA + length, uint8_t{2});
  DrawRandomPointLists();
  SetStringAFromCPoints();
  SetStringAFromBPoints();
  TakeStartString();
}
