#include "tables1d/ClosureSummaries.h"

#include "base/GroupAlgebra.h"
#include "base/NumericHelpers.h"
#include "base/TableRecords.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace {

int64_t MultiplyCounts(int64_t a, int64_t b)
{
    int64_t product;
    return __builtin_mul_overflow(a, b, &product) ? INT64_MAX : product;
}

// Bits that hold every value 0..largest.
int BitsFor(int64_t largest)
{
    int bits = 1;
    while (bits < 63 && (int64_t(1) << bits) <= largest) ++bits;
    return bits;
}

uint64_t HashWords(const uint64_t* words, int count)
{
    uint64_t h = 0x9e3779b97f4a7c15ULL;
    for (int i = 0; i < count; ++i) {
        h ^= words[i];
        h *= 0xbf58476d1ce4e5b9ULL;
        h ^= h >> 31;
    }
    return h;
}

uint64_t HashKey(uint64_t key)
{
    key ^= key >> 33;
    key *= 0xff51afd7ed558ccdULL;
    key ^= key >> 33;
    return key;
}

bool Has(uint32_t levels, int level) { return (levels >> level) & 1u; }

} // namespace

// ---- Memo -------------------------------------------------------------------

int32_t ClosureSummaries::Memo::find(const uint64_t* key, uint64_t hash) const
{
    if (slots_.empty()) return -1;
    for (size_t slot = hash & mask_;; slot = (slot + 1) & mask_) {
        const Slot& s = slots_[slot];
        if (s.at < 0) return -1;
        if (s.hash != hash) continue;
        const uint64_t* stored = keys_.data() + size_t(s.at) * size_t(words_);
        int w = 0;
        while (w < words_ && stored[w] == key[w]) ++w;
        if (w == words_) return results_[size_t(s.at)];
    }
}

void ClosureSummaries::Memo::insert(const uint64_t* key, uint64_t hash, int32_t result)
{
    if ((results_.size() + 1) * 2 > slots_.size()) {
        const size_t size = std::max<size_t>(64, slots_.size() * 2);
        std::vector<Slot> old(size, Slot{});
        old.swap(slots_);
        mask_ = size - 1;
        for (const Slot& s : old) {
            if (s.at < 0) continue;
            size_t slot = s.hash & mask_;
            while (slots_[slot].at >= 0) slot = (slot + 1) & mask_;
            slots_[slot] = s;
        }
    }
    size_t slot = hash & mask_;
    while (slots_[slot].at >= 0) slot = (slot + 1) & mask_;
    slots_[slot] = {hash, int32_t(results_.size())};
    keys_.insert(keys_.end(), key, key + words_);
    results_.push_back(result);
}

void ClosureSummaries::Memo::clear()
{
    keys_.clear();
    results_.clear();
    slots_.clear();
    mask_ = 0;
}

// ---- Accumulator --------------------------------------------------------------

void ClosureSummaries::Accumulator::add(uint64_t key, int64_t count)
{
    if ((entries_.size() + 1) * 2 > slots_.size()) {
        const size_t size = std::max<size_t>(16, slots_.size() * 2);
        slots_.assign(size, -1);
        mask_ = size - 1;
        for (size_t at = 0; at < entries_.size(); ++at) {
            size_t slot = HashKey(entries_[at].key) & mask_;
            while (slots_[slot] >= 0) slot = (slot + 1) & mask_;
            slots_[slot] = int32_t(at);
        }
    }
    size_t slot = HashKey(key) & mask_;
    for (;; slot = (slot + 1) & mask_) {
        const int32_t at = slots_[slot];
        if (at < 0) break;
        if (entries_[size_t(at)].key == key) {
            entries_[size_t(at)].count = SaturatingAdd64(entries_[size_t(at)].count, count);
            return;
        }
    }
    slots_[slot] = int32_t(entries_.size());
    entries_.push_back({key, count});
}

void ClosureSummaries::Accumulator::clear()
{
    if (entries_.empty()) return;
    if (entries_.size() * 8 < slots_.size()) {
        // Few entries: free their slots one by one rather than the whole table.
        used_.clear();
        for (size_t at = 0; at < entries_.size(); ++at) {
            size_t slot = HashKey(entries_[at].key) & mask_;
            while (slots_[slot] != int32_t(at)) slot = (slot + 1) & mask_;
            used_.push_back(slot);
        }
        for (const size_t slot : used_) slots_[slot] = -1;
    } else {
        std::fill(slots_.begin(), slots_.end(), -1);
    }
    entries_.clear();
}

