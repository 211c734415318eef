#pragma once
// Series files of the KiyFile menu: the pair series of "data/UU_XX.dat", its
// copy reversed in time in "data/OU_XX.dat", the three phase series and the
// median series with its signed running sum rebuilt from the reversed series,
// and the fit of one series against another by a single ratio with its three
// result files. Text files: decimal numbers ("%d", a ratio "%f" under the C
// locale), columns separated by runs of blanks, each line ending in one line
// feed.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "base/SeriesData.h"

// The fold of the rebuild reads up to index rowCount + 2, so the rows are
// capped to keep it inside the 100000-entry series: a reader stops after
// kPairRowLimit rows and the row count, the stopping row included, is at most
// kPairRowLimit + 1 = kSeriesLength - 3.
constexpr int32_t kPairRowLimit = kSeriesLength - 4;

extern int32_t uuRowCount;   // rows of the last pair series read, the stopping row included

// The median series of the rebuild: the class 0, 1 or 2 of the median at
// step i (which of the three phase series holds it), its value, the sign that
// flips at each change of class, and the running sum of sign * second series.
extern int8_t medianClass[kSeriesLength];
extern int32_t medianSeries[kSeriesLength];
extern int8_t medianSign[kSeriesLength];
extern int32_t signedSum[kSeriesLength];
extern uint8_t lastMedianClass;

// The fit: lambdaFit = trunc(X * ratio), lambdaResidual (SeriesData.h) =
// Y - lambdaFit, Y taken from lambdaTarget, which no command of the workbench
// fills (zeros).
extern int32_t lambdaFit[kSeriesLength];
extern int32_t lambdaTarget[kSeriesLength];

// "data/lambd.dat" while "fopen lambd" has it open (nullptr otherwise); only
// "fclose lambd" and "Close" close it, and never twice.
extern std::FILE* seriesFile;

// A pair series as read: the time column is not kept. Both columns hold
// kSeriesLength entries, zero past the rows read, so every index the
// rebuild's fold reaches exists.
struct PairSeries {
    std::vector<int32_t> first = std::vector<int32_t>(kSeriesLength, 0);
    std::vector<int32_t> second = std::vector<int32_t>(kSeriesLength, 0);
    int32_t rowCount = 0;   // rows read + 1 (the stopping row counts)
};

enum class SeriesFileStatus {
    Ok,
    Missing,       // no such file, or it cannot be read
    Malformed,     // not even its first row is three integers
    WriteFailed,
};

// Reads rows of three integers (time, first, second) separated by white
// space. Stops after a row, not the first, whose first value is 0; at the
// first row that is not three integers of 32 bits (end of file included),
// which counts as a row of zeros; or after kPairRowLimit rows.
// series.rowCount = the index of the stopping row + 1. A missing file, or one
// whose first row does not parse, leaves series unchanged.
SeriesFileStatus ReadPairSeries(const std::string& path, PairSeries& series);

// The rows in reverse order: j, first[rowCount - 1 - j], second[...], each
// number followed by two blanks, then a line feed, for j = 0 .. rowCount - 1.
std::string ReversedPairSeriesText(const PairSeries& series);

// From the reversed series a (first) and b (second) of n = series.rowCount
// rows: colourSeries0..2 by the phase i mod 3, and the median class, value,
// sign and signed sum of every step i < n. Sums that would leave the int32
// range are held at its bounds.
void RebuildPhaseSeries(const PairSeries& series);

// The fit over the first n steps (n within 0 .. kSeriesLength): X and Y are
// medianSeries and lambdaTarget relative to their entry 1; k is the first
// index 1 .. n - 1 with the largest |Y[k]| (0 when none is above 0); ratio =
// Y[k] / X[k], inverse = 1 / ratio. When X[k] or Y[k] is 0 there is no ratio:
// ratio, inverse and every lambdaFit are 0 and degenerate is set. Fills
// lambdaFit and lambdaResidual for i < n.
struct LambdaFitResult {
    int32_t n = 0;
    std::vector<int32_t> x, y;
    double ratio = 0.0;
    double inverse = 0.0;
    bool degenerate = true;
};
LambdaFitResult FitLambda(int32_t n);

// The three result files of the fit, named after the pattern name:
// "data/RO_" + name + ".dat" (one line, no line feed), "data/KO_" and
// "data/LO_" (n rows each).
std::string RatioFileText(const LambdaFitResult& fit);
std::string FitFileText(const LambdaFitResult& fit);
std::string LevelFileText(int32_t n);

// Replaces path by text (folders created, the old file intact on failure).
SeriesFileStatus WriteSeriesText(const std::string& path, const std::string& text);

// A status-bar text for a status other than Ok; empty for Ok.
std::string SeriesFileMessage(SeriesFileStatus status, const std::string& path);
