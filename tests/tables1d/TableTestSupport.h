#pragma once
// Helpers of the table tests: masks from offsets, tables closed by
// construction, the check against its scan, a folder per test, the main window.
#include "base/BinaryFile.h"
#include "base/GroupAlgebra.h"
#include "base/TableRecords.h"
#include "tables1d/ClosureCheck.h"
#include "tables1d/TableBlocks.h"
#include "tables1d/TableFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>
#include <tuple>

#include <unistd.h>

namespace tabletest {

using Key = std::array<uint8_t, kTableKeyBytes>;

// The mask of these offsets (centre 0 included), as the mask builder leaves it.
inline ClosureMask MaskFromOffsets(std::vector<int> offsets)
{
    std::sort(offsets.begin(), offsets.end());
    ClosureMask mask;
    mask.pointCount = int32_t(offsets.size());
    for (size_t i = 0; i < offsets.size(); ++i) mask.positions[i] = offsets[i] - offsets[0];
    mask.doubleLeftReach = -2 * offsets[0];
    return mask;
}

inline int CentreIndex(const ClosureMask& mask)
{
    for (int p = 0; p < mask.pointCount; ++p)
        if (2 * mask.positions[p] == mask.doubleLeftReach) return p;
    return -1;
}

// The base keys as block 0, multiplied by the group as the generators do.
inline void LayTable(const std::vector<Key>& base, int keyLength)
{
    ttRecordCount = int32_t(base.size());
    for (size_t i = 0; i < base.size(); ++i) std::copy(base[i].begin(), base[i].end(), ttKeys[i]);
    ASSERT_TRUE(MultiplyListByGroup(keyLength));
}

// Every key over the alphabet with cell `centre` = 0 ("next value = centre"):
// closed when the alphabet is closed under conjugation by 4 (as {0, 4}, not {0, 3}).
inline std::vector<Key> AllKeysOver(const std::vector<uint8_t>& alphabet, int n, int centre)
{
    std::vector<Key> keys;
    int total = 1;
    for (int i = 1; i < n; ++i) total *= int(alphabet.size());
    for (int code = 0; code < total; ++code) {
        Key key{};
        for (int p = n - 1, rest = code; p >= 0; --p) {
            if (p == centre) continue;
            key[p] = alphabet[rest % alphabet.size()];
            rest /= int(alphabet.size());
        }
        keys.push_back(key);
    }
    return keys;
}

// Distinct random base keys (centre 0), with their conjugates by 4 when asked.
inline std::vector<Key> RandomBase(std::mt19937& rng, const std::vector<uint8_t>& alphabet, int n, int centre,
                                   int wanted, bool closeUnderConjugation)
{
    std::set<Key> chosen;
    std::vector<Key> keys;
    for (int tries = 0; tries < wanted * 20 && int(keys.size()) < wanted; ++tries) {
        Key key{}, conjugate{};
        for (int p = 0; p < n; ++p) {
            key[p] = p == centre ? 0 : alphabet[rng() % alphabet.size()];
            conjugate[p] = uint8_t(GroupProduct(GroupProduct(4, key[p]), 4));
        }
        if (chosen.insert(key).second) keys.push_back(key);
        if (closeUnderConjugation && chosen.insert(conjugate).second) keys.push_back(conjugate);
    }
    return keys;
}

// Six blocks of blockSize rows as the fixed masks scan them: block g holds the
// base keys multiplied by g, filled up with rows of cells outside the group
// (6 + 40p + a few) that are never placed.
inline void LayPaddedTable(const std::vector<Key>& base, int n, int32_t blockSize)
{
    ASSERT_LE(int32_t(base.size()), blockSize);
    for (int b = 0; b < 6; ++b) {
        for (int32_t i = 0; i < blockSize; ++i) {
            const int32_t row = b * blockSize + i;
            for (int p = 0; p < n; ++p)
                ttKeys[row][p] = i < int32_t(base.size()) ? uint8_t(GroupProduct(uint32_t(b), base[size_t(i)][size_t(p)]))
                                                          : uint8_t(6 + 40 * p + row % 40);
        }
    }
    ttRecordCount = 6 * blockSize;
}

// A closed table of 6 * blockSize records over {0, 4}, padded as above (reversed,
// so that the first start record has a non-zero last cell).
inline void LayPaddedClosedTable(int n, int centre, int32_t blockSize)
{
    std::vector<Key> base = AllKeysOver({0, 4}, n, centre);
    std::reverse(base.begin(), base.end());
    LayPaddedTable(base, n, blockSize);
}

// Runs check(form, progress) for form 0 (the scan) and forms 1..engines (the
// engine, variously set) from the same permuted copy, counts and globals;
// expects every observable result of each engine form to be the scan's.
struct AgreedCheck {
    ClosureOutcome outcome;
    ClosureProgress last;   // the last progress report: what the status bar is left showing
};
inline AgreedCheck ExpectEnginesMatchScan(
    const std::function<ClosureOutcome(int form, const ClosureProgressCallback&)>& check, int engines)
{
    const std::vector<uint8_t> permuted(&ttKeysPermuted[0][0], &ttKeysPermuted[0][0] + sizeof ttKeysPermuted);
    const std::vector<int32_t> counts(std::begin(ttHitCount), std::end(ttHitCount));
    AgreedCheck agreed;
    auto run = [&](int form) {
        std::copy(permuted.begin(), permuted.end(), &ttKeysPermuted[0][0]);
        std::copy(counts.begin(), counts.end(), ttHitCount);
        lastFoundIndex = -5;
        std::fill(std::begin(ttProbeKey), std::end(ttProbeKey), -5);
        agreed.last = {};
        const ClosureOutcome& o = agreed.outcome = check(form, [&](const ClosureProgress& p) { agreed.last = p; });
        return std::make_tuple(int(o.verdict), o.placements, o.lastPlacement, o.lastFound, o.levelEntries, o.levelFits,
                               std::vector<int32_t>(std::begin(ttHitCount), std::end(ttHitCount)), lastFoundIndex,
                               std::vector<int32_t>(std::begin(ttProbeKey), std::end(ttProbeKey)),
                               std::make_tuple(agreed.last.startCount, agreed.last.level, agreed.last.records));
    };
    const auto scan = run(0);
    for (int form = 1; form <= engines; ++form) EXPECT_EQ(run(form), scan) << "engine form " << form;
    return agreed;
}

// The same with one engine form: check(byScan, progress).
inline AgreedCheck ExpectIndexedMatchesScan(
    const std::function<ClosureOutcome(bool byScan, const ClosureProgressCallback&)>& check)
{
    return ExpectEnginesMatchScan([&](int form, const ClosureProgressCallback& p) { return check(form == 0, p); }, 1);
}

// The same for a check over a scope, the engine taking the start records
// the cheapest way (which walks a short search whole), summarising every one
// from the first start record by one plan, from a start record whose walk it
// breaks off by the other, walking every one, and taking each way in turn.
inline AgreedCheck ExpectIndexedMatchesScan(const ClosureMask& mask, const ClosureScope& scope)
{
    return ExpectEnginesMatchScan(
        [&](int form, const ClosureProgressCallback& progress) {
            ClosureScope s = scope;
            s.walkBeforeSummarising = form <= 1 ? s.walkBeforeSummarising : form % 2 ? 97 : 0;
            s.way = form == 2   ? ClosureWay::SummariseOpenCells
                    : form == 3 ? ClosureWay::SummariseBoundaries
                    : form == 4 ? ClosureWay::Walk
                    : form == 5 ? ClosureWay::EachInTurn
                                : ClosureWay::Cheapest;
            return form == 0 ? RunClosureCheckByScan(mask, s, progress) : RunClosureCheck(mask, s, progress);
        },
        5);
}

// Whether the file at path holds the list in memory (keyLength key bytes a record) and nothing more.
inline bool FileHoldsList(const std::string& path, int keyLength)
{
    const std::string list = path + ".list";
    return CreateEmptyFile(list) && WriteListToTableFile(list, keyLength) == TableFileStatus::Ok &&
           ReadWholeFile(list) == ReadWholeFile(path);
}

// A folder of its own for each test, removed afterwards.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() / ("tables1d_" + std::string(info->test_suite_name()) + "_" +
                                                         info->name() + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    std::filesystem::path dir_;
};

} // namespace tabletest