// ---- Plan -------------------------------------------------------------------

ClosureSummaries::ClosureSummaries(const ClosureMask& mask, const ClosureScope& scope, Plan plan)
    : n_(mask.pointCount), plan_(plan), pos_(mask.positions), count_(scope.recordCount), block_(scope.blockSize)
{
    const int32_t width = ClosureRegionSize(mask);
    reach_ = mask.doubleLeftReach >= 0 && mask.doubleLeftReach < width ? mask.doubleLeftReach : -1;
    if (n_ < 1 || n_ > 9 || count_ < 1 || block_ < 1) return;

    // Distinct positions the levels cover.
    for (int level = 0; level < n_; ++level)
        for (int p = 0; p < n_; ++p) cellPosition_.push_back(pos_[level] + pos_[p]);
    std::sort(cellPosition_.begin(), cellPosition_.end());
    cellPosition_.erase(std::unique(cellPosition_.begin(), cellPosition_.end()), cellPosition_.end());
    const auto idOf = [&](int32_t position) {
        return int(std::lower_bound(cellPosition_.begin(), cellPosition_.end(), position) - cellPosition_.begin());
    };
    for (int level = 0; level < n_; ++level)
        for (int p = 0; p < n_; ++p) {
            const int id = idOf(pos_[level] + pos_[p]);
            levelCells_[size_t(level)][size_t(id / 64)] |= uint64_t(1) << (id % 64);
        }
    if (reach_ >= 0 && std::binary_search(cellPosition_.begin(), cellPosition_.end(), reach_))
        referenceId_ = idOf(reach_);

    // Packing: a block number per level, then the reference cell plus one.
    const int32_t largestBlock = (count_ - 1) / block_;
    int largestCell = 0;
    for (int32_t r = 0; r < count_; ++r)
        for (int p = 0; p < n_; ++p) largestCell = std::max(largestCell, int(ttKeys[r][p]));
    tagBits_ = BitsFor(largestBlock);
    referenceShift_ = n_ * tagBits_;
    referenceBits_ = referenceId_ >= 0 ? BitsFor(largestCell + 1) : 0;
    usable_ = largestBlock <= 255 && referenceShift_ + referenceBits_ <= 64;
    if (!usable_) return;
    tagOf_.resize(size_t(count_));
    for (int32_t r = 0; r < count_; ++r) tagOf_[size_t(r)] = uint8_t(r / block_);

    // Every group the searches below can meet, planned before any is summarised.
    for (int universe = 1; universe < n_; ++universe) {
        const uint32_t all = (2u << universe) - 1;
        for (int depth = 1; depth <= universe; ++depth) {
            const uint32_t placed = (1u << depth) - 1;
            for (uint32_t group : groupsOf(all & ~placed, all))
                roots_[size_t(universe)][size_t(depth)].push_back(nodeFor(group, universe));
        }
    }
    referenceFixedAt_.assign(size_t(n_) + 1, 0);
    for (int depth = 1; depth <= n_ && referenceId_ >= 0; ++depth)
        referenceFixedAt_[size_t(depth)] =
            (cellsOf((1u << depth) - 1)[size_t(referenceId_ / 64)] >> (referenceId_ % 64)) & 1u;
    const size_t depths = size_t(n_) + 1;
    accumulators_.resize(depths);
    keys_.resize(depths);
    partSlots_.resize(depths * size_t(n_) * kPartSlots);
    partResults_.assign(depths, std::vector<int32_t>(size_t(n_), 0));
    grid_.assign(size_t(width), -1);
}

ClosureSummaries::CellSet ClosureSummaries::cellsOf(uint32_t levels) const
{
    CellSet cells{};
    for (int level = 0; level < n_; ++level)
        if (Has(levels, level)) {
            cells[0] |= levelCells_[size_t(level)][0];
            cells[1] |= levelCells_[size_t(level)][1];
        }
    return cells;
}

std::vector<int32_t> ClosureSummaries::positionsOf(const CellSet& cells) const
{
    std::vector<int32_t> positions;
    for (size_t id = 0; id < cellPosition_.size(); ++id)
        if ((cells[id / 64] >> (id % 64)) & 1u) positions.push_back(cellPosition_[id]);
    return positions;
}

