#pragma once
// The two 27 x 27 number tables behind the grids "StGr5" and "StGr6": one
// aspect of the recorded run's event tables (the "StGr" items of tab M1), or
// one event plane of the growth run (the "StGr" items of tab "Step W"). Rows
// from 27 on are neither stored nor shown.
#include <cstdint>

constexpr int kStGrRows = 27;
constexpr int kStGrColumns = 27;

extern int32_t stGrTableA[kStGrRows][kStGrColumns];
extern int32_t stGrTableB[kStGrRows][kStGrColumns];

// Event rows the one-dimensional view stores and shows: historyRowCount
// within 0..27.
int32_t StepWShownRows();

// Items of the one-dimensional view ("StGr" on M1).
enum StepWView1d : int { kViewValues = 0, kViewSteps = 1, kViewElements = 2, kViewStepGaps = 3,
                         kViewElementsPlus3 = 4, kViewLetters = 5 };

// The one-dimensional view of item into the tables, for the shown rows and
// the columns in use. "ffFF" fills rows from 1; "xyz" and unknown items keep
// the tables as they are.
void FillStepWTables1d(int item);

// The "xyz 177" preparation: eventStepA of event rows below historyRowCount
// reduced mod 3 in place in every column of the table, also those at and past
// stringLength (the event table keeps the phases afterwards).
void ReduceEventStepsAToPhases();

// The two-dimensional view of item (0..6) of growth event plane `plane`
// (read as a 16-bit value) for the rows and columns below stringLength. A
// plane outside 0..499 reads as 0; an unknown item copies nothing.
void FillStepWTables2d(int item, int32_t plane);
