#pragma once
// The closure check on a table as a researcher meets it, against the scan as
// the check was first written, in one run. The engine is timed on the whole
// check, and so is the engine walking every start record placement by
// placement (no summaries), with the same result; the scan, which would take
// hours there, runs on a fixed sample of start records, its result compared
// with the engine's on each, and its time is scaled by the records it would
// try in the whole check (it tries every record at every level entered and
// scans the list twice per placement; the engine's counters give how often).
// Printed: the engine's best and median time, the walk's time and the
// engine's share of it, the sample, the scaled scan time and the ratio.
#include "base/TableRecords.h"
#include "tables1d/ClosureCheck.h"
#include "tables1d/TableBlocks.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// Everything a check leaves behind.
struct CheckResult {
    ClosureOutcome outcome;
    std::vector<int32_t> counts;
    int32_t lastFound = 0;
    std::array<int32_t, 9> probe{};
    ClosureProgress lastReport;
    double seconds = 0;

    bool sameAs(const CheckResult& o) const
    {
        const ClosureOutcome& a = outcome;
        const ClosureOutcome& b = o.outcome;
        return a.verdict == b.verdict && a.placements == b.placements && a.lastPlacement == b.lastPlacement &&
               a.lastFound == b.lastFound && a.levelEntries == b.levelEntries && a.levelFits == b.levelFits &&
               counts == o.counts && lastFound == o.lastFound && probe == o.probe &&
               lastReport.level == o.lastReport.level && lastReport.records == o.lastReport.records &&
               lastReport.startCount == o.lastReport.startCount;
    }
};

// Runs the engine or the scan from these counts.
inline CheckResult RunCheck(bool byScan, const ClosureMask& mask, const ClosureScope& scope,
                            const std::vector<int32_t>& countsBefore)
{
    std::copy(countsBefore.begin(), countsBefore.end(), ttHitCount);
    lastFoundIndex = -1;
    std::fill(std::begin(ttProbeKey), std::end(ttProbeKey), -1);
    CheckResult r;
    const auto progress = [&](const ClosureProgress& p) { r.lastReport = p; };
    const auto start = std::chrono::steady_clock::now();
    r.outcome = byScan ? RunClosureCheckByScan(mask, scope, progress) : RunClosureCheck(mask, scope, progress);
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    r.counts.assign(ttHitCount, ttHitCount + scope.recordCount);
    r.lastFound = lastFoundIndex;
    std::copy(std::begin(ttProbeKey), std::end(ttProbeKey), r.probe.begin());
    return r;
}

// The records the scan tries in a check with this outcome: every record at
// every entry of a level after the first, and up to the whole list twice per
// placement.
inline double ScanWork(const ClosureOutcome& o, int pointCount, int32_t records)
{
    double entries = 0;
    for (int level = 1; level < pointCount; ++level) entries += double(o.levelEntries[size_t(level)]);
    return (entries + 2.0 * double(o.placements)) * double(records);
}

struct EngineFigures {
    CheckResult result;   // of the first run
    double best = 0, median = 0;
    int runs = 0;
};

// The engine on the whole check, `runs` times from the same counts.
inline EngineFigures TimeEngine(const ClosureMask& mask, const ClosureScope& scope, int runs)
{
    const std::vector<int32_t> before(ttHitCount, ttHitCount + kTableCapacity);
    EngineFigures f;
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        CheckResult r = RunCheck(false, mask, scope, before);
        times.push_back(r.seconds);
        if (run == 0) f.result = std::move(r);
    }
    std::sort(times.begin(), times.end());
    f.best = times.front();
    f.median = times[times.size() / 2];
    f.runs = runs;
    // The list keeps the counts of the check, as after a click.
    std::copy(f.result.counts.begin(), f.result.counts.end(), ttHitCount);
    return f;
}

// The check walked throughout, once (it may take seconds), from the counts
// before; true when its result is `engine`'s. Prints its time and the
// engine's time as a share of it.
inline bool CompareWithWalk(const ClosureMask& mask, const ClosureScope& scope, const std::vector<int32_t>& before,
                            const EngineFigures& engine)
{
    ClosureScope walked = scope;
    walked.walkBeforeSummarising = 0;
    walked.way = ClosureWay::Walk;
    const CheckResult walk = RunCheck(false, mask, walked, before);
    const bool agree = walk.sameAs(engine.result);
    std::printf("  walked          %9.4f s   engine/walked %.2f   %s\n", walk.seconds, engine.best / walk.seconds,
                agree ? "(the engine's result)" : "DIFFERENT RESULTS");
    std::copy(engine.result.counts.begin(), engine.result.counts.end(), ttHitCount);
    return agree;
}