// The levels of `remaining` split into groups that share no cell left open by
// the other levels of the universe.
std::vector<uint32_t> ClosureSummaries::groupsOf(uint32_t remaining, uint32_t universe) const
{
    const CellSet fixed = cellsOf(universe & ~remaining);
    int parent[10];
    for (int level = 0; level < 10; ++level) parent[level] = level;
    const auto root = [&](int level) {
        while (parent[level] != level) level = parent[level] = parent[parent[level]];
        return level;
    };
    for (int a = 0; a < n_; ++a)
        for (int b = a + 1; b < n_; ++b) {
            if (!Has(remaining, a) || !Has(remaining, b)) continue;
            const CellSet& ca = levelCells_[size_t(a)];
            const CellSet& cb = levelCells_[size_t(b)];
            if ((ca[0] & cb[0] & ~fixed[0]) | (ca[1] & cb[1] & ~fixed[1])) parent[root(a)] = root(b);
        }
    uint32_t byRoot[10] = {};
    for (int level = 0; level < n_; ++level)
        if (Has(remaining, level)) byRoot[root(level)] |= 1u << level;
    std::vector<uint32_t> groups;
    for (uint32_t g : byRoot)
        if (g) groups.push_back(g);
    std::sort(groups.begin(), groups.end());
    return groups;
}

const RecordKeyIndex* ClosureSummaries::indexFor(int level, const std::vector<int>& fixedPoints)
{
    std::vector<int> pattern = {level};
    pattern.insert(pattern.end(), fixedPoints.begin(), fixedPoints.end());
    auto [it, inserted] = indexes_.try_emplace(pattern);
    if (inserted) {
        // A record must agree with itself where two of its points meet on an open cell.
        std::vector<std::pair<int, int>> same;
        for (int p = 0; p < n_; ++p) {
            if (std::find(fixedPoints.begin(), fixedPoints.end(), p) != fixedPoints.end()) continue;
            for (int q = 0; q < p; ++q)
                if (pos_[q] == pos_[p] && std::find(fixedPoints.begin(), fixedPoints.end(), q) == fixedPoints.end()) {
                    same.emplace_back(p, q);
                    break;
                }
        }
        std::vector<uint8_t> consistent;
        if (!same.empty()) {
            consistent.assign(size_t(count_), 1);
            for (int32_t r = 0; r < count_; ++r)
                for (const auto& [p, q] : same)
                    if (ttKeys[r][p] != ttKeys[r][q]) consistent[size_t(r)] = 0;
        }
        it->second.build(ttKeys, count_, fixedPoints.data(), int(fixedPoints.size()),
                         consistent.empty() ? nullptr : consistent.data());
    }
    return &it->second;
}

