#include "engine/StringState.h"

#include <algorithm>

#include "base/StringLength.h"

uint8_t stringA[kStringCells] = {};
uint8_t stringB[kStringCells] = {};
uint8_t stringANext[kStringCells] = {};
uint8_t stringBNext[kStringCells] = {};
uint8_t stringAStart[kStringCells] = {};
uint8_t stoppedStringA[kStringCells] = {};
uint8_t stoppedStringB[kStringCells] = {};
uint8_t isStoppedStringASaved = 0;
uint8_t isStoppedStringBSaved = 0;

int32_t stepCount = 0;
int32_t seriesStepCount = -25;
int32_t cycleCount = 0;
int32_t activitySamplePaintCount = 0;

uint8_t stringAStopState = 0;
uint8_t stringBStopState = 0;
int32_t stopTimeA = 0;
int32_t stopTimeB = 0;

int32_t balanceA[kStringCells] = {};
int32_t balanceB[kStringCells] = {};
int32_t localTimeA[kStringCells] = {};
int32_t localTimeB[kStringCells] = {};
int32_t zeroCellCountA = 0, oneCellCountA = 0, twoCellCountA = 0;
int32_t zeroCellCountB = 0, oneCellCountB = 0, twoCellCountB = 0;
int16_t leftZeroCounts[15] = {};
int16_t rightZeroCounts[15] = {};

uint8_t isTimeReversed = 0;
uint8_t isSingleStep = 0;
uint8_t isRedrawNeeded = 0;
uint8_t isTestRunning = 0;

uint8_t areStoppedStringsDisjoint = 0;
uint8_t isStopAUnlikeStart = 0;
uint8_t isBothStoppedAtStep3 = 0;
uint8_t traceMatchTwoBZeroA = 0, traceMatchZeroBTwoA = 0, traceMatchZeroACompareA = 0, traceMatchZeroBCompareB = 0;

int32_t UsedStringLength() { return std::clamp(stringLength, 0, kStringCells); }
