#include "lattice/SeriesViews.h"

#include "base/SeriesData.h"
#include "lattice/TextNumbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

int32_t seriesThreshold = 10000;
int32_t seriesBegin = 0;
int32_t seriesEnd = 0;
int32_t seriesScale1 = 0;
int32_t seriesScale2 = 0;

int32_t blackSeries[kSeriesLength] = {};
int32_t chartSeriesA[kChartSeriesLength] = {}, chartSeriesB[kChartSeriesLength] = {},
        chartSeriesC[kChartSeriesLength] = {}, chartSeriesD[kChartSeriesLength] = {},
        chartSeriesE[kChartSeriesLength] = {}, chartSeriesF[kChartSeriesLength] = {},
        chartSeriesG[kChartSeriesLength] = {}, chartSeriesH[kChartSeriesLength] = {},
        chartSeriesI[kChartSeriesLength] = {}, chartSeriesJ[kChartSeriesJLength] = {},
        chartSeriesK[kChartSeriesLength] = {};

std::string textLogName;
int32_t textLogColumns[3][kTextLogRecords] = {};

namespace {

enum Slot { S1, S2, S3, S4, S5, S6, S7 };

// Sums and differences of entries stay exact in 64 bits; half and third
// round toward zero as integer division does.
int64_t Half(int64_t v) { return v / 2; }
int64_t Third(int64_t v) { return v / 3; }

SeriesView Cleared(std::initializer_list<Slot> slots) {
    SeriesView view;
    for (Slot s : slots) view[s].cleared = true;
    return view;
}

// Calls f(k) for k = first, first + step, ... while k < end and k < limit,
// where limit is the first step at which the view would read past an array.
template <typename F>
void Steps(int64_t first, int64_t end, int step, int64_t limit, F f) {
    const int64_t stop = std::min(end, limit);
    for (int64_t k = std::max<int64_t>(first, 0); k < stop; k += step) f(static_cast<int>(k));
}

void Add(SeriesView& view, Slot s, double x, double y, uint32_t colour) { view[s].points.push_back({x, y, colour}); }

void Reserve(SeriesView& view, std::initializer_list<Slot> slots, int64_t first, int64_t end, int step, int64_t limit) {
    const int64_t n = (std::min(end, limit) - std::max<int64_t>(first, 0) + step - 1) / step;
    if (n <= 0) return;
    for (Slot s : slots) view[s].points.reserve(size_t(n));
}

}  // namespace

SeriesView ViewColours() {
    SeriesView view = Cleared({S1, S2, S3, S7, S4});
    Reserve(view, {S1, S2, S3, S7, S4}, seriesBegin, seriesEnd, 1, kSeriesLength);
    Steps(seriesBegin, seriesEnd, 1, kSeriesLength, [&view](int k) {
        Add(view, S1, k, colourSeries0[k], kChartGreen);
        Add(view, S2, k, colourSeries1[k], kChartBlue);
        Add(view, S3, k, colourSeries2[k], kChartRed);
        Add(view, S7, k, blackSeries[k], kChartBlack);
    });
    Steps(seriesBegin, seriesEnd, 1, kSeriesLength,
          [&view](int k) { Add(view, S4, k, lambdaResidual[k], kChartBlack); });
    return view;
}

SeriesView ViewPairs(const ViewSwitches& s) {
    SeriesView view = Cleared({S1, S2, S3, S4, S5});
    const int64_t thr = seriesThreshold;
    // Each point reads step k + 1 as well.
    const int64_t limit = kChartSeriesLength - 1;
    Steps(seriesBegin, seriesEnd, 2, limit, [&](int k) {
        const double x = double(Half(k));
        const int32_t *a = chartSeriesA, *b = chartSeriesB, *c = chartSeriesC;
        if (a[k] >= thr)
            Add(view, S1, x, double(thr), kChartGreen);
        else
            Add(view, S1, x, double(Half(int64_t{a[k]} - a[k + 1])), kChartRed);
        if (b[k] >= thr)
            Add(view, S2, x, double(thr), kChartRed);
        else
            Add(view, S2, x, double(Half(int64_t{b[k]} - b[k + 1])), kChartGreen);
        Add(view, S3, x, c[k] >= thr ? double(thr) : double(Half(int64_t{c[k]} - c[k + 1])), kChartBlue);
    });
    const int64_t end = int64_t{seriesEnd} - 1;
    if (s.sumsA)
        Steps(seriesBegin, end, 2, limit, [&view](int k) {
            const int64_t sum = int64_t{chartSeriesA[k]} - chartSeriesK[k] + chartSeriesA[k + 1] - chartSeriesK[k + 1];
            Add(view, S4, double(Half(k)), double(sum), kChartRed);
        });
    if (s.sumsB)
        Steps(seriesBegin, end, 2, limit, [&view](int k) {
            const int64_t sum = int64_t{chartSeriesB[k]} - chartSeriesJ[k] + chartSeriesB[k + 1] - chartSeriesJ[k + 1];
            Add(view, S5, double(Half(k)), double(sum), kChartGreen);
        });
    return view;
}

