#include "tables1d/ClosureEnumeration.h"

#include "base/NumericHelpers.h"
#include "base/TableRecords.h"

#include <algorithm>
#include <climits>

ClosureEnumeration::ClosureEnumeration(const ClosureMask& mask, const ClosureScope& scope,
                                       const ClosureProgressCallback& progress)
    : n_(mask.pointCount), pos_(mask.positions), count_(scope.recordCount), block_(scope.blockSize),
      permuted_(scope.permuted), progressLevel_(scope.progressLevel), firstCounted_(scope.firstCountedRecord),
      width_(ClosureRegionSize(mask)),
      reach_(mask.doubleLeftReach >= 0 && mask.doubleLeftReach < width_ ? mask.doubleLeftReach : -1),
      startCount_(scope.startCount), placeable_(std::max(scope.recordCount, scope.startCount)),
      grid_(size_t(width_), -1), progress_(progress)
{
    records_.fill(-1);
    buildLevels();
    const Level& last = levels_[size_t(n_ - 1)];
    for (int p : last.newPoints)
        lastLevelSetsReference_ = lastLevelSetsReference_ || pos_[n_ - 1] + pos_[p] == reach_;
    // Block numbers looked up, not divided, on the hot path.
    blockOf_.resize(size_t(std::max(placeable_, 0)));
    for (int32_t r = 0; r < placeable_; ++r) blockOf_[size_t(r)] = r / block_;
    int all[kTableKeyBytes];
    for (int p = 0; p < n_; ++p) all[p] = p;
    keyIndex_.build(ttKeys, count_, all, n_);
    if (permuted_ != PermutedTest::Skip) permutedIndex_.build(ttKeysPermuted, count_, all, n_);
}

void ClosureEnumeration::placeStart(int32_t start)
{
    records_[0] = start;
    stamp_[0] = ++clock_;
    // Plain writes: where two points share a cell, the later one's wins.
    for (int p = 0; p < n_; ++p) grid_[size_t(pos_[0] + pos_[p])] = ttKeys[start][p];
    setProbe(0, start);
}

bool ClosureEnumeration::runStarts(int32_t from, int32_t to)
{
    for (int32_t i = from; i < to; ++i) {
        ++outcome_.levelEntries[0];
        ++outcome_.levelFits[0];
        records_[0] = i;
        if (progressLevel_ == 0) report(0);
        placeStart(i);
        if (n_ == 1 ? complete(lookUp()) : place(1)) return true;
        resolveSkipped(true);
    }
    return false;
}

void ClosureEnumeration::skipBelow(int depth, const std::array<int64_t, 10>& fitting)
{
    const auto add = [](int64_t& to, int64_t n) { to = SaturatingAdd64(to, n); };
    add(outcome_.levelEntries[size_t(depth)], 1);
    for (int level = depth; level < n_; ++level) {
        add(outcome_.levelFits[size_t(level)], fitting[size_t(level)]);
        if (level + 1 < n_) add(outcome_.levelEntries[size_t(level) + 1], fitting[size_t(level)]);
    }
    add(outcome_.placements, fitting[size_t(n_ - 1)]);
    if (fitting[size_t(n_ - 1)] > 0) {
        skippedDepth_ = depth;
        skippedRecords_ = records_;
    }
}

// The last placement of the search the guide accounted for last, found
// again: into lastFoundIndex, and with wholePlacement into the outcome's last
// placement too. The grid and the records are restored afterwards.
void ClosureEnumeration::resolveSkipped(bool wholePlacement)
{
    if (skippedDepth_ == 0) return;
    const int depth = skippedDepth_;
    skippedDepth_ = 0;
    const std::vector<int32_t> grid = grid_;
    const std::array<int32_t, 10> records = records_;
    std::array<int32_t, 10> last = skippedRecords_;
    placeStart(last[0]);
    for (int level = 1; level < depth; ++level)
        for (int p : levels_[size_t(level)].newPoints)
            grid_[size_t(pos_[level] + pos_[p])] = ttKeys[last[size_t(level)]][p];
    const bool found = lastFrom(depth, n_, last, [this](int level) { return guide_->completes(level + 1); });
    grid_ = grid;
    records_ = records;
    if (!found) return;
    lastFoundIndex = firstRowComposedBy(last);
    if (!wholePlacement) return;
    outcome_.lastPlacement = last;
    outcome_.lastFound = true;
}

