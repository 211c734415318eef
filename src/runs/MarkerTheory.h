#pragma once
// The marker theory: from string A's start alone it predicts where string A
// will hold 0. Row 0 of markerGrid holds a marker (3) on every non-empty start
// cell; each row the markers move one cell left (1) or right (2), meet and
// annihilate or merge (4 re-emits both ways in the next row); every non-zero
// grid cell is a predicted 0. The inverse direction derives marker values from
// an observed zero trace by fixed rule lists, and the five-cell table M11 is
// learned from a marker grid. Columns wrap by a full modulo of stringLength;
// every grid access outside its rows is skipped (write) or reads 0.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "runs/MarkerGrids.h"

constexpr int kCollisionRows = 20;
constexpr int kTheoryRows = 20;     // rows 0..19 are advanced, building rows 1..20
constexpr int kM11Entries = 5 * 5 * 5 * 5 * 5;
constexpr uint8_t kM11Empty = 156;
constexpr int kM11FileBytes = 125;  // the keys whose first two cells are 0

// [r][x]: a collision across the boundary between columns x - 1 and x in row r;
// the left grid governs the change of column x - 1, the right grid of column x.
extern uint8_t markerCollisionLeft[kCollisionRows][kStringCells];
extern uint8_t markerCollisionRight[kCollisionRows][kStringCells];
extern int32_t markerRow;   // the row the six steps advance
// Index 625*m(x-2) + 125*m(x-1) + 25*m(x) + 5*m(x+1) + m(x+2) of the row above.
extern uint8_t markerTableM11[kM11Entries];

// Checked reads of the grids (0 outside).
int16_t MarkerAt(int64_t row, int32_t column);
uint8_t CollisionLeftAt(int64_t row, int32_t column);
uint8_t CollisionRightAt(int64_t row, int32_t column);

// The six steps on row markerRow, each over the columns ascending, in place.
void MarkCollisions();       // "St marker 96"
void AnnihilateMarkers();    // "Vikid 97"
void MarkMeetingSites();     // "Pust+Mar=4 99"
void ConvergeMarkers();      // "0 na +1 (Sli) 95": writes row r + 1
void MoveMarkers();          // "+1 94"
void ReemitMarkers();        // "Krug v 3  +1 100"
// The six steps in this order: row markerRow + 1 built from row markerRow.
void AdvanceMarkerRow();

// seriesStepCount += 1; the six steps for markerRow = 0..19 (left at 20);
// theoryPrediction := (marker != 0) over all 30 rows.
void BuildMarkerPrediction();
// zeroTraceA equals theoryPrediction over rows 0..lastHistoryRow (rows past
// the 30 trace rows are empty in both) and the string's columns.
bool MarkerPredictionHolds();

// "1 1  108" (first rule list) and "1 1 P  112" (second): observed zeros
// become 5, vertical runs of zeros 4 but their last row, then the 5s (list 1)
// or every cell (list 2) take the value the row above gives. Rows 1..28.
void DeriveMarkersFromTrace(bool secondRuleList);

// "Button114": learns M11 from rows 1 .. lastHistoryRow - 3 (1, 2 and 3 stored
// as 5); a window whose row above holds a value outside 0..4 is skipped.
// Returns the entries that differ from 156.
int32_t LearnM11();
int32_t CountM11Filled();
// "0 M11 113": every entry 156, then key (1, 2, 4, 4, 0) 0.
void ResetM11();
// "View 115": the keys holding value, in index order, as five letters
// (0 "X", 1 "L", 2 "R", 3 "E", 4 "O"), first cell first.
std::vector<std::string> M11KeysHolding(int value);

enum class M11FileStatus { Loaded, Missing, Short, Malformed };
// The first 125 bytes of the file into the first 125 entries. A byte that is
// neither a marker value (0..5) nor the empty mark 156 makes the file
// malformed; a missing, short or malformed file changes nothing.
M11FileStatus ReadM11File(const std::filesystem::path& path);