inline const char* VerdictText(ClosureVerdict v)
{
    return v == ClosureVerdict::Closed ? "closed" : v == ClosureVerdict::Unlocked ? "IS UNLOCKED" : "IS OOOOOOOOOOO";
}

// The whole check timed, then the scan on a sample of its start records: of
// thirty-two spread over the range (and the one the check stopped at), the
// cheapest for the scan while the records it tries stay within `budget` (a
// quarter of it at least), each compared with the engine on the same start record. True
// when every sampled result is the engine's.
inline bool CompareCheckWithScan(const char* title, const ClosureMask& mask, const ClosureScope& scope, double budget,
                                 int runs = 5)
{
    const std::vector<int32_t> before(ttHitCount, ttHitCount + kTableCapacity);
    const EngineFigures engine = TimeEngine(mask, scope, runs);
    const ClosureOutcome& whole = engine.result.outcome;
    const int n = mask.pointCount;
    std::printf("%s: %d records, %d points, start records %d..%d: %s, %lld placements", title, scope.recordCount, n,
                scope.startFrom, scope.startCount - 1, VerdictText(whole.verdict), (long long)whole.placements);
    if (whole.verdict != ClosureVerdict::Closed) std::printf(", stopped at start record %d", whole.lastPlacement[0]);
    std::printf("\n  engine          best %9.4f s   median %9.4f s   (%d runs)\n", engine.best, engine.median,
                engine.runs);
    bool agree = CompareWithWalk(mask, scope, before, engine);

    // Thirty-two start records spread over the range searched (and the one
    // the check stopped at), the cheapest for the scan first.
    std::vector<int32_t> spread;
    const int32_t last = whole.verdict == ClosureVerdict::Closed ? scope.startCount : whole.lastPlacement[0] + 1;
    for (int k = 0; k < 32; ++k) spread.push_back(scope.startFrom + int32_t(int64_t(last - scope.startFrom) * k / 32));
    if (whole.verdict != ClosureVerdict::Closed) spread.push_back(whole.lastPlacement[0]);
    std::sort(spread.begin(), spread.end());
    spread.erase(std::unique(spread.begin(), spread.end()), spread.end());
    struct Candidate {
        double work;
        int32_t start;
        CheckResult indexed;
    };
    std::vector<Candidate> candidates;
    for (const int32_t s : spread) {
        ClosureScope one = scope;
        one.startFrom = s;
        one.startCount = s + 1;
        CheckResult indexed = RunCheck(false, mask, one, before);
        const double work = ScanWork(indexed.outcome, n, scope.recordCount);
        if (work > 0) candidates.push_back({work, s, std::move(indexed)});
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.work < b.work; });

    double sampleWork = 0, sampleSeconds = 0;
    int sampled = 0;
    std::printf("  scan sample     start records");
    for (const Candidate& c : candidates) {
        // A quarter of the budget at least, however long the scan.
        if (sampleWork >= budget / 4 && sampleWork + c.work > budget) break;
        ClosureScope one = scope;
        one.startFrom = c.start;
        one.startCount = c.start + 1;
        const CheckResult scan = RunCheck(true, mask, one, before);
        agree = agree && scan.sameAs(c.indexed);
        sampleWork += c.work;
        sampleSeconds += scan.seconds;
        ++sampled;
        std::printf(" %d", c.start);
    }
    std::copy(engine.result.counts.begin(), engine.result.counts.end(), ttHitCount);
    if (sampled == 0) {
        std::printf(" (none: the check places nothing)\n");
        return agree;
    }
    const double scaled = sampleSeconds * ScanWork(whole, n, scope.recordCount) / sampleWork;
    std::printf(": %.2f s, %s\n", sampleSeconds, agree ? "each the engine's result" : "DIFFERENT RESULTS");
    std::printf("  scan, scaled    %9.1f s   (records tried: %.3g in the check, %.3g in the sample)\n", scaled,
                ScanWork(whole, n, scope.recordCount), sampleWork);
    std::printf("  ratio           %9.0f x\n", scaled / engine.best);
    return agree;
}

