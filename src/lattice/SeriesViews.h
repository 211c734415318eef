#pragma once
// The views of the series charts window: which points each of its chart
// series Series1 .. Series7 gets from the per-step series over the steps
// seriesBegin .. seriesEnd - 1, and the text log it reads. A view reads only
// entries that exist: it starts at step 0 at the earliest and ends where an
// entry it reads (k, or k + 1 and k + 2 where it reads those) would be past
// its array.

#include "base/SeriesData.h"
#include "lattice/PointFile.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

constexpr int kChartSeriesLength = 20000;    // the chart series A to K, but J
constexpr int kChartSeriesJLength = 40000;
constexpr int kTextLogRecords = 31000;

// The view settings of the window's edits.
extern int32_t seriesThreshold;   // 10000: cap of the threshold views
extern int32_t seriesBegin;       // 0: first step of every view
extern int32_t seriesEnd;         // 0: end of every view (exclusive)
extern int32_t seriesScale1;      // 0: percentages of "View -"
extern int32_t seriesScale2;

// Series that the views read and nothing in the workbench fills: they stay
// zero, and the views draw them as zeros.
extern int32_t blackSeries[kSeriesLength];
extern int32_t chartSeriesA[kChartSeriesLength], chartSeriesB[kChartSeriesLength], chartSeriesC[kChartSeriesLength],
    chartSeriesD[kChartSeriesLength], chartSeriesE[kChartSeriesLength], chartSeriesF[kChartSeriesLength],
    chartSeriesG[kChartSeriesLength], chartSeriesH[kChartSeriesLength], chartSeriesI[kChartSeriesLength],
    chartSeriesJ[kChartSeriesJLength], chartSeriesK[kChartSeriesLength];

// The text log: its name ("" until "text" chooses "LOG/text.log") and the
// integers of the three word-number pairs of each record.
extern std::string textLogName;
extern int32_t textLogColumns[3][kTextLogRecords];

// Chart colours, as the class library packs them (red + 256 green + 65536 blue).
constexpr uint32_t kChartRed = 255, kChartGreen = 32768, kChartBlue = 16711680, kChartBlack = 0,
                   kChartMaroon = 128;

struct ChartPoint {
    double x, y;
    uint32_t colour;
};

// What a view does to one chart series: cleared or left alone, then points added.
struct SeriesFill {
    bool cleared = false;
    std::vector<ChartPoint> points;
};

constexpr int kViewSeriesCount = 7;   // Series1 .. Series7 at 0 .. 6
using SeriesView = std::array<SeriesFill, kViewSeriesCount>;

// The window's switches as the views read them.
struct ViewSwitches {
    bool sumsA = true, sumsB = true;                 // "C0-A2" boxes 1 and 2 of "View 2"
    bool red = true, green = true, blue = true;      // "Red (f=0)", "Green (f=1)", "Blue (f=2)"
    int graphItem = 0;                               // "View 2 Graph"; -1 none
};

SeriesView ViewColours();                              // "View": colour series, black and lambdaResidual
SeriesView ViewPairs(const ViewSwitches& s);           // "View 2"
SeriesView ViewTriples();                              // "View3"
SeriesView ViewDifferences();                          // "C0-A2"
SeriesView ViewScaled(const ViewSwitches& s);          // "View -"
SeriesView ViewZeroOne(const ViewSwitches& s);         // "0-1"
SeriesView ViewCapped(const ViewSwitches& s, bool one);   // "1" (G, H, I) or "0" (D, E, F)

// (stepCount + 1) / 3 without overflow: the end step the window shows.
int32_t SeriesEndOfSteps(int32_t steps);

// Reads the text log into textLogColumns: up to kTextLogRecords records of
// three integers and three word-integer pairs; record i fills entry i of each
// column and later entries keep their values. Reading stops at the end of the
// text (Read), in a record cut short (Short) or at the first record with an
// item that is not a number where one is due (Malformed); only whole records
// are taken. Missing: the file could not be read, nothing changed.
FileOutcome ReadTextLog(const std::filesystem::path& path, int& records);
