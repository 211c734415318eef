#pragma once
// Change statistics of the 70 x 70 lattice experiments: where the square's
// domain boundaries move.
//
// Each recorded step pushes two boundary maps of the square into six-layer
// histories (layer 5 newest): X, the cell differs from the one above it, and
// Y, the cell differs from the one to its left (row 0's upper neighbour is
// the last row, column 0's left neighbour the last column). The span marks
// compare two layers symmetrically around the middle of the six-step window
// (span 1: layers 2 and 3, span 3: layers 1 and 4, span 5: layers 0 and 5):
// a boundary that was there and is gone marks +1 ("vanished"), one that was
// not there and is marks -1 ("appeared", the byte 255). Per cell the vanish
// and appear counts accumulate; the net maps hold vanish minus appear.
//
// Every map is 70 x 70 (row stride 70). A square larger than 70 in either
// direction is watched in its first 70 rows and columns only.

#include <cstdint>

constexpr int kStatSide = 70;
constexpr int kChangeHistoryDepth = 6;

using StatCountMap = int32_t[kStatSide][kStatSide];
using StatMarkMap = int8_t[kStatSide][kStatSide];
using StatByteMap = uint8_t[kStatSide][kStatSide];

extern uint8_t changeHistoryX[kChangeHistoryDepth][kStatSide][kStatSide];
extern uint8_t changeHistoryY[kChangeHistoryDepth][kStatSide][kStatSide];

extern StatMarkMap changeMarkX1, changeMarkY1, changeMarkX3, changeMarkY3, changeMarkX5, changeMarkY5;
extern StatCountMap vanishCountX1, vanishCountY1, vanishCountX3, vanishCountY3, vanishCountX5, vanishCountY5;
extern StatCountMap appearCountX1, appearCountY1, appearCountX3, appearCountY3, appearCountX5, appearCountY5;
extern StatCountMap netChangeX1, netChangeY1, netChangeX3, netChangeY3, netChangeX5, netChangeY5;

// The per-cell statistic of the 70 x 70 square that the statistics display,
// the heat map and the views of the experiments draw.
extern StatCountMap cellStatMap;
// Three of the byte marker maps of the experiments (no command fills them;
// "a-TEMP/2" reads them and the statistics reset clears them).
extern StatByteMap statMarkerMapA, statMarkerMapB, statMarkerMapC;

extern int32_t statPenWidth;        // pen width of the mark dashes and the display's frame (2)
extern int32_t statColourModulus;   // modulus of the cellStatMap pen colour (3); 0 is read as 1

// The maps of one span (1, 3 or 5) and one direction.
struct ChangeSpanMaps {
    int olderLayer, newerLayer;
    uint8_t (*history)[kStatSide][kStatSide];
    int8_t (*mark)[kStatSide];
    int32_t (*vanish)[kStatSide];
    int32_t (*appear)[kStatSide];
    int32_t (*net)[kStatSide];
};
constexpr int kSpanCount = 3;
// spanItem 0, 1, 2 = span 1, 3, 5 (the items of "Vid"); a spanItem outside
// 0..2 gives nullptr.
const ChangeSpanMaps* ChangeSpan(int spanItem, bool isX);

// Rows and columns of the square the statistics look at: the used side cut to 70.
int StatRows();
int StatColumns();

// Builds the X and Y boundary maps of the current square and pushes them into
// the histories (layer k := layer k + 1, layer 5 := the new map), cell by cell
// over StatRows() x StatColumns(); cells outside keep their layers.
void PushBoundaryMaps();

// The marks of all three spans in both directions over StatRows() x
// StatColumns(), the counts they increment, then RecomputeNetMaps(). Counts
// stop at the int32 limit instead of overflowing.
void MakeSpanMarks();

// Every net map := vanish - appear over the whole 70 x 70, cut to the int32
// range (counts read from files may be anything).
void RecomputeNetMaps();

// The statistics reset: the twelve counters, cellStatMap and the marker maps
// := 0 over the whole 70 x 70. Histories, marks and net maps stay.
void ResetChangeStatistics();
