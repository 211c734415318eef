#pragma once
// Which way the closure check goes through its next start record: walking
// the search placement by placement, or summarising it by one of the two
// plans of ClosureSummaries. Each way's cost is learnt as the check goes, as
// seconds per record of the start records' searches: the size of a search
// is the number of records a walk of it places, which the walk counts and a
// summary works out, so every start record taken either way tells its size.
// A walk's rate hardly changes; a summary's falls as it meets the same
// boundaries again, so its recent rate counts most. The check takes the way
// whose cost for a search of the usual size is least, tries a summary it has
// not tried yet within a few times that cost (the cheapest way takes over
// when the try is given up), and tries a way not taken again now and then,
// at a small share of the time spent. One plan of summaries hands over to
// the other only when clearly cheaper, and one dear summary counts as no more
// than a few times the usual: a search that meets many new boundaries must
// not hand the check to the dearer plan. A walk that takes over from a first
// try of a summary, whose cost is not known yet, is itself given up after a
// few times that try; the summary goes on from where it stopped, the two
// taking turns on growing limits until one completes. Costs
// are times, so the ways taken may differ between runs; the result never does.
#include <array>
#include <cstdint>
#include <limits>

class ClosureCostModel {
public:
    enum Way { Walk, SummaryByOpenCells, SummaryByBoundaries };
    static constexpr int kWays = 3;

    struct Choice {
        Way way = Walk;
        // Seconds a way may take before it is given up and the start record
        // taken the fallback way instead; infinite for none. A walk given up
        // hands the start record back to the summary given up before it.
        double limit = std::numeric_limits<double>::infinity();
        Way fallback = Walk;
        double fallbackLimit = std::numeric_limits<double>::infinity();
    };

    // A way that cannot serve this check (summaries that do not pack).
    void exclude(Way way) { excluded_[way] = true; }

    // The way for the next start record, whose summary would serve `shared`
    // start records of the check (one, or several when the list is its first
    // block multiplied by the group and the others are still to come).
    Choice choose(int32_t shared) const;

    // What a way cost: `seconds` for a start record whose search has `size`
    // records. `whole` is false for a walk given up after `size` records, and
    // for a summary given up at its limit (its size learnt from the way that
    // took over).
    void took(Way way, double seconds, int64_t size, bool whole);
    // The size of a start record taken at no cost (its summary known already).
    void sized(int64_t size);

    // Seconds per record a walk places; 0 before any walk.
    double walkRate() const { return rate(Walk); }

private:
    double rate(Way way) const { return records_[way] > 0 ? seconds_[way] / records_[way] : 0; }
    // What a search of the usual size costs the way; infinite when unknown
    // (a summary never completed yet is not relied on).
    double cost(Way way, int32_t shared) const;
    // What a try of the way is expected to take, completed or not.
    double attempt(Way way) const;

    std::array<double, kWays> seconds_{}, records_{};   // decayed sums, for the rates
    std::array<bool, kWays> excluded_{};
    std::array<bool, kWays> tried_{}, completed_{};
    std::array<double, kWays> since_{};   // seconds spent since each way was last tried
    Way plan_ = SummaryByOpenCells;      // the plan of summaries last completed
    double meanSize_ = 0;                 // recent start records' sizes
    bool sized_ = false;
};
