#pragma once
// What the closure check's search finds below a start record, without
// walking its placements one by one: the composed keys of the complete
// placements (with the reference cell) and how many placements compose each,
// and how many placements of the first levels fit.
//
// Once some levels are placed, the levels still to place fall into groups
// that share no open cell: a group's records agree with the placed cells and
// with each other, and never meet another group's. The placements below are
// then every combination of one placement per group, and a group's placements
// depend only on the cells it reads from outside itself (its boundary), not
// on how those came to be. So each group is summarised once per boundary as
// the multiset of the block numbers its records contribute to the composed
// key: the group is split by placing one of its levels, whose records come
// from an index by the boundary cells they meet, and the rest is split again.
// A summary is reused wherever the same group meets the same boundary, which
// is what makes a search of billions of placements a matter of thousands of
// summaries.
//
// Counting placements of levels 0..L (the search's progress at level L) is
// the same problem on the mask's first L + 1 points, with counts only.
#include "tables1d/ClosureCheck.h"
#include "tables1d/RecordKeyIndex.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

class ClosureSummaries {
public:
    // How a group chooses the level it places first. Which is faster depends
    // on the mask and the table (a one-dimensional mask is best swept from one
    // side, a two-dimensional one with far points best cut apart), never the
    // result.
    enum class Plan {
        FewestOpenCells,      // the level whose records the most known cells find
        SmallestBoundaries,   // the level after which the groups read the fewest known cells
    };

    // Reads the list as it is now.
    ClosureSummaries(const ClosureMask& mask, const ClosureScope& scope, Plan plan = Plan::FewestOpenCells);

    // False when composed keys do not pack into 64 bits (block numbers above
    // 255, or many large cells); then nothing here may be used.
    bool usable() const { return usable_; }

    // A composed key: the block number of the record of each level and the
    // reference cell, packed.
    struct Entry {
        uint64_t key;
        int64_t count;   // placements composing it (saturating)
    };

    // The composed keys of the complete placements that start from record
    // `start` (below the scope's record count), each with its number of
    // placements; valid until the next call.
    std::span<const Entry> startKeys(int32_t start);

    // The same below a placement of levels 0..depth-1 (1 <= depth <=
    // pointCount): its records in records[0..depth-1] (rows of the list),
    // its cells in `grid` (region positions).
    std::span<const Entry> keysBelow(int depth, const int32_t* grid, const int32_t* records);

    // Lays the cells of any row of the list's capacity (one past the list
    // included) at level 0, for fittingPlacements.
    void placeStart(int32_t row);

    // The placements of levels 0..level (1 <= level < pointCount) that fit
    // below the start last placed (by startKeys or placeStart).
    int64_t fittingPlacements(int level);

    // The complete placements below a placement of levels 0..depth-1
    // (1 <= depth <= pointCount), their cells in `grid` (region positions).
    int64_t completions(int depth, const int32_t* grid);

    // The placements of levels depth..level below such a placement (1 for
    // level < depth).
    int64_t placementsBelow(int depth, int level, const int32_t* grid);

    // A summary that runs past this moment is given up: the call returns
    // nothing (no keys, 0 placements) and abandoned() tells so until the next
    // call. What it had summarised before stays for later calls.
    using Clock = std::chrono::steady_clock;
    void setDeadline(Clock::time_point deadline) { deadline_ = deadline; }
    void clearDeadline() { deadline_ = Clock::time_point::max(); }
    bool abandoned() const { return abandoned_; }

    // A packed key with every block number and the reference cell (0..5)
    // multiplied by group element g on the left.
    uint64_t multiplied(uint64_t key, int g) const;

    // The parts of a packed key.
    RecordKeyIndex::PackedKey composedKey(uint64_t key) const;
    int32_t referenceCell(uint64_t key) const;   // -1 when no level sets it

    // Forgets the summaries once they hold more than a bounded amount of
    // memory; call between start records.
    void trim();

private:
    // A group's boundary cells, a byte each, packed in words (the mask's
    // levels cover at most 81 cells).
    using Key = std::array<uint64_t, 11>;

    // Summaries by key, for one group.
    class Memo {
    public:
        void setWords(int words) { words_ = words; }
        // The result stored for these words, or -1.
        int32_t find(const uint64_t* key, uint64_t hash) const;
        void insert(const uint64_t* key, uint64_t hash, int32_t result);
        void clear();
        size_t size() const { return results_.size(); }

    private:
        struct Slot {
            uint64_t hash = 0;
            int32_t at = -1;   // index into results_, -1 free
        };
        int words_ = 1;
        std::vector<uint64_t> keys_;
        std::vector<int32_t> results_;
        std::vector<Slot> slots_;
        size_t mask_ = 0;
    };

