#pragma once
// The five point tables of the two-dimensional masks (5 to 9 points; table t
// belongs to item t of "n points"), the first extra point kept by its edits,
// and the normalised copy of the table normalised last with its bounds.
//
// Table t uses its first 5 + t points: points 0 to 4 are the cross (point 0
// the centre), points 5 to 4 + t the extra points. Slots past those keep
// whatever was written last; nothing removes duplicate points.
#include <cstdint>
#include <string>

struct Mask2dPoint {
    int32_t x = 0;   // column offset on the torus (second index of a cell)
    int32_t y = 0;   // row offset on the torus (first index of a cell)
};

constexpr int kMask2dTableCount = 5;
constexpr int kMask2dTableSlots = 10;
constexpr int kMask2dCrossPoints = 5;

// Every coordinate a user can set lies within -kMask2dCoordinateLimit ..
// kMask2dCoordinateLimit: normalised points, spans and the growth run's index
// sums then stay small, and the window the closure check scans stays bounded.
constexpr int32_t kMask2dCoordinateLimit = 99;

extern Mask2dPoint mask2dPointTables[kMask2dTableCount][kMask2dTableSlots];
extern int32_t extraPointX5;
extern int32_t extraPointY5;
extern int32_t mask2dPointCount;   // points of the current mask, 5..9; the key length of its tables

// The table normalised last, moved so that its smallest x and y are 0.
extern Mask2dPoint mask2dNormalizedPoints[kMask2dTableSlots];
extern int32_t mask2dMinX, mask2dMinY;     // smallest raw x and y
extern int32_t mask2dMaxX, mask2dMaxY;     // largest normalised x and y
extern int32_t mask2dSpanX, mask2dSpanY;   // 2 * max + 1: the window the closure check scans

// Whether t names one of the five tables, and how many points it uses.
constexpr bool IsMask2dTable(int t) { return t >= 0 && t < kMask2dTableCount; }
constexpr int Mask2dTablePoints(int t) { return kMask2dCrossPoints + t; }

int32_t ClampMask2dCoordinate(int32_t value);

// Computes the bounds and the normalised copy from table t; changes nothing
// for a t outside 0..4.
void NormaliseMask2d(int t);

// The two orders in which the cross is laid into table 0.
enum class CrossOrder {
    Startup,   // (0,0) (1,0) (0,1) (0,-1) (-1,0)
    Reset,     // (0,0) (0,1) (-1,0) (0,-1) (1,0)
};
void LayCross(CrossOrder order);

// Copies points 0 to 4 of table 0 into table t (1..4) and sets its extra
// points by the item's rule: 1: (X5, Y5); 2: (X5, Y5), (-X5, -Y5);
// 3: (1,1), (1,-1), (-1,1); 4: those and (-1,-1). Other t: nothing.
void RebuildMask2dTable(int t);

// Lays the cross in its start-up order in tables 0 to 2 and the extra
// points of tables 1 and 2 from (extraPointX5, extraPointY5).
void LayStartupMask2dTables();

// The eight coordinate edits "X5=", "Y5=", ... "Y8=", numbered 0..7:
// edit e shows coordinate e % 2 (0 = x) of extra point 5 + e / 2.
constexpr int kMask2dEditCount = 8;
constexpr int Mask2dEditPoint(int e) { return 5 + e / 2; }

// Stores a typed coordinate of edit e while item t is chosen, into the tables
// the edit writes: "X5=", "Y5=" tables 1..4 (and extraPointX5/Y5 first), "X6="
// tables 2..4 whatever the item; the others from table t upward, and only when
// item t has the point. The value is clamped to the coordinate limit.
void StoreMask2dEditValue(int e, int t, int32_t value);

// The text edit e shows for item t: the coordinate as decimal text when the
// item has the point, otherwise "X".
std::string Mask2dEditText(int e, int t);
