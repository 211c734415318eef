// The series charts window's "View" at full length, on series made the way the
// program makes them: a recorded pair series of 100000 rows (time, a count
// wandering at random between 1 and 32767, the count's change; seed 5) is
// written to "data/UU_XX.dat" and turned by the KiyFile commands "zap OBR",
// "CTE Obr UU" and "zap lambdK.dat (O)" into the three phase series and the
// fit residual. "View" (steps 0 .. 99999) then hands Chart1 four series and
// Chart2 one of 100000 points each.
//
// Before the benchmarks, one run prints what a researcher meets: the first
// "View" from the click to both charts drawn, then the charts drawn again at
// another width, each with the growth of the program's resident memory. The
// goals: under 0.1 s each, under 30 MB. With WORKBENCH_CHART_GRABS set to a
// folder, the drawn charts are saved there as PNG images to compare.
#include "base/Random.h"
#include "base/SeriesData.h"
#include "engine/StringState.h"
#include "lattice/SeriesViews.h"
#include "lattice/TForm14.h"

#include "StartedWorkbench.h"

#include <QElapsedTimer>
#include <QPixmap>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace {

double ResidentMB()
{
    long pages = 0, resident = 0;
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    if (f == nullptr)
        return 0;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
        resident = 0;
    std::fclose(f);
    return double(resident) * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The recorded series and the commands that turn it into the charted series.
void MakeRecordedSeries()
{
    std::filesystem::create_directories("data");
    std::ofstream out("data/UU_XX.dat", std::ios::binary);
    SeedRandom(5);
    int32_t count = 16000;
    for (int t = 0; t < kSeriesLength; ++t) {
        const int32_t change = Rand() % 401 - 200;
        count = std::clamp(count + change, 1, 32767);
        out << t << ' ' << count << ' ' << change << '\n';
    }
    out.close();
    Form1->zapOBR2Click();
    Form1->CTEObrUU1Click();
    seriesStepCount = kSeriesLength + 2;
    Form1->zaplambdKdatO1Click();
}

// The window shown with its two charts uncovered, at their layout's size.
void ShowCharts()
{
    TForm14& form = *Form14;
    form.show_();
    form.Chart1->show();
    form.Chart2->show();
    form.Edit2->setText("0");
    form.Edit3->setText(QString::number(kSeriesLength));
}

// Lets the window take what the click and the resize left waiting (the charts'
// axes and layout, a paint of the window), then draws both charts as the
// screen would, saving them when grabs are wanted.
void DrawCharts(const char* name = nullptr)
{
    QCoreApplication::processEvents();
    TForm14& form = *Form14;
    QPixmap a = form.Chart1->grab();
    QPixmap b = form.Chart2->grab();
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
    const QByteArray dir = qgetenv("WORKBENCH_CHART_GRABS");
    if (name != nullptr && !dir.isEmpty()) {
        a.save(QString("%1/%2-Chart1.png").arg(QString(dir), name));
        b.save(QString("%1/%2-Chart2.png").arg(QString(dir), name));
    }
}

// A click of "View" up to the points held by the charts and their axes fitted.
void ClickView()
{
    Form14->Button1Click();
    Form14->Chart1->flushNow();
    Form14->Chart2->flushNow();
}

void ResizeCharts(int width)
{
    Form14->Chart1->resize(width, Form14->Chart1->height());
    Form14->Chart2->resize(width, Form14->Chart2->height());
}

bool FirstDrawAndResize()
{
    MakeRecordedSeries();
    ShowCharts();
    DrawCharts();   // the empty charts, as the window's first showing draws them
    const double before = ResidentMB();
    QElapsedTimer clock;
    clock.start();
    ClickView();
    DrawCharts("first");
    const double firstMs = double(clock.nsecsElapsed()) / 1e6;
    const double afterFirst = ResidentMB();
    clock.restart();
    ResizeCharts(900);
    DrawCharts("wide");
    const double resizeMs = double(clock.nsecsElapsed()) / 1e6;
    const double afterResize = ResidentMB();
    ResizeCharts(639);
    std::printf("first View and draw: %.1f ms, resident memory +%.1f MB\n", firstMs, afterFirst - before);
    std::printf("resize to 900 and draw: %.1f ms, resident memory +%.1f MB (from before the View)\n", resizeMs,
                afterResize - before);
    return true;
}

void BM_ViewAndDraw(benchmark::State& state)
{
    for (auto _ : state) {
        ClickView();
        DrawCharts();
    }
}
BENCHMARK(BM_ViewAndDraw)->Unit(benchmark::kMillisecond);

// The click without the drawing: what the window and the chart's bookkeeping
// cost beside the painting.
void BM_ViewPointsHandedOver(benchmark::State& state)
{
    for (auto _ : state)
        ClickView();
}
BENCHMARK(BM_ViewPointsHandedOver)->Unit(benchmark::kMillisecond);

// Each iteration draws the charts at a new width.
void BM_ResizeAndDraw(benchmark::State& state)
{
    ClickView();
    int width = 639;
    for (auto _ : state) {
        width = width == 639 ? 900 : 639;
        ResizeCharts(width);
        DrawCharts();
    }
    ResizeCharts(639);
}
BENCHMARK(BM_ResizeAndDraw)->Unit(benchmark::kMillisecond);

// "View 2" over series whose points change colour at every step (series that
// no command fills, set here): the worst case for colours of their own.
void BM_ViewPairsAlternatingColours(benchmark::State& state)
{
    for (int k = 0; k < kChartSeriesLength; ++k)
        chartSeriesA[k] = chartSeriesB[k] = (k % 2) ? 20000 : k % 300;
    for (auto _ : state) {
        Form14->Button8Click();
        Form14->Chart1->flushNow();
        Form14->Chart2->flushNow();
        DrawCharts();
    }
    std::fill(std::begin(chartSeriesA), std::end(chartSeriesA), 0);
    std::fill(std::begin(chartSeriesB), std::end(chartSeriesB), 0);
}
BENCHMARK(BM_ViewPairsAlternatingColours)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return RunWorkbenchBenchmarks(argc, argv, FirstDrawAndResize); }