int32_t ClosureEnumeration::firstRowComposedBy(const std::array<int32_t, 10>& placement) const
{
    RecordKeyIndex::PackedKey composed;
    for (int l = 0; l < n_; ++l) {
        const uint64_t block = uint64_t(blockOf_[size_t(placement[size_t(l)])]);
        if (l < 8)
            composed.low |= block << (8 * l);
        else
            composed.high |= block << (8 * (l - 8));
    }
    return keyIndex_.firstPacked(composed);
}

ClosureEnumeration::StartWalk ClosureEnumeration::tryStart(int32_t start, int64_t budget)
{
    const ClosureOutcome before = outcome_;
    const int32_t lastFound = lastFoundIndex;
    budget_ = budget;
    placed_ = 0;
    raised_.clear();
    logging_ = true;
    const bool stopped = runStarts(start, start + 1);
    logging_ = false;
    budget_ = INT64_MAX;
    if (!overBudget_) return stopped ? StartWalk::Stopped : StartWalk::Passed;
    overBudget_ = false;
    for (const int32_t row : raised_) --ttHitCount[row];
    outcome_ = before;
    lastFoundIndex = lastFound;
    return StartWalk::OverBudget;
}

ClosureOutcome ClosureEnumeration::finish()
{
    // The globals keep the composed key of the last placement looked up.
    if (outcome_.placements > 0)
        for (int l = 0; l < n_; ++l) ttProbeKey[l] = outcome_.lastPlacement[size_t(l)] / block_;
    return outcome_;
}

void ClosureEnumeration::buildLevels()
{
    // The level that set each cell, plus one (0: none yet).
    std::vector<uint8_t> fixed(size_t(width_), 0);
    for (int p = 0; p < n_; ++p) fixed[size_t(pos_[0] + pos_[p])] = 1;
    for (int level = 1; level < n_; ++level) {
        Level& lv = levels_[size_t(level)];
        uint64_t pattern = 0;   // fixed points, then for each point the point it must agree with
        for (int p = 0; p < n_; ++p) {
            if (const int setBy = fixed[size_t(pos_[level] + pos_[p])]) {
                lv.fixedPoints.push_back(p);
                lv.dependsOn = std::max(lv.dependsOn, setBy - 1);
                pattern |= uint64_t(1) << p;
                continue;
            }
            const auto first = std::find_if(lv.newPoints.begin(), lv.newPoints.end(),
                                            [&](int q) { return pos_[q] == pos_[p]; });
            if (first == lv.newPoints.end()) {
                lv.newPoints.push_back(p);
            } else {
                lv.samePoints.emplace_back(p, *first);
                pattern |= uint64_t(*first + 1) << (10 + 4 * p);
            }
        }
        for (int l = level - 1; l >= 0 && lv.sourceLevel < 0; --l) {
            bool covers = true;
            for (int p : lv.fixedPoints) {
                const int32_t cell = pos_[level] + pos_[p];
                bool inside = false;
                for (int q = 0; q < n_ && !inside; ++q) inside = pos_[l] + pos_[q] == cell;
                covers = covers && inside;
            }
            if (covers) lv.sourceLevel = l;
        }
        if (lv.sourceLevel >= 0) {
            lv.candidatesOf.resize(size_t(placeable_));
            lv.known.assign(size_t(placeable_), 0);
        }
        for (int p : lv.newPoints) fixed[size_t(pos_[level] + pos_[p])] = uint8_t(level + 1);
        auto [it, inserted] = indexes_.try_emplace(pattern);
        if (inserted) {
            // Records that contradict themselves at this level never fit it.
            std::vector<uint8_t> consistent;
            if (!lv.samePoints.empty()) {
                consistent.assign(size_t(count_), 1);
                for (int32_t r = 0; r < count_; ++r)
                    for (const auto& [p, q] : lv.samePoints)
                        if (ttKeys[r][p] != ttKeys[r][q]) consistent[size_t(r)] = 0;
            }
            it->second.build(ttKeys, count_, lv.fixedPoints.data(), int(lv.fixedPoints.size()),
                             consistent.empty() ? nullptr : consistent.data());
        }
        lv.index = &it->second;
    }
}

void ClosureEnumeration::report(int level)
{
    if (!progress_) return;
    ClosureProgress info;
    info.startCount = startCount_;
    info.level = level;
    for (int l = 0; l <= level && l < 4; ++l) info.records[size_t(l)] = records_[size_t(l)];
    progress_(info);
}

std::span<const int32_t> ClosureEnumeration::candidates(const Level& lv, int32_t shift) const
{
    uint8_t cells[kTableKeyBytes];
    for (size_t i = 0; i < lv.fixedPoints.size(); ++i)
        cells[i] = uint8_t(grid_[size_t(shift + pos_[lv.fixedPoints[i]])]);
    return lv.index->find(cells);
}

