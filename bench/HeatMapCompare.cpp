// The heat map window's " X 3" drawn as one picture against the 4900 cell
// rectangles of its description, on the same map, with the two drawings
// compared pixel by pixel and their ratio printed; then, under Google
// Benchmark, " X 3" alone and one bitmap import ("READ FROM FILE" into the
// square and "READ FROM FILE (R)" onto the drawing, each reading
// "data/1_1.BMP") at the default 512 x 512 frame and the widest 8448 x 704.
// Everything runs in the windows on the offscreen platform.
#include "lattice/ChangeStatistics.h"
#include "lattice/HeatMap.h"
#include "lattice/TForm10.h"
#include "lattice/VideoFrameSize.h"
#include "widgets/Bitmap.h"

#include "StartedWorkbench.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

void FillMap()
{
    for (int r = 0; r < kStatSide; ++r)
        for (int c = 0; c < kStatSide; ++c)
            cellStatMap[r][c] = int32_t(1000 * std::sin(r / 9.0) * std::cos(c / 7.0)) + r * c;
}

// The heat map as described: one filled rectangle per cell.
void DrawCellByCell(Canvas& canvas)
{
    const HeatMapSummary s = SummariseHeatMap(cellStatMap);
    canvas.brush.color = ColorButtonFace;
    canvas.brush.style = BrushStyle::Solid;
    canvas.fillRect(0, 0, 700, 700);
    for (int r = 0; r < kStatSide; ++r)
        for (int c = 0; c < kStatSide; ++c) {
            canvas.brush.color = static_cast<TColor>(HeatMapGrey(cellStatMap[r][c], s.min, s.max));
            canvas.fillRect(6 * c, 6 * r, 6 * c + 6, 6 * r + 6);
        }
}

bool CompareHeatMap()
{
    FillMap();
    constexpr int kRounds = 200;
    Canvas& canvas = Form10->canvas();
    auto t0 = std::chrono::steady_clock::now();
    for (int k = 0; k < kRounds; ++k)
        DrawCellByCell(canvas);
    auto t1 = std::chrono::steady_clock::now();
    const QImage expected = canvas.image().copy(0, 0, 700, 700);
    canvas.clear(ColorRed);
    auto t2 = std::chrono::steady_clock::now();
    for (int k = 0; k < kRounds; ++k)
        Form10->Button3Click();
    auto t3 = std::chrono::steady_clock::now();
    const bool same = canvas.image().copy(0, 0, 700, 700) == expected;
    const double cells = std::chrono::duration<double>(t1 - t0).count() / kRounds;
    const double picture = std::chrono::duration<double>(t3 - t2).count() / kRounds;
    std::printf("heat map \" X 3\" of 70 x 70 cells, %d rounds:\n", kRounds);
    std::printf("  4900 rectangles %8.3f ms\n  one picture     %8.3f ms\n  ratio           %8.1f x   %s\n",
                1e3 * cells, 1e3 * picture, cells / picture, same ? "(same pixels)" : "DIFFERENT PIXELS");
    return same;
}

void HeatMapX3(benchmark::State& state)
{
    FillMap();
    for (auto _ : state)
        Form10->Button3Click();
}

// "data/1_1.BMP" of the frame size, a quarter of its pixels bright.
void WriteImportBitmap(int w, int h)
{
    const std::size_t stride = (std::size_t(w) * 3 + 3) / 4 * 4;
    std::vector<uint8_t> b = BmpHeader24(w, h);
    b.resize(54 + stride * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b[54 + stride * y + 3 * x] = (x / 8 + y / 8) % 4 == 0 ? 200 : 10;
    std::filesystem::create_directories("data");
    std::ofstream("data/1_1.BMP", std::ios::binary).write(reinterpret_cast<const char*>(b.data()),
                                                         std::streamsize(b.size()));
}

void BitmapImport(benchmark::State& state, void (TForm1::*command)())
{
    frameWidth = static_cast<int32_t>(state.range(0));
    frameHeight = static_cast<int32_t>(state.range(1));
    WriteImportBitmap(frameWidth, frameHeight);
    for (auto _ : state)
        (Form1->*command)();
    state.SetItemsProcessed(state.iterations() * int64_t(frameWidth) * frameHeight);
}

void ImportIntoSquare(benchmark::State& state) { BitmapImport(state, &TForm1::READFROMFILE1Click); }
void ImportOntoDrawing(benchmark::State& state) { BitmapImport(state, &TForm1::READFROMFILER1Click); }

} // namespace

BENCHMARK(HeatMapX3)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportIntoSquare)->Args({512, 512})->Args({8448, 704})->Unit(benchmark::kMillisecond);
BENCHMARK(ImportOntoDrawing)->Args({512, 512})->Args({8448, 704})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunWorkbenchBenchmarks(argc, argv, [] {
        Form10->show_();
        return CompareHeatMap();
    });
}
