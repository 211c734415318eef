#pragma once
// What one paint of strings A and B draws and records. Every cell in use is a
// small ellipse whose height follows the cell's local time; while drawing, the
// paint records the trace rows of the cells (StringTraces.h). The drawing goes
// to a sink the form supplies (the canvas), so this file needs no control.

#include <cstdint>

extern int32_t drawOriginX;      // 300 at start; the run initialisers set 0
extern int32_t drawOriginY;
extern int32_t paintShiftX;      // 350; applied "napr-nal" item times
extern int32_t paintShiftRows;   // cell heights the drawing is lowered by with "vniz-vverh" != 0
extern int32_t paintTimeOffset;  // local time drawn at the origin row
extern int32_t digitDisplayValue;  // the number last drawn in large digits

// Colours as packed red + green*256 + blue*65536.
constexpr uint32_t kPaintBlack = 0x000000;
constexpr uint32_t kPaintGrey = 0x808080;
constexpr uint32_t kPaintRed = 0x0000FF;
constexpr uint32_t kPaintBlue = 0xFF0000;

// The paint sets the pen and the brush for every cell it marks, whether or not
// the cell is drawn ("Not Draw"): later drawings that set only part of the pen
// inherit them.
class StringMarkSink {
 public:
  virtual ~StringMarkSink() = default;
  // An outline: pen of this colour, width 4, solid; brush clear (its colour kept).
  virtual void useOutline(uint32_t colour) = 0;
  // A fill: pen and brush of this colour, pen clear and width 0, brush solid.
  virtual void useFill(uint32_t colour) = 0;
  // An ellipse with the pen and brush last set; right and bottom edges excluded.
  virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
};

struct StringPaintSettings {
  bool ordinary = false;   // "Ordinary": no cell is drawn or traced
  bool mA = false, mB = false, mC = false;      // A's values 2, 1, 0
  bool mdA = false, mdB = false, mdC = false;   // B's values 2, 1, 0
  bool grey = false;       // "DrRab 37": A's 0 cells grey
  bool notDraw = false;    // "Not Draw": traces only
  int shiftItem = 0;       // "napr-nal" item
  int lowerItem = 0;       // "vniz-vverh" item
  int32_t cellWidth = 25;
  int32_t cellHeight = 25;
  int32_t timeLimit = 100; // timeLimitC
};

// One paint. Every marked cell sets the sink's pen and brush; with notDraw no
// ellipse is drawn. Advances a nonzero stop state by one after drawing its
// string (a string is drawn while its state is below 2). Trace rows outside
// 0..29 are not recorded.
void PaintStrings(const StringPaintSettings& settings, StringMarkSink& sink);
