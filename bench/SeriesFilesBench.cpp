// The series files of the KiyFile menu at their largest: a pair series of
// as many rows as a reader takes, written reversed, rebuilt into the phase
// and median series, and the fit with its three result files. Each is one
// menu command, run inside its handler.
#include "base/Random.h"
#include "lattice/SeriesFiles.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

std::filesystem::path BenchDir()
{
    return std::filesystem::temp_directory_path() / ("series_files_bench_" + std::to_string(::getpid()));
}

// Rows of time, a value from 1 to 32768 (never 0, so the reader runs to its
// row limit) and a second value.
std::string LongSeriesFile()
{
    const std::filesystem::path path = BenchDir() / "UU_XX.dat";
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    SeedRandom(3);
    for (int i = 0; i < kSeriesLength; ++i)
        out << i << ' ' << Rand() + 1 << ' ' << Rand() - 16384 << '\n';
    return path.string();
}

void BM_ReadAndWriteReversed(benchmark::State& state)
{
    const std::string in = LongSeriesFile();
    const std::string out = (BenchDir() / "OU_XX.dat").string();
    for (auto _ : state) {
        PairSeries series;
        ReadPairSeries(in, series);
        benchmark::DoNotOptimize(WriteSeriesText(out, ReversedPairSeriesText(series)));
    }
    std::filesystem::remove_all(BenchDir());
}
BENCHMARK(BM_ReadAndWriteReversed)->Unit(benchmark::kMillisecond);

void BM_ReadAndRebuild(benchmark::State& state)
{
    const std::string in = LongSeriesFile();
    for (auto _ : state) {
        PairSeries series;
        ReadPairSeries(in, series);
        RebuildPhaseSeries(series);
        benchmark::DoNotOptimize(signedSum[series.rowCount - 1]);
    }
    std::filesystem::remove_all(BenchDir());
}
BENCHMARK(BM_ReadAndRebuild)->Unit(benchmark::kMillisecond);

void BM_FitAndWriteResults(benchmark::State& state)
{
    PairSeries series;
    ReadPairSeries(LongSeriesFile(), series);
    RebuildPhaseSeries(series);
    for (int i = 0; i < kSeriesLength; ++i)
        lambdaTarget[i] = medianSeries[i] / 3 + i % 7;
    const std::filesystem::path dir = BenchDir();
    for (auto _ : state) {
        const LambdaFitResult fit = FitLambda(kSeriesLength);
        WriteSeriesText((dir / "RO_e0.dat").string(), RatioFileText(fit));
        WriteSeriesText((dir / "KO_e0.dat").string(), FitFileText(fit));
        benchmark::DoNotOptimize(WriteSeriesText((dir / "LO_e0.dat").string(), LevelFileText(fit.n)));
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_FitAndWriteResults)->Unit(benchmark::kMillisecond);

} // namespace
