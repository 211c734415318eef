#include "engine/StringPaint.h"

#include "engine/DrawingRanges.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"

int32_t drawOriginX = 300;
int32_t drawOriginY = 0;
int32_t paintShiftX = 350;
int32_t paintShiftRows = 0;
int32_t paintTimeOffset = 0;
int32_t digitDisplayValue = 0;

namespace {

struct Box {
  int x0, y0, q, r;
};

// The box of cell i. The shifts are computed wide and bounded far off the canvas,
// so a long run's local time or a large row shift cannot overflow the coordinates.
Box CellBox(const StringPaintSettings& s, int i, int32_t localTime) {
  const int64_t yShift = s.lowerItem != 0 ? int64_t{s.cellHeight} * paintShiftRows : 0;
  paintCellShiftY = ClampFarOff(3.0 * s.cellHeight * 0.25 * (static_cast<double>(localTime) - paintTimeOffset));
  Box b;
  b.x0 = ClampFarOff(int64_t{s.cellWidth} * i + drawOriginX + int64_t{s.shiftItem} * paintShiftX);
  b.y0 = ClampFarOff(int64_t{paintCellShiftY} + drawOriginY + yShift);
  b.q = s.cellWidth / 4;
  b.r = s.cellHeight / 4;
  return b;
}

// The trial's time limit met: both strings stop, counted once per paint.
void HitTimeLimit(bool& counted) {
  if (!isTestRunning) return;
  stringAStopState = stringBStopState = 1;
  if (!counted) {
    ++timeLimitHitCount;
    counted = true;
  }
}

void SetTrace(uint8_t (&trace)[kTraceRows][kStringCells], int32_t row, int i) {
  if (IsTraceCell(row, i)) trace[row][i] = 1;
}

}  // namespace

void PaintStrings(const StringPaintSettings& s, StringMarkSink& sink) {
  const int32_t length = UsedStringLength();
  const bool draw = !s.notDraw;
  bool counted = false;
  if (stringAStopState < 2) {
    for (int i = 0; i < length && !s.ordinary; ++i) {
      const Box b = CellBox(s, i, localTimeA[i]);
      const int32_t h = localTimeA[i] / 2;
      const uint8_t v = stringA[i];
      if (v == 1 && s.mB) {
        sink.useOutline(kPaintBlack);
        if (draw) sink.ellipse(b.x0 + b.q + 2, b.y0 + 2, b.x0 + s.cellWidth - b.q - 2, b.y0 + s.cellHeight - 2);
      } else if (v == 0 && s.mC) {
        sink.useFill(s.grey ? kPaintGrey : kPaintBlack);
        if (draw) sink.ellipse(b.x0 + b.q + 1, b.y0 + 2, b.x0 + s.cellWidth - b.q - 1, b.y0 + s.cellHeight - 2);
        if (h >= s.timeLimit) {
          HitTimeLimit(counted);
        } else if (IsTraceCell(h, i)) {
          zeroTraceA[h][i] = 1;
          zeroStepA[h][i] = stepCount;
        }
        lastHistoryRow = h;
      } else if (v == 2 && s.mA) {
        sink.useOutline(kPaintRed);
        if (draw) sink.ellipse(b.x0 + b.q + 2, b.y0 + 2, b.x0 + s.cellWidth - b.q - 2, b.y0 + s.cellHeight - 2);
        if (h - 1 < s.timeLimit) SetTrace(twoTraceA, h - 1, i);
        else HitTimeLimit(counted);
      }
    }
    if (stringAStopState != 0) ++stringAStopState;
  }
  if (stringBStopState < 2) {
    for (int i = 0; i < length && !s.ordinary; ++i) {
      const Box b = CellBox(s, i, localTimeB[i]);
      const int32_t h = localTimeB[i] / 2;
      const int x1 = b.x0 + 2, y1 = b.y0 + b.r + 2, x2 = b.x0 + s.cellWidth - 2, y2 = b.y0 + s.cellHeight - b.r - 2;
      const uint8_t v = stringB[i];
      if (v == 1 && s.mdB) {
        sink.useOutline(kPaintBlack);
        if (draw) sink.ellipse(x1, y1, x2, y2);
      } else if (v == 0 && s.mdC) {
        sink.useFill(kPaintBlack);
        if (draw) sink.ellipse(x1, y1, x2, y2);
        if (h < s.timeLimit) {
          if (IsTraceCell(h, i)) {
            zeroTraceB[h][i] = 1;
            zeroStepB[h][i] = stepCount;
          }
        } else {
          HitTimeLimit(counted);
        }
      } else if (v == 2 && s.mdA) {
        sink.useOutline(kPaintBlue);
        if (draw) sink.ellipse(x1, y1, x2, y2);
        if (h - 1 < s.timeLimit) SetTrace(twoTraceB, h - 1, i);
        else HitTimeLimit(counted);
      }
    }
    if (stringBStopState != 0) ++stringBStopState;
  }
}