// The block number of the record at `level` into the composed key. Block
// numbers above 255 (start records far beyond the list) match no key cell.
void ClosureEnumeration::setProbe(int level, int32_t record)
{
    const int32_t number = blockOf_[size_t(record)];
    const uint64_t block = uint64_t(std::min(number, 255));
    if (number > 255)
        unmatchable_ |= 1u << level;
    else
        unmatchable_ &= ~(1u << level);
    if (level < 8) {
        const int bit = 8 * level;
        probe_.low = (probe_.low & ~(uint64_t(0xff) << bit)) | (block << bit);
    } else {
        const int bit = 8 * (level - 8);
        probe_.high = (probe_.high & ~(uint64_t(0xff) << bit)) | (block << bit);
    }
}

bool ClosureEnumeration::place(int level)
{
    Level& lv = levels_[size_t(level)];
    ++outcome_.levelEntries[size_t(level)];
    const int32_t shift = pos_[level];
    std::span<const int32_t> rows;
    if (lv.sourceLevel >= 0) {
        const int32_t source = records_[size_t(lv.sourceLevel)];
        if (!lv.known[size_t(source)]) {
            lv.candidatesOf[size_t(source)] = candidates(lv, shift);
            lv.known[size_t(source)] = 1;
        }
        rows = lv.candidatesOf[size_t(source)];
    } else {
        if (lv.cachedStamp != stamp_[size_t(lv.dependsOn)]) {
            lv.cached = candidates(lv, shift);
            lv.cachedStamp = stamp_[size_t(lv.dependsOn)];
        }
        rows = lv.cached;
    }
    const bool reports = level == progressLevel_;
    if (level == n_ - 1 && !lastLevelSetsReference_) {
        if (placeLast(rows, reports)) return true;
    } else {
        for (const int32_t r : rows) {
            if (++placed_ > budget_) return overBudget_ = true;
            records_[size_t(level)] = r;
            stamp_[size_t(level)] = ++clock_;
            ++outcome_.levelFits[size_t(level)];
            setProbe(level, r);
            if (reports) report(level);
            for (int p : lv.newPoints) grid_[size_t(shift + pos_[p])] = ttKeys[r][p];
            if (level < n_ - 1 && guide_ && guide_->accountsBelow(level + 1)) continue;
            if (level == n_ - 1 ? complete(lookUp()) : place(level + 1)) return true;
        }
    }
    // The full scan reports every record it tries at this level, the last
    // one included; the progress shown after the level is the same here.
    if (reports && (rows.empty() || rows.back() != count_ - 1)) {
        records_[size_t(level)] = count_ - 1;
        report(level);
    }
    return false;
}

// The last level, where every fitting record completes a placement. Its
// composed keys differ only in the last block number, and the reference
// cell is already set, so the lookups are answered once per block for as
// long as the blocks of the other levels stay the same, and a block that
// passes needs no more than its count raised; the cells the record would
// set are read by nobody.
bool ClosureEnumeration::placeLast(std::span<const int32_t> rows, bool reports)
{
    const int level = n_ - 1;
    RecordKeyIndex::PackedKey prefix = probe_;
    if (level < 8)
        prefix.low &= ~(uint64_t(0xff) << (8 * level));
    else
        prefix.high &= ~(uint64_t(0xff) << (8 * (level - 8)));
    const int32_t reference = reach_ >= 0 ? grid_[size_t(reach_)] : -1;
    const unsigned unmatchable = unmatchable_ & ~(1u << level);
    LastLevelMemo& memo = memo_;
    if (!(memo.prefix == prefix) || memo.reference != reference || memo.unmatchable != unmatchable) {
        memo.prefix = prefix;
        memo.reference = reference;
        memo.unmatchable = unmatchable;
        memo.known = memo.passing = 0;
    }
    Answer* const answers = memo.answers;
    int32_t** const countOf = memo.countOf;
    uint32_t& known = memo.known;
    uint32_t& passing = memo.passing;
    int32_t lastPassed = -1;   // the last passing record not yet noted
    for (const int32_t r : rows) {
        if (++placed_ > budget_) return overBudget_ = true;
        records_[size_t(level)] = r;
        if (reports) report(level);
        const int32_t block = blockOf_[size_t(r)];
        const uint32_t bit = block < kMemoBlocks ? 1u << block : 0;
        if (bit && !(known & bit)) {
            setProbe(level, r);
            answers[size_t(block)] = lookUp();
            known |= bit;
            if (passes(answers[size_t(block)])) {
                passing |= bit;
                const int32_t found = answers[size_t(block)].found;
                countOf[size_t(block)] = found >= firstCounted_ ? &ttHitCount[found] : nullptr;
            }
        }
        if (passing & bit) {
            ++outcome_.placements;
            ++outcome_.levelFits[size_t(level)];
            if (int32_t* count = countOf[size_t(block)]; count && *count < INT32_MAX) {
                ++*count;
                if (logging_) raised_.push_back(int32_t(count - ttHitCount));
            }
            lastPassed = r;
            continue;
        }
        if (!bit) setProbe(level, r);
        const Answer answer = bit ? answers[size_t(block)] : lookUp();
        noteLastPassed(lastPassed, answers);
        lastPassed = -1;
        ++outcome_.levelFits[size_t(level)];
        if (complete(answer)) return true;
    }
    noteLastPassed(lastPassed, answers);
    return false;
}

