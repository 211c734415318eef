#pragma once
// The options the benchmark programs take off the front of the command line
// before Google Benchmark reads the rest: "--benchmarks-only" skips what runs
// before the benchmarks (the comparisons with the reference scans, the ticks
// of the chains run to saturation), "--recipe=N" takes recipe N alone.
#include <string>

struct BenchOptions {
    bool beforeBenchmarks = true;
    int only = -1;   // every recipe
    bool takes(int recipe) const { return only < 0 || only == recipe; }
};

inline BenchOptions TakeBenchOptions(int& argc, char**& argv)
{
    BenchOptions options;
    while (argc > 1) {
        const std::string arg = argv[1];
        if (arg == "--benchmarks-only")
            options.beforeBenchmarks = false;
        else if (arg.rfind("--recipe=", 0) == 0)
            options.only = std::stoi(arg.substr(9));
        else
            break;
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    return options;
}