    // The levels of a group; which cells it reads from outside; the level it
    // places first and how the rest splits after it.
    struct Node {
        uint32_t levels = 0;
        int universe = 0;            // the mask's first universe + 1 points
        bool keys = false;           // summarised as composed keys, else counted only
        std::vector<int32_t> boundary;   // region positions, ascending
        int branch = 0;
        std::vector<int> fixedFrom;      // boundary index of each cell the branch level meets
        const RecordKeyIndex* index = nullptr;   // the branch level's records by those cells
        int referencePoint = -1;         // point of the branch level on the reference cell, if it sets it
        struct Part {
            int node;
            std::vector<int> source;     // per boundary cell: >= 0 parent boundary index, else -1 - point of the branch level
            // The points of the branch level's record the part reads; while
            // one group is summarised, records alike there give the same part.
            std::vector<int> recordPoints;
        };
        std::vector<Part> parts;
        int words = 1;
        Memo memo;
        Memo countMemo;   // counts of a group summarised as composed keys
    };

    // Cells of a level, as a bitmask over the distinct positions of the mask.
    using CellSet = std::array<uint64_t, 2>;

    CellSet cellsOf(uint32_t levels) const;
    std::vector<uint32_t> groupsOf(uint32_t remaining, uint32_t universe) const;
    int nodeFor(uint32_t levels, int universe);
    const RecordKeyIndex* indexFor(int level, const std::vector<int>& fixedPoints);
    std::vector<int32_t> positionsOf(const CellSet& cells) const;

    int32_t summarise(int node, const Key& key, int depth);
    int64_t count(int node, const Key& key, int depth);
    int64_t countBelow(const std::vector<int>& groups, const int32_t* grid);
    std::span<const Entry> keysOf(const std::vector<int>& groups, const int32_t* grid, uint64_t edge);
    // Gives up the summary in progress once the deadline has passed.
    void checkDeadline();
    template <class Value, class Call>
    Value unlessAbandoned(Value none, Call call);
    static void fillPart(const Node::Part& part, const uint8_t* values, const uint8_t* record, Key& into);
    static void fillRoot(const Node& node, const int32_t* grid, Key& into);

    struct Result {
        uint32_t begin, end;
        int64_t total;
    };

    // Composed keys accumulated by key.
    class Accumulator {
    public:
        void add(uint64_t key, int64_t count);
        void clear();
        const std::vector<Entry>& entries() const { return entries_; }

    private:
        std::vector<Entry> entries_;
        std::vector<int32_t> slots_;
        std::vector<size_t> used_;
        size_t mask_ = 0;
    };
    // Every combination of one key from each part's summary, joined to `key`.
    void expand(const int32_t* parts, size_t partCount, uint64_t key, int64_t count, Accumulator& into) const;

    int n_ = 0;
    Plan plan_ = Plan::FewestOpenCells;
    Clock::time_point deadline_ = Clock::time_point::max();
    bool abandoned_ = false;
    uint32_t sinceClock_ = 0;   // summaries made since the clock was last read
    std::array<int32_t, 10> pos_{};
    int32_t count_ = 0;
    int32_t block_ = 1;
    int32_t reach_ = -1;     // region position of the reference cell, -1 outside
    bool usable_ = false;
    int tagBits_ = 0;
    int referenceShift_ = 0;
    int referenceBits_ = 0;
    std::vector<int32_t> cellPosition_;   // distinct positions the mask's levels cover
    std::array<CellSet, 10> levelCells_{};
    int referenceId_ = -1;                 // the reference cell's index among them, -1 none
    std::vector<uint8_t> tagOf_;           // block number of each record

    std::vector<Node> nodes_;
    std::map<std::pair<uint32_t, int>, int> nodeIndex_;
    std::map<std::vector<int>, RecordKeyIndex> indexes_;   // by level and the points it meets
    // The groups below a placement of levels 0..depth-1 (depth <= universe),
    // per universe (the first universe + 1 levels) and depth.
    std::array<std::array<std::vector<int>, 10>, 10> roots_{};

    std::vector<Entry> entries_;   // every summary's keys
    std::vector<Result> results_;
    std::vector<int64_t> counts_;
    std::vector<Accumulator> accumulators_;   // one per depth of the recursion
    std::vector<Key> keys_;   // the parts' keys per depth of the recursion
    std::vector<uint8_t> referenceFixedAt_;   // per depth: the levels above it set the reference cell
    // The parts already looked up while one group is summarised, by depth,
    // part and the record's cells the part reads (three cells below 8).
    static constexpr size_t kPartSlots = 512;
    struct PartSlot {
        uint64_t stamp = 0;
        int64_t value = 0;   // summary index or count
    };
    std::vector<PartSlot> partSlots_;
    uint64_t stamp_ = 0;
    int64_t partOf(const Node& node, size_t k, const uint8_t* values, const uint8_t* record, int depth,
                   uint64_t stamp, bool keys);
    std::vector<std::vector<int32_t>> partResults_;
    Accumulator startAccumulator_;
    std::vector<int32_t> grid_;    // the start's level-0 cells by position
};
