#pragma once
// The closure check's search placement by placement, in the order the check
// defines: start records ascending, then at each level the records that fit
// in index order. Which grid positions the earlier levels have fixed when a
// record is placed at level L depends only on the mask, not on the records;
// so the candidates of level L are exactly the records whose cells at those
// points equal the grid there (and agree with themselves where two points of
// the level meet), and an index by those cells lists them in ascending order,
// as the full scan would meet them. Composed keys are looked up through
// indexes of whole keys to their first row; at the last level, whose composed
// keys differ only in their last block number, once per block.
//
// The summarised check (ClosureCheck.cpp) hands it the start records it
// walks: the first ones, until the search proves long enough to summarise;
// the one whose search fails; and those it cannot summarise.
#include "tables1d/ClosureCheck.h"
#include "tables1d/RecordKeyIndex.h"

#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <vector>

class ClosureEnumeration {
public:
    // Builds the indexes; changes no count (the caller resets them).
    ClosureEnumeration(const ClosureMask& mask, const ClosureScope& scope, const ClosureProgressCallback& progress);

    // Goes on from this outcome (counters, last placement), as if the search
    // so far had been walked here.
    void seed(const ClosureOutcome& outcome) { outcome_ = outcome; }

    // Walks start records from..to-1 (the scope's progress reports included);
    // true when a placement failed and the search has to stop.
    bool runStarts(int32_t from, int32_t to);

    // Walks start record `start` unless that places more than `budget`
    // records; then what it did is undone (counts, counters, lastFoundIndex)
    // and OverBudget is returned.
    enum class StartWalk { Passed, Stopped, OverBudget };
    StartWalk tryStart(int32_t start, int64_t budget);

    // The outcome so far; finish() also leaves ttProbeKey holding the
    // composed key of the last placement looked up.
    const ClosureOutcome& outcome() const { return outcome_; }
    ClosureOutcome finish();

    // The last placement in search order of levels 0..depth-1 that starts
    // from `start` and fits (every level agreeing with the earlier ones), its
    // records in records[0..depth-1]; false when there is none. With
    // `extends`, a record placed at a level below depth-1 is kept only when
    // extends(level) says the placement so far can be completed (it may read
    // grid()).
    bool lastPlacementFrom(int32_t start, int depth, std::array<int32_t, 10>& records,
                           const std::function<bool(int level)>& extends = {});

    // The first rows of composed keys in the list and in its permuted copy
    // (the latter built only when the scope makes the permuted test).
    const RecordKeyIndex& keyIndex() const { return keyIndex_; }
    // The first row of the list holding the key composed by a complete
    // placement (the block numbers of its records), -1 for none.
    int32_t firstRowComposedBy(const std::array<int32_t, 10>& placement) const;
    const RecordKeyIndex& permutedIndex() const { return permutedIndex_; }

    // The placement region as the last placement left it: positions the
    // levels placed so far have set hold their cells.
    const int32_t* grid() const { return grid_.data(); }

    // Places `start` at level 0 (plain writes, the later point's cell wins
    // where two points share a position).
    void placeStart(int32_t start);

    // A walk may be guided: below each record it places at a level before
    // the last, the guide may account for the whole search below that
    // placement itself (skipBelow), and the walk goes on with the next
    // record of the level. The guide reads the placement from records() and
    // grid().
    class Guide {
    public:
        virtual ~Guide() = default;
        // True when the guide has accounted for what lies below the placement
        // of levels 0..depth-1.
        virtual bool accountsBelow(int depth) = 0;
        // Whether the placement of levels 0..depth-1 has a complete placement below it.
        virtual bool completes(int depth) = 0;
    };
    void setGuide(Guide* guide) { guide_ = guide; }
    const std::array<int32_t, 10>& records() const { return records_; }

    // For a guide: the search below the placement of levels 0..depth-1 taken
    // as walked, fitting[l] being its placements of levels depth..l (l up to
    // the last level), every complete one passing (their counts the guide
    // raises). Its last complete placement is worked out when it is needed.
    void skipBelow(int depth, const std::array<int64_t, 10>& fitting);

private:
    // The first rows holding a composed key in the list and in its permuted
    // copy (-1 for none).
    struct Answer {
        int32_t found;
        int32_t permuted;
    };

