#pragma once
// Event tables of a recorded run, [event row k][column c]: an event of a
// column is a step after which the cell is not 1 (it holds 0 or 2); the k-th
// event of every column forms event row k. From them: the group element of
// each event (step mod 3, plus 3 for a 0 event), the fronts of strings A and
// B, their difference and its increment from one event row to the next (the
// output value d; 99 on the last event row). Tables are never cleared:
// entries at or beyond a column's own event count keep earlier runs' values.
#include <cstdint>

constexpr int kEventRows = 500;
constexpr int kEventColumns = 50;
constexpr int32_t kLastEventRowMark = 99;   // output value of the last event row

using EventTable = int32_t[kEventRows][kEventColumns];

extern EventTable eventValueA, eventValueB;          // 0 or 2
extern EventTable eventStepA, eventStepB;            // row t of prTableA / prTableB
extern EventTable twoEventStepA, twoEventStepB;      // t for a 2 event, else -1
extern EventTable zeroEventStepA, zeroEventStepB;    // t for a 0 event, else -1
extern EventTable eventElementA, eventElementB;      // group element 0..5
extern EventTable eventFrontDiff;                    // frontStepA - frontStepB
extern EventTable eventFrontDiffIncrement;           // output value d

// Fronts of the event row computed last (-1 = none), one entry per column.
extern int32_t frontTwoA[kEventColumns], frontZeroA[kEventColumns];
extern int32_t frontZeroB[kEventColumns], frontTwoB[kEventColumns];
extern int32_t frontStepA[kEventColumns], frontStepB[kEventColumns];

// The events of both strings from prTableA / prTableB over rows below
// stopTimeA / stopTimeB, for the columns in use; historyRowCount := the event
// count of string B's last column (0 when no column is in use).
void ExtractEvents();

// eventElementA/B of event rows below historyRowCount.
void ComputeEventElements();

// The fronts of event row k into the six front arrays. A row outside the
// tables has no events: every front is -1.
void ComputeFrontsOfRow(int32_t k);

// Fronts, eventFrontDiff and eventFrontDiffIncrement of event rows below
// historyRowCount; the last of them gets 99, and nothing is written when
// there is no event row.
void ComputeFrontsAndOutputs();

// Event rows historyRowCount and the tables allow reading (0..500).
int32_t UsableEventRows();