int ClosureSummaries::nodeFor(uint32_t levels, int universe)
{
    if (const auto it = nodeIndex_.find({levels, universe}); it != nodeIndex_.end()) return it->second;
    const uint32_t all = (2u << universe) - 1;
    const CellSet own = cellsOf(levels), outside = cellsOf(all & ~levels);
    const CellSet boundaryCells = {own[0] & outside[0], own[1] & outside[1]};

    // The level to place first, by the plan; ties go to the lowest level.
    int best = -1;
    int64_t bestScore = INT64_MAX;
    std::vector<uint32_t> bestGroups;
    for (int level = 0; level < n_; ++level) {
        if (!Has(levels, level)) continue;
        const CellSet cells = levelCells_[size_t(level)];
        const int open = std::popcount(cells[0] & ~boundaryCells[0]) + std::popcount(cells[1] & ~boundaryCells[1]);
        const std::vector<uint32_t> groups = groupsOf(levels & ~(1u << level), all);
        int largest = 0, widest = 0;   // the most levels and the most boundary cells of a group left
        for (uint32_t g : groups) {
            largest = std::max(largest, std::popcount(g));
            const CellSet inside = cellsOf(g), outside = cellsOf(all & ~g);
            widest = std::max(widest, std::popcount(inside[0] & outside[0]) + std::popcount(inside[1] & outside[1]));
        }
        // Each criterion is below 100.
        const int64_t score = plan_ == Plan::FewestOpenCells ? (int64_t(open) * 100 + largest) * 100
                                                             : (int64_t(widest) * 100 + largest) * 100 + open;
        if (score < bestScore) {
            best = level;
            bestScore = score;
            bestGroups = groups;
        }
    }

    Node node;
    node.levels = levels;
    node.universe = universe;
    node.keys = universe == n_ - 1;
    node.boundary = positionsOf(boundaryCells);
    node.branch = best;
    node.words = std::max<int>(1, int(node.boundary.size() + 7) / 8);
    const auto boundaryIndex = [&](int32_t position) {
        const auto it = std::lower_bound(node.boundary.begin(), node.boundary.end(), position);
        return it != node.boundary.end() && *it == position ? int(it - node.boundary.begin()) : -1;
    };
    std::vector<int> fixedPoints;
    for (int p = 0; p < n_; ++p)
        if (const int k = boundaryIndex(pos_[best] + pos_[p]); k >= 0) {
            fixedPoints.push_back(p);
            node.fixedFrom.push_back(k);
        }
    node.index = indexFor(best, fixedPoints);
    if (node.keys && referenceId_ >= 0 && boundaryIndex(reach_) < 0)
        for (int p = 0; p < n_ && node.referencePoint < 0; ++p)
            if (pos_[best] + pos_[p] == reach_) node.referencePoint = p;

    for (uint32_t group : bestGroups) {
        Node::Part part;
        part.node = nodeFor(group, universe);
        for (int32_t position : nodes_[size_t(part.node)].boundary) {
            int source = boundaryIndex(position);
            // Any other cell the part meets would join it to another part.
            if (source < 0)
                for (int p = 0; p < n_ && source < 0; ++p)
                    if (pos_[best] + pos_[p] == position) source = -1 - p;
            part.source.push_back(source);
            if (source < 0 && std::find(part.recordPoints.begin(), part.recordPoints.end(), -1 - source) ==
                                  part.recordPoints.end())
                part.recordPoints.push_back(-1 - source);
        }
        node.parts.push_back(std::move(part));
    }
    node.memo.setWords(node.words);
    nodes_.push_back(std::move(node));
    const int id = int(nodes_.size()) - 1;
    nodeIndex_[{levels, universe}] = id;
    return id;
}

// ---- Summaries ----------------------------------------------------------------

void ClosureSummaries::expand(const int32_t* parts, size_t partCount, uint64_t key, int64_t count,
                              Accumulator& into) const
{
    if (partCount == 0) {
        into.add(key, count);
        return;
    }
    const Result& part = results_[size_t(parts[0])];
    for (uint32_t e = part.begin; e < part.end; ++e)
        expand(parts + 1, partCount - 1, key | entries_[e].key, MultiplyCounts(count, entries_[e].count), into);
}

// The cells a part reads from outside itself, from its parent's boundary
// cells and the record placed at the parent's first level, into the part's
// key (a byte per cell, the rest of its last word zero).
void ClosureSummaries::fillPart(const Node::Part& part, const uint8_t* values, const uint8_t* record, Key& into)
{
    into.fill(0);
    auto* const bytes = reinterpret_cast<uint8_t*>(into.data());
    for (size_t i = 0; i < part.source.size(); ++i) {
        const int s = part.source[i];
        bytes[i] = s >= 0 ? values[s] : record[-1 - s];
    }
}

// Part k of a group for the record placed at its first level: its summary
// index (keys) or its count.
int64_t ClosureSummaries::partOf(const Node& node, size_t k, const uint8_t* values, const uint8_t* record, int depth,
                                 uint64_t stamp, bool keys)
{
    const Node::Part& part = node.parts[k];
    PartSlot* slot = nullptr;
    if (part.recordPoints.size() <= 3) {
        size_t at = 0;
        bool small = true;
        for (size_t j = 0; j < part.recordPoints.size(); ++j) {
            const uint8_t v = record[part.recordPoints[j]];
            small = small && v < 8;
            at |= size_t(v) << (3 * j);
        }
        if (small) {
            slot = &partSlots_[(size_t(depth) * size_t(n_) + k) * kPartSlots + at];
            if (slot->stamp == stamp) return slot->value;
        }
    }
    Key& key = keys_[size_t(depth)];
    fillPart(part, values, record, key);
    const int64_t value = keys ? int64_t(summarise(part.node, key, depth + 1)) : count(part.node, key, depth + 1);
    if (slot) *slot = {stamp, value};
    return value;
}

