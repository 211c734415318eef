// The table file write of every generation pass goes through the safe save
// (temporary file beside the old one, renamed over it). Its cost for the
// largest list a pass can write, against the 20 ms tick of the generator.
#include "base/BinaryFile.h"
#include "base/TableRecords.h"
#include "tables1d/TableFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

std::string BenchFile()
{
    return (std::filesystem::temp_directory_path() / ("table_save_bench_" + std::to_string(::getpid())) /
            "R8_3125.dat")
        .string();
}

void BM_WriteListToTableFile(benchmark::State& state)
{
    const int keyLength = 9;
    ttRecordCount = int32_t(state.range(0));
    for (int32_t i = 0; i < ttRecordCount; ++i)
        for (int j = 0; j < keyLength; ++j) ttKeys[i][j] = uint8_t((i + j) % 6);
    const std::string file = BenchFile();
    CreateEmptyFile(file);
    for (auto _ : state) benchmark::DoNotOptimize(WriteListToTableFile(file, keyLength));
    state.SetBytesProcessed(state.iterations() * (4 + int64_t(ttRecordCount) * (keyLength + 8)));
    std::filesystem::remove_all(std::filesystem::path(file).parent_path());
}
BENCHMARK(BM_WriteListToTableFile)->Arg(600)->Arg(9996)->Unit(benchmark::kMicrosecond);

} // namespace