#ifdef QT_WIDGETS_LIB
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "base/ProgramDir.h"
#include "base/Random.h"
#include "engine/Mask1d.h"
#include "widgets/Dialogs.h"

#include <deque>

namespace tabletest {

// The main window started afresh on a program folder of its own, which is also
// the current directory (fixed-name files lie there); messages and the answers
// of the file dialogs go through the test.
class WindowTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        SeedRandom(1);   // the generator as at program start, whatever ran before
        CreateWindows();
        Form1->show_();
        programDir = dir_.string() + "/";
        // Start-up named the 2-D table below the executable's folder, which tests
        // running side by side share; name it again below this test's folder.
        Form1->Button226Click();
        ttFileName1d.clear();   // a fresh start has no table yet
        SetMessageRecorder(&messages_);
        SetFileDialogAnswers(&answers_);
        previousDir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
    }
    void TearDown() override
    {
        std::filesystem::current_path(previousDir_);
        SetMessageRecorder(nullptr);
        SetFileDialogAnswers(nullptr);
        TempDirTest::TearDown();
    }
    std::string firstMessage() const { return messages_.empty() ? "" : messages_[0].text.toStdString(); }

    std::vector<MessageRecord> messages_;
    std::deque<QString> answers_;
    std::filesystem::path previousDir_;
};

} // namespace tabletest
#endif
