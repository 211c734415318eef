// The series charts window's "View" at full length: five series of 100000
// points each handed to the charts and drawn once, through the window's own
// handler. The goal is well under a second from the click to the drawn charts.
#include "base/SeriesData.h"
#include "lattice/SeriesViews.h"
#include "lattice/TForm14.h"

#include "StartedWorkbench.h"

#include <QPixmap>

namespace {

void FillSeries()
{
    for (int k = 0; k < kSeriesLength; ++k) {
        colourSeries0[k] = (k * 7) % 1000;
        colourSeries1[k] = (k * 13) % 900;
        colourSeries2[k] = (k * 17) % 800;
        lambdaResidual[k] = (k * 3) % 500 - 250;
    }
    seriesBegin = 0;
    seriesEnd = kSeriesLength;
}

// One click of a view: its points into the charts and, when draw, one
// drawing of each chart.
void Click(void (TForm14::*view)(), bool draw)
{
    TForm14& form = *Form14;
    (form.*view)();
    form.Chart1->flushNow();
    form.Chart2->flushNow();
    if (!draw)
        return;
    QPixmap a = form.Chart1->grab();
    QPixmap b = form.Chart2->grab();
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
}

void BM_ViewFullLength(benchmark::State& state)
{
    FillSeries();
    for (auto _ : state)
        Click(&TForm14::Button1Click, true);
}
BENCHMARK(BM_ViewFullLength)->Unit(benchmark::kMillisecond);

// The same click up to the points held by the series, without the drawing:
// what the window's own code costs beside Qt Charts' drawing.
void BM_ViewPointsHandedOver(benchmark::State& state)
{
    FillSeries();
    for (auto _ : state)
        Click(&TForm14::Button1Click, false);
}
BENCHMARK(BM_ViewPointsHandedOver)->Unit(benchmark::kMillisecond);

// "View 2" over series whose points change colour at every step: the worst
// case for colours of their own.
void BM_ViewPairsAlternatingColours(benchmark::State& state)
{
    for (int k = 0; k < kChartSeriesLength; ++k)
        chartSeriesA[k] = chartSeriesB[k] = (k % 2) ? 20000 : k % 300;
    seriesBegin = 0;
    seriesEnd = kSeriesLength;
    seriesThreshold = 10000;
    for (auto _ : state)
        Click(&TForm14::Button8Click, true);
}
BENCHMARK(BM_ViewPairsAlternatingColours)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return RunWorkbenchBenchmarks(argc, argv); }