SeriesView ViewTriples() {
    SeriesView view = Cleared({S1, S2, S3});
    const int64_t thr = seriesThreshold;
    struct Row {
        const int32_t* values;
        Slot slot;
        uint32_t colour;
    };
    const Row rows[] = {{chartSeriesA, S1, kChartRed}, {chartSeriesB, S2, kChartGreen}, {chartSeriesC, S3, kChartBlue}};
    // Each point reads steps k + 1 and k + 2 as well.
    Steps(seriesBegin, int64_t{seriesEnd} - 2, 3, kChartSeriesLength - 2, [&](int k) {
        for (const Row& r : rows)
            if (r.values[k] < thr)
                Add(view, r.slot, double(Third(k)),
                    double(Third(int64_t{r.values[k]} + r.values[k + 1] + r.values[k + 2])), r.colour);
    });
    return view;
}

SeriesView ViewDifferences() {
    SeriesView view = Cleared({S4, S5});
    Steps(int64_t{seriesBegin} + 1, int64_t{seriesEnd} - 1, 1, kChartSeriesLength, [&view](int k) {
        Add(view, S4, k, double(int64_t{chartSeriesA[k]} - chartSeriesK[k]), kChartRed);
        Add(view, S5, k, double(int64_t{chartSeriesB[k]} - chartSeriesJ[k]), kChartGreen);
    });
    return view;
}

SeriesView ViewScaled(const ViewSwitches& s) {
    SeriesView view = Cleared({S4, S5});
    struct Choice {
        const int32_t *x, *y, *z;
        double second;   // factor of the second point
        uint32_t colour;
    };
    const double s1 = seriesScale1 * 0.01, s2 = seriesScale2 * 0.01;
    const Choice choices[] = {{chartSeriesA, chartSeriesB, chartSeriesC, 1.0, kChartRed},
                              {chartSeriesB, chartSeriesA, chartSeriesC, s2, kChartGreen},
                              {chartSeriesC, chartSeriesA, chartSeriesB, s2, kChartBlue}};
    if (s.graphItem < 0 || s.graphItem > 2) return view;
    const Choice& c = choices[s.graphItem];
    Steps(seriesBegin, seriesEnd, 1, kChartSeriesLength, [&](int k) {
        // |s1 Y - s1 Z| is below 2^56, so its truncation fits in 64 bits.
        const int64_t spread = std::llabs(static_cast<long long>(std::trunc(s1 * c.y[k] - s1 * c.z[k])));
        Add(view, S4, k, double(c.x[k] + Half(spread)), kChartMaroon);
        Add(view, S5, k, c.second * c.x[k], c.colour);
    });
    return view;
}

SeriesView ViewZeroOne(const ViewSwitches& s) {
    SeriesView view = Cleared({S1, S2, S3, S4, S5});
    Steps(seriesBegin, seriesEnd, 1, kChartSeriesLength, [&](int k) {
        if (s.red) Add(view, S1, k, double(int64_t{chartSeriesD[k]} - chartSeriesG[k]), kChartRed);
        if (s.green) Add(view, S2, k, double(int64_t{chartSeriesE[k]} + 200 - chartSeriesH[k]), kChartGreen);
        if (s.blue) Add(view, S3, k, double(int64_t{chartSeriesF[k]} + 400 - chartSeriesI[k]), kChartBlue);
    });
    return view;
}

SeriesView ViewCapped(const ViewSwitches& s, bool one) {
    SeriesView view = Cleared({S1, S2, S3, S4, S5});
    const int32_t* p = one ? chartSeriesG : chartSeriesD;
    const int32_t* q = one ? chartSeriesH : chartSeriesE;
    const int32_t* r = one ? chartSeriesI : chartSeriesF;
    const int32_t thr = seriesThreshold;
    Steps(seriesBegin, seriesEnd, 1, kChartSeriesLength, [&](int k) {
        if (s.red) Add(view, S1, k, p[k] >= thr ? thr : p[k], p[k] >= thr ? kChartGreen : kChartRed);
        if (s.green) Add(view, S2, k, q[k] >= thr ? thr : q[k], q[k] >= thr ? kChartRed : kChartGreen);
        if (s.blue) Add(view, S3, k, r[k] >= thr ? thr : r[k], kChartBlue);
    });
    return view;
}

int32_t SeriesEndOfSteps(int32_t steps) { return static_cast<int32_t>((int64_t{steps} + 1) / 3); }

FileOutcome ReadTextLog(const std::filesystem::path& path, int& records) {
    records = 0;
    std::optional<TextNumbers> text = TextNumbers::FromFile(path);
    if (!text) return FileOutcome::Missing;
    while (records < kTextLogRecords) {
        int32_t unused = 0, pairs[3] = {};
        std::string word;
        TextItem item = text->readInt(unused);
        if (item == TextItem::End) return FileOutcome::Read;   // the text ended between records
        for (int i = 1; i < 3 && item == TextItem::Ok; ++i) item = text->readInt(unused);
        for (int i = 0; i < 3 && item == TextItem::Ok; ++i) {
            item = text->readWord(word);
            if (item == TextItem::Ok) item = text->readInt(pairs[i]);
        }
        if (item != TextItem::Ok) return item == TextItem::End ? FileOutcome::Short : FileOutcome::Malformed;
        for (int c = 0; c < 3; ++c) textLogColumns[c][records] = pairs[c];
        ++records;
    }
    return FileOutcome::Read;
}