// What a complete placement notes of itself, for the passing placement of
// record `last` at the last level (none for -1).
void ClosureEnumeration::noteLastPassed(int32_t last, const Answer* answers)
{
    if (last < 0) return;
    skippedDepth_ = 0;
    outcome_.lastPlacement = records_;
    outcome_.lastPlacement[size_t(n_ - 1)] = last;
    outcome_.lastFound = true;
    lastFoundIndex = answers[size_t(blockOf_[size_t(last)])].found;
}

// Whether a placement with this answer passes both lookups.
bool ClosureEnumeration::passes(const Answer& answer) const
{
    if (answer.found < 0) return false;
    if (permuted_ == PermutedTest::Skip) return true;
    const int32_t reference = reach_ >= 0 ? grid_[size_t(reach_)] : -1;
    return answer.permuted >= 0 && blockOf_[size_t(answer.permuted)] == reference;
}

ClosureEnumeration::Answer ClosureEnumeration::lookUp() const
{
    Answer answer{-1, -1};
    if (unmatchable_ != 0) return answer;
    answer.found = keyIndex_.firstPacked(probe_);
    if (answer.found >= 0 && permuted_ != PermutedTest::Skip) answer.permuted = permutedIndex_.firstPacked(probe_);
    return answer;
}

bool ClosureEnumeration::complete(const Answer& answer)
{
    ++outcome_.placements;
    outcome_.lastPlacement = records_;
    const int32_t found = answer.found;
    outcome_.lastFound = found >= 0;
    if (found < 0) {
        // lastFoundIndex keeps the last composed key found, which may lie in a search the guide accounted for.
        resolveSkipped(false);
        outcome_.verdict = ClosureVerdict::Unlocked;
        return true;
    }
    skippedDepth_ = 0;
    lastFoundIndex = found;
    if (found >= firstCounted_ && ttHitCount[found] < INT32_MAX) {
        ++ttHitCount[found];
        if (logging_) raised_.push_back(found);
    }

    if (permuted_ != PermutedTest::Skip) {
        const int32_t reference = reach_ >= 0 ? grid_[size_t(reach_)] : -1;
        if (answer.permuted < 0 || blockOf_[size_t(answer.permuted)] != reference) {
            if (permuted_ == PermutedTest::StopWhenReferenceIsZero && reference != 0) return false;
            outcome_.verdict = ClosureVerdict::PermutedMismatch;
            return true;
        }
    }
    return false;
}

bool ClosureEnumeration::lastPlacementFrom(int32_t start, int depth, std::array<int32_t, 10>& records,
                                           const std::function<bool(int level)>& extends)
{
    if (depth < 1 || depth > n_) return false;
    placeStart(start);
    records.fill(-1);
    records[0] = start;
    if (depth > 1 && extends && !extends(0)) return false;
    return lastFrom(1, depth, records, extends);
}

// Tries the records of `level` from the highest index down: the first that
// fits and leads to a placement of `depth` levels ends the search there.
bool ClosureEnumeration::lastFrom(int level, int depth, std::array<int32_t, 10>& records,
                                  const std::function<bool(int)>& extends)
{
    if (level >= depth) return true;
    const Level& lv = levels_[size_t(level)];
    const int32_t shift = pos_[level];
    const std::span<const int32_t> rows = candidates(lv, shift);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        const int32_t r = *it;
        // A candidate's own cells are written again before any deeper level reads them.
        for (int p : lv.newPoints) grid_[size_t(shift + pos_[p])] = ttKeys[r][p];
        if (level + 1 < depth && extends && !extends(level)) continue;
        records[size_t(level)] = r;
        if (lastFrom(level + 1, depth, records, extends)) return true;
    }
    records[size_t(level)] = -1;
    return false;
}
