#pragma once
// The time of every tick of a timer, and what the benchmarks print of them:
// the mean, the 99th percentile and the worst tick, against a tenth of the
// timer's interval (the most a tick may take). Each tick is timed twice: by
// the clock on the wall, which on a busy machine also counts the time other
// processes held the processor, and by the processor time of this thread
// (user and system), which does not.
#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

class TickTimes {
public:
    // Runs tick() and the work it posted for after itself (a grid's refresh),
    // as the event loop would right after the tick, and keeps the times.
    template <class F>
    void measure(F&& tick)
    {
        const double cpu = ThreadCpuMs();
        const auto start = std::chrono::steady_clock::now();
        tick();
        QCoreApplication::sendPostedEvents();
        wall_.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        cpu_.push_back(ThreadCpuMs() - cpu);
    }
    void add(const TickTimes& one)
    {
        wall_.insert(wall_.end(), one.wall_.begin(), one.wall_.end());
        cpu_.insert(cpu_.end(), one.cpu_.begin(), one.cpu_.end());
    }
    size_t count() const { return wall_.size(); }

    // Two lines, wall clock and processor time: the tick count, mean, p99 and
    // worst, and the budget (a tenth of intervalMs) with whether the worst
    // tick keeps it.
    void print(const char* what, int intervalMs) const
    {
        const double budget = intervalMs / 10.0;
        for (const auto& [clock, ms] : {std::pair{"wall", &wall_}, std::pair{"cpu ", &cpu_}}) {
            const Summary s = Summarise(*ms);
            std::printf("  %-44s %s %6zu ticks  mean %8.4f ms  p99 %8.4f ms  worst %8.4f ms  (budget %.2f ms: %s)\n",
                        what, clock, ms->size(), s.mean, s.p99, s.worst, budget,
                        s.worst < budget ? "kept" : "EXCEEDED");
        }
    }

private:
    struct Summary {
        double mean = 0, p99 = 0, worst = 0;
    };
    static Summary Summarise(std::vector<double> ms)
    {
        Summary s;
        if (ms.empty()) return s;
        for (double v : ms) s.mean += v;
        s.mean /= double(ms.size());
        std::sort(ms.begin(), ms.end());
        s.p99 = ms[std::min(ms.size() - 1, size_t(0.99 * double(ms.size())))];
        s.worst = ms.back();
        return s;
    }
    static double ThreadCpuMs()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    }

    std::vector<double> wall_, cpu_;
};

// How a generator's chain went when run until its table stopped growing.
struct SaturationRun {
    int warmSteps = 0, timedSteps = 0;
    int32_t firstRecords = 0, lastRecords = 0;   // when the timing began and at the end
    bool stopped = false;                        // the generator stopped itself (its capacity)
    double seconds = 0;

    void print(const char* unit) const
    {
        std::printf("  %d %s to %d records, then %d %s timed up to %d records (%d keys)%s; %.1f s\n", warmSteps, unit,
                    firstRecords, timedSteps, unit, lastRecords, lastRecords / 6,
                    stopped ? ", where the generator stopped" : ", which stopped growing", seconds);
    }
};

// Runs step(false) until records() reaches `from`, then step(true), which
// times what it runs, until records() has stayed the same for quietSteps
// steps in a row; each stage ends early when running() turns false or after
// `limit` steps.
template <class Step, class Records, class Running>
SaturationRun RunToSaturation(Step step, Records records, Running running, int32_t from, int quietSteps, int limit)
{
    const auto start = std::chrono::steady_clock::now();
    SaturationRun run;
    while (records() < from && run.warmSteps < limit && running()) {
        step(false);
        ++run.warmSteps;
    }
    run.firstRecords = run.lastRecords = records();
    int quiet = 0;
    while (quiet < quietSteps && run.timedSteps < limit && running()) {
        step(true);
        ++run.timedSteps;
        quiet = records() == run.lastRecords ? quiet + 1 : 0;
        run.lastRecords = records();
    }
    run.stopped = !running();
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}

