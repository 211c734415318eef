#pragma once
// One step of the lattice automaton on the square (base/Square.h): every
// used cell changes at once by how many cells of value 0 lie in its four
// rings of neighbours (LatticeRuleTable.h). The rows in use are
// squareRowCount and the columns squareColumnCount, each kept to 0..131; each
// axis wraps ("Circle") or ends ("Frozen A") at its own count, which is the
// same thing as long as the two counts are equal.
//
// Cell rule: the strings' rule (NextCellValue of engine/StringCells.h): 0
// becomes 1; 2 becomes 0 when the cell is excited, else stays 2; 1 becomes 2
// when excited, else 0. A cell holding anything else (from a file) has no
// rule here and keeps its value.

#include <cstdint>

// The items of "Border".
enum class SquareBorder { FrozenA = 0, Circle = 1 };

// Cells of value 0 whose row + column is odd, respectively even, as the last
// scan of the square counted them (zeroCellCountA and oneCellCountA, shared
// with the string engine, hold the cells 0 and 1).
extern int32_t oddZeroCellCount;
extern int32_t evenZeroCellCount;

// Whether a cell with ring counts c1..c4 is excited under the item of "sd":
// 0 "N1 p=4", 1 "N1* p=4", 2 "N2 p=2", 3 "N3 p=3" by formula; 4 "random-3"
// reads entry [0][c1][c2][c3][c3] and 5 "random-4" entry [0][c1][c2][c3][c4]
// of latticeRuleTable. Any other mode (no item chosen) excites nothing.
bool IsCellExcited(int mode, int c1, int c2, int c3, int c4);

// The zero counts of cell (row, column) as the rule is written, one
// neighbour at a time: all 15 elements of ringZeroCounts are cleared, then
// elements 1..4 receive c1..c4. "Circle" wraps each coordinate with a full
// modulo of its axis; "Frozen A" counts only neighbours inside the square.
void CountRingZeros(int row, int column, SquareBorder border);

// Writes the next state of every used cell of squareCells into
// squareNextCells, rows outer, columns inner, reading only squareCells.
// Cells of other values are not written. Afterwards ringZeroCounts holds the
// counts of the last cell visited, as after CountRingZeros.
void ComputeNextSquare(int mode, SquareBorder border);
// The same result computed cell by cell through CountRingZeros: the rule as
// written, kept to check ComputeNextSquare against and to measure it by.
void ComputeNextSquareReference(int mode, SquareBorder border);

// Clears the four cell counters and scans the square row by row, counting
// cells 0 (and their parity) and cells 1. The scan stops as soon as the cells
// 0 and 1 together exceed limit, leaving partial counts. True when the whole
// square was scanned, i.e. it holds at most limit cells of value 0 or 1.
bool CountSquareCells(int32_t limit);

// One step: copy the square into the next-state grid, compute the next
// state, copy it back, and scan with an early stop past one cell. True when
// the pattern has died: at most one cell of value 0 or 1 is left.
bool StepSquare(int mode, SquareBorder border);
