#pragma once
// The closure check of a transition table: records are laid on overlapping
// windows in the mask's own pattern (the record of level L at the position of
// point L), and the key composed of the placed records' block numbers must
// again be a record (else "unlocked"); the value-permuted copy must file the
// composed key under the block of the reference cell (else "permuted
// mismatch"). The check stops at the first failure; otherwise it counts in
// ttHitCount how often each record was the composed key. It reads ttKeys,
// ttKeysPermuted (build it first) and the records of its scope, and writes
// ttHitCount over the scope, ttProbeKey and lastFoundIndex.
//
// The general check ("CHECK TT 1 dim") scopes itself by the list: N records,
// blocks of N/6, the permuted test for 6 to 8 points. The checks of the fixed
// masks scan a fixed record range with a fixed block size, whatever N is. The
// two-dimensional check lays its mask row by row into the same placement
// region (tables2d/ClosureCheck2d.h) and starts from a range of records.
//
// RunClosureCheck walks each start record's search placement by placement
// through indexes, or summarises it (the composed keys and how many
// placements compose each), whichever has cost less so far, and walks the
// start record whose search fails; RunClosureCheckByScan tries every record
// at every level as the check was first written. Both give the same counts,
// verdict, stopping point and final globals.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

// Where the points of a mask lie in the placement region, a row of cells: a
// record placed at level L puts its cell p at positions[L] + positions[p], so
// the region has 2 * (largest position) + 1 cells. A one-dimensional mask
// counts its positions from the leftmost point, ascending ([0] = 0); a
// two-dimensional one numbers its cells row by row, and two of its points may
// share a position (the later one's cell wins at level 0; at any other level a
// record whose cells there differ does not fit).
struct ClosureMask {
    int32_t pointCount = 0;                // n, 1..9
    std::array<int32_t, 10> positions{};   // 0..kClosureMaxPosition
    int32_t doubleLeftReach = 0;           // region position of the reference cell (one dimension:
                                           // twice the centre's position); outside the region: none
};

// Positions stay below this, so that a region stays a few hundred kilobytes.
constexpr int32_t kClosureMaxPosition = 1 << 17;

// Cells of the placement region of a mask: 2 * (largest position) + 1.
int32_t ClosureRegionSize(const ClosureMask& mask);

enum class ClosureVerdict {
    Closed,             // every placement passed
    Unlocked,           // a composed key is not a record ("IS UNLOCKED")
    PermutedMismatch,   // the permuted copy disagrees ("IS OOOOOOOOOOO")
};

struct ClosureOutcome {
    ClosureVerdict verdict = ClosureVerdict::Closed;
    int64_t placements = 0;                 // complete placements looked up, a failing one included
    std::array<int32_t, 10> lastPlacement;  // records of the last complete placement, level 0 first
    bool lastFound = false;                 // whether its composed key was a record
    // Per level: how often the search entered it (level 0: start records
    // placed) and how many records fitted there, the stopping one included.
    std::array<int64_t, 10> levelEntries{};
    std::array<int64_t, 10> levelFits{};
    ClosureOutcome() { lastPlacement.fill(-1); }
};

// What the permuted copy's answer decides.
enum class PermutedTest {
    Skip,                      // not made (nine points)
    Stop,                      // a wrong or missing answer stops the check
    StopWhenReferenceIsZero,   // three points: only with reference cell 0; otherwise the search goes on
};

// How RunClosureCheck takes the start records after its first walk. Every way
// gives the same result; all but the first are there for the tests and
// benchmarks that compare the ways.
enum class ClosureWay {
    Cheapest,              // each start record the way that has cost least so far (walked or summarised)
    Walk,                  // every start record walked
    SummariseOpenCells,    // every start record summarised, groups split where the most known cells find records
    SummariseBoundaries,   // every start record summarised, groups split to leave the smallest boundaries
    EachInTurn,            // walked, summarised by one plan, by the other, in turn; some summaries given up
};

// The records one check works on and how it reports.
struct ClosureScope {
    int32_t recordCount = 0;   // records tried at every level, searched by both lookups
    int32_t blockSize = 0;     // block number of record r is r / blockSize
    // Start records startFrom..startCount-1 (none when startFrom >= startCount).
    // They may lie beyond recordCount, within the list's capacity: such a row
    // is placed as it stands, and its block number matches no key cell.
    int32_t startFrom = 0;
    int32_t startCount = 0;
    PermutedTest permuted = PermutedTest::Stop;
    int progressLevel = 0;     // the level (0..3) whose records the progress callback reports
    bool resetCounts = true;   // counts of records 0..recordCount-1 set to 0 first; else added to
    int32_t firstCountedRecord = 0;   // a composed key found below this row gains no count
    // RunClosureCheck walks start records placement by placement as long as
    // that places no more than this many records in all (a short search costs
    // less walked), and from the start record that would go past it takes
    // each start record the way `way` says. Any value gives the same result.
    int64_t walkBeforeSummarising = 200000;
    ClosureWay way = ClosureWay::Cheapest;
};

// The general check's scope: N records in blocks of N/6, start records from
// block 0 only when firstBlockOnly ("/6"), the permuted test for 6 to 8
// points, progress at level 0 for 6 points, 1 for 7, 2 for 8 and 9.
ClosureScope GeneralClosureScope(const ClosureMask& mask, int32_t recordCount, bool firstBlockOnly);

// Where the search stands, for a progress display: the scope's startCount;
// records[0..level] are the records of levels 0..level of the current placement.
struct ClosureProgress {
    int32_t startCount = 0;
    int level = 0;
    std::array<int32_t, 4> records{};
};
// Called at each record tried at the scope's progress level: the scan tries
// every record. The indexed check reports, for a start record it summarises,
// the last report the scan makes below it, and for a start record it walks,
// the records that fit and then the last record; so the last report of each
// start record, and of the whole check, is the same. May be empty.
using ClosureProgressCallback = std::function<void(const ClosureProgress&)>;

// Empty when the check can run on the list as it is; otherwise why not
// (fewer than 6 records, a point count outside 6..9, a mask that is not built).
std::string WhyClosureCheckCannotRun(const ClosureMask& mask, int32_t recordCount);

// Both checks of the general scope require WhyClosureCheckCannotRun to be
// empty; otherwise they change nothing and return Closed with no placements.
// firstBlockOnly starts placements from block 0 only (the "/6" switch).
ClosureOutcome RunClosureCheck(const ClosureMask& mask, bool firstBlockOnly,
                               const ClosureProgressCallback& progress = {});
ClosureOutcome RunClosureCheckByScan(const ClosureMask& mask, bool firstBlockOnly,
                                     const ClosureProgressCallback& progress = {});

// The same checks over any scope. A scope that does not fit the list or the
// mask (record count outside 0..capacity, block size below 1, start records
// outside the list's capacity, positions outside 0..kClosureMaxPosition)
// changes nothing and returns Closed with no placements.
ClosureOutcome RunClosureCheck(const ClosureMask& mask, const ClosureScope& scope,
                               const ClosureProgressCallback& progress = {});
ClosureOutcome RunClosureCheckByScan(const ClosureMask& mask, const ClosureScope& scope,
                                     const ClosureProgressCallback& progress = {});

// Whether the scope can run on the mask (what the scoped checks test first).
bool IsClosureScopeUsable(const ClosureMask& mask, const ClosureScope& scope);
