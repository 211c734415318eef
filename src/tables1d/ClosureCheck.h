#pragma once
// The closure check of a one-dimensional table: records are laid on
// overlapping windows in the mask's own pattern (the record of level L at the
// position of point L), and the key composed of the placed records' block
// numbers must again be a record (else "unlocked"); the value-permuted copy
// must file the composed key under the block of the reference cell (else
// "permuted mismatch"). The check stops at the first failure; otherwise it
// counts in ttHitCount how often each record was the composed key. It reads
// ttKeys, ttKeysPermuted (build it first) and the records of its scope, and
// writes ttHitCount over the scope (reset first), ttProbeKey and lastFoundIndex.
//
// The general check ("CHECK TT 1 dim") scopes itself by the list: N records,
// blocks of N/6, the permuted test for 6 to 8 points. The checks of the fixed
// masks scan a fixed record range with a fixed block size, whatever N is.
//
// RunClosureCheck finds the candidates of each level through an index of the
// records by the cells the earlier levels already fix; RunClosureCheckByScan
// tries every record at every level as the check was first written. Both give
// the same counts, verdict, stopping point and final globals.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

struct ClosureMask {
    int32_t pointCount = 0;                // n, 3..9
    std::array<int32_t, 10> positions{};   // point i counted from the leftmost point, ascending, [0] = 0
    int32_t doubleLeftReach = 0;           // grid position of the reference cell (2 * centre position)
};

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
    ClosureOutcome() { lastPlacement.fill(-1); }
};

// What the permuted copy's answer decides.
enum class PermutedTest {
    Skip,                      // not made (nine points)
    Stop,                      // a wrong or missing answer stops the check
    StopWhenReferenceIsZero,   // three points: only with reference cell 0; otherwise the search goes on
};

// The records one check works on and how it reports.
struct ClosureScope {
    int32_t recordCount = 0;   // records tried at every level, searched by both lookups, counts reset over them
    int32_t blockSize = 0;     // block number of record r is r / blockSize
    int32_t startCount = 0;    // start records 0..startCount-1
    PermutedTest permuted = PermutedTest::Stop;
    int progressLevel = 0;     // the level (0..2) whose records the progress callback reports
};

// The general check's scope: N records in blocks of N/6, start records from
// block 0 only when firstBlockOnly ("/6"), the permuted test for 6 to 8
// points, progress at level 0 for 6 points, 1 for 7, 2 for 8 and 9.
ClosureScope GeneralClosureScope(const ClosureMask& mask, int32_t recordCount, bool firstBlockOnly);

// Where the search stands, for a progress display: startCount start records;
// records[0..level] are the records of levels 0..level of the current placement.
struct ClosureProgress {
    int32_t startCount = 0;
    int level = 0;
    std::array<int32_t, 3> records{};
};
// Called at each record tried at the scope's progress level (the scan tries
// every record; the indexed check reports the records that fit and then the
// last record, so the last report of each level, and of the whole check, is
// the same). May be empty.
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
// mask (record count outside 0..capacity, block size below 1, more start
// records than records, positions out of order) changes nothing and returns
// Closed with no placements.
ClosureOutcome RunClosureCheck(const ClosureMask& mask, const ClosureScope& scope,
                               const ClosureProgressCallback& progress = {});
ClosureOutcome RunClosureCheckByScan(const ClosureMask& mask, const ClosureScope& scope,
                                     const ClosureProgressCallback& progress = {});

// Whether the scope can run on the mask (what the scoped checks test first).
bool IsClosureScopeUsable(const ClosureMask& mask, const ClosureScope& scope);
