// One video frame: the canvas (a 1600 x 1000 RGB32 image, as the main window's
// backing image) converted into the frame file's bytes, and the whole frame
// written to disk the way the recorder saves it, for the default 512 x 512
// frame and the widest 8448 x 704 one.
#include "base/BinaryFile.h"
#include "lattice/VideoFrames.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

namespace {

struct Canvas {
    static constexpr int kWidth = 1600, kHeight = 1000;
    std::vector<uint8_t> bits = std::vector<uint8_t>(std::size_t(kWidth) * kHeight * 4);
    Canvas()
    {
        for (std::size_t i = 0; i < bits.size(); ++i)
            bits[i] = static_cast<uint8_t>(i * 131 + 7);
    }
    PixelImage pixels() const { return {bits.data(), kWidth, kHeight, std::ptrdiff_t(kWidth) * 4}; }
};

void BuildFrame(benchmark::State& state)
{
    const Canvas canvas;
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    SynthesiseFrameHeader(width, height);
    for (auto _ : state) {
        std::vector<uint8_t> frame = BuildFrameFile(canvas.pixels(), width, height);
        benchmark::DoNotOptimize(frame.data());
    }
    state.SetBytesProcessed(state.iterations() * int64_t(width) * height * 3);
}

void WriteFrame(benchmark::State& state)
{
    const Canvas canvas;
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    SynthesiseFrameHeader(width, height);
    const auto dir = std::filesystem::temp_directory_path() / "workbench_frame_bench";
    const auto path = dir / "file0000.bmp";
    for (auto _ : state) {
        const std::vector<uint8_t> frame = BuildFrameFile(canvas.pixels(), width, height);
        if (!SaveFileSafely(path, frame))
            state.SkipWithError("frame not written");
    }
    std::filesystem::remove_all(dir);
}

}  // namespace

BENCHMARK(BuildFrame)->Args({512, 512})->Args({8448, 704})->Unit(benchmark::kMillisecond);
BENCHMARK(WriteFrame)->Args({512, 512})->Args({8448, 704})->Unit(benchmark::kMillisecond);