// The same check, engine against the whole scan, when the scan tries at most
// `budget` records (a check that stops early); otherwise as above.
inline bool CompareStoppingCheckWithScan(const char* title, const ClosureMask& mask, const ClosureScope& scope,
                                         double budget)
{
    const std::vector<int32_t> before(ttHitCount, ttHitCount + kTableCapacity);
    const CheckResult indexed = RunCheck(false, mask, scope, before);
    if (ScanWork(indexed.outcome, mask.pointCount, scope.recordCount) > budget) {
        std::copy(before.begin(), before.end(), ttHitCount);
        return CompareCheckWithScan(title, mask, scope, budget);
    }
    std::copy(before.begin(), before.end(), ttHitCount);
    const EngineFigures engine = TimeEngine(mask, scope, 5);
    const CheckResult scan = RunCheck(true, mask, scope, before);
    const bool agree = scan.sameAs(engine.result);
    std::printf("%s: %d records, %d points, start records %d..%d: %s, %lld placements, stopped at start record %d\n",
                title, scope.recordCount, mask.pointCount, scope.startFrom, scope.startCount - 1,
                VerdictText(engine.result.outcome.verdict), (long long)engine.result.outcome.placements,
                engine.result.outcome.lastPlacement[0]);
    std::printf("  engine          best %9.4f s   median %9.4f s   (%d runs)\n", engine.best, engine.median,
                engine.runs);
    const bool walkAgrees = CompareWithWalk(mask, scope, before, engine);
    std::printf("  scan, whole     %9.2f s   %s\n", scan.seconds, agree ? "(the engine's result)" : "DIFFERENT RESULTS");
    std::printf("  ratio           %9.0f x\n", scan.seconds / engine.best);
    std::copy(engine.result.counts.begin(), engine.result.counts.end(), ttHitCount);
    return agree && walkAgrees;
}

// One key broken so that the check fails: cell 1, else cell 0, of records
// spread from the middle of the list, each replaced by the next element,
// tried in that order until the engine's check stops (at most 16 records).
// The permuted copy is built again. The record and cell broken, or -1 with the
// table as it was when no such change makes the check fail.
struct BrokenKey {
    int32_t record = -1;
    int cell = -1;
};
inline BrokenKey BreakOneKeySoTheCheckFails(const ClosureMask& mask, const ClosureScope& scope)
{
    const int n = mask.pointCount;
    const std::vector<int32_t> before(ttHitCount, ttHitCount + kTableCapacity);
    const int32_t count = scope.recordCount, step = scope.blockSize / 5 + 1;
    for (int k = 0; k < 16; ++k) {
        const int32_t record = (count / 2 + 1 + k * step) % count;
        for (const int cell : {1 % n, 0}) {
            uint8_t& c = ttKeys[record][cell];
            const uint8_t old = c;
            c = uint8_t((old + 1) % 6);
            BuildPermutedCopy(n);
            const bool fails = RunCheck(false, mask, scope, before).outcome.verdict != ClosureVerdict::Closed;
            std::copy(before.begin(), before.end(), ttHitCount);
            if (fails) return {record, cell};
            c = old;
        }
    }
    BuildPermutedCopy(n);
    return {};
}

// The check of a table with one key broken (as above), engine against scan.
inline bool CompareBrokenCheckWithScan(const char* title, const ClosureMask& mask, const ClosureScope& scope,
                                       double budget)
{
    const BrokenKey broken = BreakOneKeySoTheCheckFails(mask, scope);
    if (broken.record < 0) {
        std::printf("%s: no change of one cell of the records tried makes the check fail\n", title);
        return true;
    }
    char heading[256];
    std::snprintf(heading, sizeof heading, "%s (cell %d of record %d changed)", title, broken.cell, broken.record);
    return CompareStoppingCheckWithScan(heading, mask, scope, budget);
}

// A Google benchmark of the check on the table that lay() puts in the list, as
// it is or, with broken, with one key broken so that the check fails.
inline void RegisterCheckBenchmark(const std::string& table, bool sixth, bool broken, std::function<void()> lay,
                                   const ClosureMask& mask, const ClosureScope& scope)
{
    const std::string name =
        table + (broken ? ", one key broken" : "") + (sixth ? ", \"/6\"" : ", all start records");
    benchmark::RegisterBenchmark(name.c_str(), [lay, mask, scope, broken](benchmark::State& state) {
        lay();
        if (broken && BreakOneKeySoTheCheckFails(mask, scope).record < 0) state.SkipWithError("no key to break");
        for (auto _ : state) benchmark::DoNotOptimize(RunClosureCheck(mask, scope).placements);
    })->Unit(benchmark::kMillisecond);
}
