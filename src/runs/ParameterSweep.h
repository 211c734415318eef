#pragma once
// The one-dimensional parameter sweep: string lengths (outermost), then
// numbers of B cells, then repeats, one run of the string engine each. Every
// finished run is counted into its point (count, step sum, B-cell sum and
// their spreads); the tables, indexed [B-count step][length step], are
// written as five text files below "dataN/".
#include <cstdint>
#include <filesystem>
#include <string>

constexpr int kSweepBSteps = 10;
constexpr int kSweepLengthSteps = 100;

extern int32_t sweepBCountFrom;    // Edit11
extern int32_t sweepBCountTo;      // Edit12, not included
extern int32_t sweepLengthFrom;    // Edit13
extern int32_t sweepLengthTo;      // Edit14, not included
extern int32_t sweepRepeatCount;   // Edit16: runs per point
extern int32_t sweepSpareNumber;   // Edit15: stored, read by nothing

extern int32_t sweepBCountSteps, sweepLengthSteps;
extern int32_t sweepLengthIndex, sweepBCountIndex, sweepRepeatIndex;
extern int32_t sweepRunIndex;      // runs started

extern int32_t sweepCount[kSweepBSteps][kSweepLengthSteps];
extern int32_t sweepTimeSum[kSweepBSteps][kSweepLengthSteps];
extern int32_t sweepBSum[kSweepBSteps][kSweepLengthSteps];
extern double sweepTimeSpread[kSweepBSteps][kSweepLengthSteps];   // population standard deviations
extern double sweepBSpread[kSweepBSteps][kSweepLengthSteps];

// Set by "Make table", cleared by "Conec": while set, a finished run of the
// engine is counted and the next run is armed.
extern uint8_t isSweepRunning;
// Set by a tick that started the run of the three indices, cleared when that
// run is counted: a run started otherwise is not counted into a point.
extern uint8_t isSweepRunPending;

// Why "Make table" cannot run with the parameters as they stand (a range
// beyond the 10 x 100 tables, lengths outside 1..27, B counts below 0 or
// beyond the 4900-entry point lists, no run per point), or empty.
std::string SweepParameterProblem();

// Steps 1-2 of "Make table": the step counts, sweepRunIndex 0, the points of
// the range zeroed (sums of squares and spreads too).
void StartSweep();
// Runs of the whole sweep: length steps x B-count steps x repeats.
int64_t SweepRunTotal();

// The point of run sweepRunIndex (i*BSteps*R + j*R + k), into the three
// index globals; false (indices kept) when the index lies beyond the range.
bool FindSweepPoint();
// A point's count, sums and spreads back to 0 (its first repeat starts).
void ClearSweepPoint(int32_t bStep, int32_t lengthStep);

// A finished run counted into the point of the indices: count + 1, time sum
// + steps, B sum + ones, and the point's spreads. A point outside the tables
// is not counted.
void CountSweepRun(int32_t steps, int32_t ones);

// The five files in the order cont, Tsr, DTsr, Bcol, DBcol: one line per
// length step below lengthSteps, "%d" of the length, then per B-count step
// " " value " ", then a line feed. A point's count of 0 writes "0"; otherwise
// the count, sum / count or the spread ("%f", always with a point). Each file
// replaces the old one only when written whole. Returns the names it could
// not write (empty on success).
std::string WriteSweepFiles(const std::filesystem::path& folder, int32_t lengthSteps);