    struct Level {
        std::vector<int> fixedPoints;   // points landing on cells the earlier levels set
        std::vector<int> newPoints;     // points this level sets
        // Points landing on a cell another point of this level sets first: a
        // record fits only when its cells there agree (a two-dimensional mask
        // may hold a point twice).
        std::vector<std::pair<int, int>> samePoints;
        const RecordKeyIndex* index = nullptr;
        // When one earlier level's record covers every fixed cell, the
        // candidates depend on that record alone and are kept per record.
        int sourceLevel = -1;
        std::vector<std::span<const int32_t>> candidatesOf;
        std::vector<uint8_t> known;
        // Otherwise the candidates stay the same until the highest level
        // that set one of the fixed cells takes another record.
        int dependsOn = 0;
        uint64_t cachedStamp = 0;
        std::span<const int32_t> cached;
    };

    // The answers of the last level's blocks under one prefix of the
    // composed key (the blocks of the other levels) and one reference cell.
    static constexpr int32_t kMemoBlocks = 16;
    struct LastLevelMemo {
        RecordKeyIndex::PackedKey prefix;
        int32_t reference = -2;
        unsigned unmatchable = 0;
        uint32_t known = 0, passing = 0;   // blocks whose answer is known, and which pass
        Answer answers[kMemoBlocks];       // valid for the known blocks
        int32_t* countOf[kMemoBlocks];     // the count a passing block raises, if any
    };

    void buildLevels();
    void report(int level);
    std::span<const int32_t> candidates(const Level& lv, int32_t shift) const;
    void setProbe(int level, int32_t record);
    bool place(int level);
    bool placeLast(std::span<const int32_t> rows, bool reports);
    void noteLastPassed(int32_t last, const Answer* answers);
    bool passes(const Answer& answer) const;
    Answer lookUp() const;
    bool complete(const Answer& answer);
    bool lastFrom(int level, int depth, std::array<int32_t, 10>& records, const std::function<bool(int)>& extends);
    void resolveSkipped(bool wholePlacement);

    const int n_;
    const std::array<int32_t, 10> pos_;
    const int32_t count_;
    const int32_t block_;
    const PermutedTest permuted_;
    const int progressLevel_;
    const int32_t firstCounted_;
    const int32_t width_;
    const int32_t reach_;       // -1: the reference cell lies outside the region
    const int32_t startCount_;
    const int32_t placeable_;   // rows that can be placed: the records and the start rows
    std::vector<int32_t> grid_;      // one cell per position; -1 where no level has set it
    std::vector<int32_t> blockOf_;   // block number of each row that can be placed
    const ClosureProgressCallback& progress_;
    std::array<Level, 10> levels_;
    std::map<uint64_t, RecordKeyIndex> indexes_;   // shared by levels with the same constraints
    RecordKeyIndex keyIndex_;
    RecordKeyIndex permutedIndex_;
    std::array<int32_t, 10> records_;    // the record of each level; -1 past the last level
    LastLevelMemo memo_;
    std::array<uint64_t, 10> stamp_{};   // when each level last took a record
    uint64_t clock_ = 0;
    RecordKeyIndex::PackedKey probe_;   // block numbers of the records placed so far
    unsigned unmatchable_ = 0;          // levels whose block number no key cell can hold
    bool lastLevelSetsReference_ = n_ == 1;   // the reference cell is one the last level sets
    ClosureOutcome outcome_;
    // A walk on a budget: records placed against it, and the counts it raised.
    int64_t budget_ = INT64_MAX;
    int64_t placed_ = 0;
    bool overBudget_ = false;
    bool logging_ = false;
    std::vector<int32_t> raised_;
    Guide* guide_ = nullptr;
    // The last search the guide accounted for, while no placement walked
    // since has taken its place as the last one: its levels and records.
    int skippedDepth_ = 0;
    std::array<int32_t, 10> skippedRecords_{};
};
