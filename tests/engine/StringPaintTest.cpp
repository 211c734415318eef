// What one paint of strings A and B hands to its drawing: the pen and brush of
// every marked cell, and its ellipse unless "Not Draw" is set.
#include "base/StringLength.h"
#include "engine/StringPaint.h"
#include "engine/StringState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Records the calls as text: "outline <colour>", "fill <colour>", "ellipse x1 y1 x2 y2".
class RecordedMarks : public StringMarkSink {
 public:
  void useOutline(uint32_t colour) override { calls.push_back("outline " + std::to_string(colour)); }
  void useFill(uint32_t colour) override { calls.push_back("fill " + std::to_string(colour)); }
  void ellipse(int x1, int y1, int x2, int y2) override {
    calls.push_back("ellipse " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) + " " +
                    std::to_string(y2));
  }
  std::vector<std::string> calls;
};

const std::string kBlack = "0", kGrey = std::to_string(0x808080), kRed = std::to_string(0x0000FF),
                  kBlue = std::to_string(0xFF0000);

class StringPaint : public ::testing::Test {
 protected:
  void SetUp() override {
    // A: 1 0 2 1, B: 2 1 0 0; every cell at local time 0 on a 25-pixel grid from (0, 0).
    stringLength = 4;
    const uint8_t a[] = {1, 0, 2, 1}, b[] = {2, 1, 0, 0};
    std::copy(a, a + 4, stringA);
    std::copy(b, b + 4, stringB);
    std::fill(localTimeA, localTimeA + 4, 0);
    std::fill(localTimeB, localTimeB + 4, 0);
    stringAStopState = stringBStopState = 0;
    drawOriginX = drawOriginY = 0;
    paintTimeOffset = 0;
    s.mA = s.mB = s.mC = true;
    s.mdA = s.mdC = true;   // B's 1 cells ("mdB") are not marked
    s.grey = true;
  }
  StringPaintSettings s;
  RecordedMarks marks;
};

TEST_F(StringPaint, NotDrawSetsThePenAndBrushOfEveryMarkedCellAndDrawsNothing) {
  s.notDraw = true;
  PaintStrings(s, marks);
  EXPECT_EQ(marks.calls, (std::vector<std::string>{"outline " + kBlack, "fill " + kGrey, "outline " + kRed,
                                                   "outline " + kBlack, "outline " + kBlue, "fill " + kBlack,
                                                   "fill " + kBlack}));
}

TEST_F(StringPaint, EachMarkedCellIsDrawnWithThePenAndBrushSetForIt) {
  PaintStrings(s, marks);
  // q = r = 25 / 4 = 6. A narrowed: 1 and 2 at (x0 + 8, 2, x0 + 17, 23), 0 at
  // (x0 + 7, 2, x0 + 18, 23); B flattened: (x0 + 2, 8, x0 + 23, 17).
  EXPECT_EQ(marks.calls,
            (std::vector<std::string>{"outline " + kBlack, "ellipse 8 2 17 23", "fill " + kGrey, "ellipse 32 2 43 23",
                                      "outline " + kRed, "ellipse 58 2 67 23", "outline " + kBlack,
                                      "ellipse 83 2 92 23", "outline " + kBlue, "ellipse 2 8 23 17", "fill " + kBlack,
                                      "ellipse 52 8 73 17", "fill " + kBlack, "ellipse 77 8 98 17"}));
}

TEST_F(StringPaint, OrdinaryAndStoppedStringsSetNoPen) {
  s.ordinary = true;
  s.notDraw = true;
  PaintStrings(s, marks);
  s.ordinary = false;
  stringAStopState = stringBStopState = 2;
  PaintStrings(s, marks);
  EXPECT_TRUE(marks.calls.empty());
}

}  // namespace