int32_t ClosureSummaries::summarise(int id, const Key& key, int depth)
{
    const Node& node = nodes_[size_t(id)];
    const uint64_t hash = HashWords(key.data(), node.words);
    if (const int32_t known = node.memo.find(key.data(), hash); known >= 0) return known;
    checkDeadline();

    const auto* const values = reinterpret_cast<const uint8_t*>(key.data());
    uint8_t met[kTableKeyBytes];
    for (size_t i = 0; i < node.fixedFrom.size(); ++i) met[i] = values[node.fixedFrom[i]];
    Accumulator& into = accumulators_[size_t(depth)];
    into.clear();
    int32_t* const parts = partResults_[size_t(depth)].data();
    const uint64_t tagShift = uint64_t(tagBits_) * uint64_t(node.branch);
    const uint64_t stamp = ++stamp_;
    for (const int32_t r : node.index->find(met)) {
        bool empty = false;
        for (size_t k = 0; k < node.parts.size() && !empty; ++k) {
            parts[k] = int32_t(partOf(node, k, values, ttKeys[r], depth, stamp, true));
            empty = results_[size_t(parts[k])].total == 0;
        }
        if (empty) continue;
        uint64_t edge = uint64_t(tagOf_[size_t(r)]) << tagShift;
        if (node.referencePoint >= 0) edge |= uint64_t(ttKeys[r][node.referencePoint] + 1) << referenceShift_;
        expand(parts, node.parts.size(), edge, 1, into);
    }

    Result result{uint32_t(entries_.size()), 0, 0};
    for (const Entry& e : into.entries()) {
        entries_.push_back(e);
        result.total = SaturatingAdd64(result.total, e.count);
    }
    result.end = uint32_t(entries_.size());
    results_.push_back(result);
    const int32_t resultId = int32_t(results_.size()) - 1;
    nodes_[size_t(id)].memo.insert(key.data(), hash, resultId);
    return resultId;
}

int64_t ClosureSummaries::count(int id, const Key& key, int depth)
{
    const Node& node = nodes_[size_t(id)];
    const Memo& memo = node.keys ? node.countMemo : node.memo;
    const uint64_t hash = HashWords(key.data(), node.words);
    if (const int32_t known = memo.find(key.data(), hash); known >= 0) return counts_[size_t(known)];
    checkDeadline();

    const auto* const values = reinterpret_cast<const uint8_t*>(key.data());
    uint8_t met[kTableKeyBytes];
    for (size_t i = 0; i < node.fixedFrom.size(); ++i) met[i] = values[node.fixedFrom[i]];
    int64_t total = 0;
    const uint64_t stamp = ++stamp_;
    for (const int32_t r : node.index->find(met)) {
        int64_t product = 1;
        for (size_t k = 0; k < node.parts.size() && product != 0; ++k)
            product = MultiplyCounts(product, partOf(node, k, values, ttKeys[r], depth, stamp, false));
        total = SaturatingAdd64(total, product);
    }
    counts_.push_back(total);
    Node& stored = nodes_[size_t(id)];
    (stored.keys ? stored.countMemo : stored.memo).insert(key.data(), hash, int32_t(counts_.size()) - 1);
    return total;
}

// The key of a group below the placed levels: its boundary cells from the grid.
void ClosureSummaries::fillRoot(const Node& node, const int32_t* grid, Key& into)
{
    into.fill(0);
    auto* const bytes = reinterpret_cast<uint8_t*>(into.data());
    for (size_t i = 0; i < node.boundary.size(); ++i) bytes[i] = uint8_t(grid[node.boundary[i]]);
}

namespace {

// Thrown when a summary runs past its deadline; caught where the call came in.
struct SummaryAbandoned {};

} // namespace

void ClosureSummaries::checkDeadline()
{
    // The clock is read now and then: a summary takes well under a microsecond.
    if ((++sinceClock_ & 63u) != 0 || deadline_ == Clock::time_point::max()) return;
    if (Clock::now() > deadline_) throw SummaryAbandoned{};
}

// Runs a public call; a summary given up on the way leaves `none`. Nothing
// half made is kept: a group's summary is stored only once it is complete.
template <class Value, class Call>
Value ClosureSummaries::unlessAbandoned(Value none, Call call)
{
    abandoned_ = false;
    try {
        return call();
    } catch (const SummaryAbandoned&) {
        abandoned_ = true;
        return none;
    }
}

std::span<const ClosureSummaries::Entry> ClosureSummaries::keysOf(const std::vector<int>& groups,
                                                                 const int32_t* grid, uint64_t edge)
{
    int32_t parts[10];
    bool empty = false;
    for (size_t k = 0; k < groups.size() && !empty; ++k) {
        Key key;
        fillRoot(nodes_[size_t(groups[k])], grid, key);
        parts[k] = summarise(groups[k], key, 0);
        empty = results_[size_t(parts[k])].total == 0;
    }
    startAccumulator_.clear();
    if (!empty) expand(parts, groups.size(), edge, 1, startAccumulator_);
    return startAccumulator_.entries();
}

