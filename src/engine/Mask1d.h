#pragma once
// The one-dimensional mask: the centre cell plus ticked left and right offsets
// of 1 to 10 cells. The builders turn the ticks (passed in, never read from a
// control) into the globals that the table generators, readers, checks and the
// learning read. Every write stays inside its array whatever is ticked.

#include <cstdint>

constexpr int kMask1dMaxDistance = 10;   // distances 1..10 make the mask
constexpr int kNeighbourSlots = 20;      // entries of neighbourOffsets / mask1dOffsets

// Ticks of the distances 1..10: element d-1 is true when distance d is ticked.
struct Mask1dTicks {
  bool left[kMask1dMaxDistance] = {};
  bool right[kMask1dMaxDistance] = {};
};

enum class Mask1dDirection { None, LeftToRight, RightToLeft };   // ">>", "<<"

extern uint8_t mask1dLeftFlags[kMask1dMaxDistance];
extern uint8_t mask1dRightFlags[kMask1dMaxDistance];
extern int32_t mask1dLeftBits;      // sum of 2^(d-1) over the ticked left distances
extern int32_t mask1dRightBits;
extern int32_t mask1dOffsetCount;   // ticked offsets, set by BuildMask1dFlags
extern int32_t mask1dOffsets[kNeighbourSlots];
extern int32_t neighbourOffsets[kNeighbourSlots];   // centre 0 first, then the ticks in direction order
extern int32_t neighbourCount;
extern int32_t mask1dPointCount;    // points of the mask including the centre
extern int32_t mask1dPositions[10];
extern int32_t mask1dDoubleLeftReach;
extern int32_t mask1dCentreIndex;

// "Nac 122": flags, bit masks and mask1dOffsets (ascending, without the centre).
void BuildMask1dFlags(const Mask1dTicks& ticks);

// Steps 1-3 of "Do from mask": mask1dPointCount and, for a direction, the
// neighbour list with the centre first. With no direction the point count is
// 0 and neighbourCount keeps its value. At most kNeighbourSlots - 1 offsets
// besides the centre are listed (the farthest ticks beyond that are dropped).
void BuildNeighbourList(const Mask1dTicks& ticks, Mask1dDirection direction);

// The point count BuildNeighbourList gives for these ticks, without building
// anything: 0 with no direction, else the centre plus the listed offsets.
int32_t NeighbourListLength(const Mask1dTicks& ticks, Mask1dDirection direction);

// Steps 6-7 of "Do from mask": the first mask1dPointCount entries of
// neighbourOffsets sorted into mask1dOffsets, then positions, the double left
// reach and the centre index (kept when no offset is 0). A point count of 0
// copies nothing; the double left reach is still taken from mask1dOffsets[0].
void DeriveMask1dFromNeighbours();
