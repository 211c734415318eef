#include "runs/MarkerGrids.h"

#include "engine/StringState.h"

uint8_t theoryPrediction[kTraceRows][kStringCells] = {};
int16_t markerGrid[kTraceRows][kStringCells] = {};
int16_t directWorkGrid[kTraceRows][kStringCells] = {};
uint8_t markerCellHandled[kStringCells] = {};

void ResetMarkerGrids(bool directWork) {
  const int32_t length = UsedStringLength();
  for (int r = 0; r < kTraceRows; ++r) {
    for (int i = 0; i < length; ++i) {
      theoryPrediction[r][i] = 0;
      markerGrid[r][i] = 0;
      if (directWork) directWorkGrid[r][i] = 3;
    }
  }
  for (int r = 0; r < 5; ++r)
    for (int i = 0; i < length; ++i) theoryPrediction[r][i] = 1;
  for (int i = 0; i < length; ++i) {
    markerGrid[0][i] = stringA[i] == 2 ? 0 : 3;
    markerCellHandled[i] = 0;
  }
}