std::span<const ClosureSummaries::Entry> ClosureSummaries::startKeys(int32_t start)
{
    for (int p = 0; p < n_; ++p) grid_[size_t(pos_[0] + pos_[p])] = ttKeys[start][p];
    return keysBelow(1, grid_.data(), &start);
}

std::span<const ClosureSummaries::Entry> ClosureSummaries::keysBelow(int depth, const int32_t* grid,
                                                                    const int32_t* records)
{
    uint64_t edge = 0;
    for (int level = 0; level < depth; ++level)
        edge |= uint64_t(tagOf_[size_t(records[level])]) << (tagBits_ * level);
    if (referenceFixedAt_[size_t(depth)]) edge |= uint64_t(grid[reach_] + 1) << referenceShift_;
    if (depth >= n_) {
        startAccumulator_.clear();
        startAccumulator_.add(edge, 1);
        return startAccumulator_.entries();
    }
    return unlessAbandoned(std::span<const Entry>(),
                           [&] { return keysOf(roots_[size_t(n_ - 1)][size_t(depth)], grid, edge); });
}

void ClosureSummaries::placeStart(int32_t row)
{
    for (int p = 0; p < n_; ++p) grid_[size_t(pos_[0] + pos_[p])] = ttKeys[row][p];
}

int64_t ClosureSummaries::countBelow(const std::vector<int>& groups, const int32_t* grid)
{
    int64_t product = 1;
    for (const int id : groups) {
        Key key;
        fillRoot(nodes_[size_t(id)], grid, key);
        product = MultiplyCounts(product, count(id, key, 0));
        if (product == 0) break;
    }
    return product;
}

int64_t ClosureSummaries::placementsBelow(int depth, int level, const int32_t* grid)
{
    if (level < depth || depth < 1) return 1;
    return unlessAbandoned(int64_t(0), [&] { return countBelow(roots_[size_t(level)][size_t(depth)], grid); });
}

int64_t ClosureSummaries::fittingPlacements(int level)
{
    return placementsBelow(1, level, grid_.data());
}

int64_t ClosureSummaries::completions(int depth, const int32_t* grid)
{
    return placementsBelow(depth, n_ - 1, grid);
}

RecordKeyIndex::PackedKey ClosureSummaries::composedKey(uint64_t key) const
{
    RecordKeyIndex::PackedKey packed;
    const uint64_t mask = (uint64_t(1) << tagBits_) - 1;
    for (int level = 0; level < n_; ++level) {
        const uint64_t tag = (key >> (tagBits_ * level)) & mask;
        if (level < 8)
            packed.low |= tag << (8 * level);
        else
            packed.high |= tag << (8 * (level - 8));
    }
    return packed;
}

uint64_t ClosureSummaries::multiplied(uint64_t key, int g) const
{
    const uint64_t mask = (uint64_t(1) << tagBits_) - 1;
    uint64_t product = 0;
    for (int level = 0; level < n_; ++level) {
        const uint64_t tag = (key >> (tagBits_ * level)) & mask;
        product |= uint64_t(GroupProduct(uint32_t(g), uint32_t(tag))) << (tagBits_ * level);
    }
    if (referenceBits_ > 0)
        if (const uint64_t cell = (key >> referenceShift_) & ((uint64_t(1) << referenceBits_) - 1); cell > 0)
            product |= uint64_t(GroupProduct(uint32_t(g), uint32_t(cell - 1)) + 1) << referenceShift_;
    return product;
}

int32_t ClosureSummaries::referenceCell(uint64_t key) const
{
    if (referenceBits_ == 0) return -1;
    return int32_t((key >> referenceShift_) & ((uint64_t(1) << referenceBits_) - 1)) - 1;
}

void ClosureSummaries::trim()
{
    // About 100 MB of keys and memo entries.
    constexpr size_t kMostEntries = size_t(4) << 20;
    size_t memoEntries = 0;
    for (const Node& node : nodes_) memoEntries += node.memo.size();
    if (entries_.size() < kMostEntries && memoEntries < kMostEntries) return;
    for (Node& node : nodes_) node.memo.clear();
    entries_.clear();
    results_.clear();
    counts_.clear();
}
