#pragma once
// Helpers of the table tests: masks from offsets, tables built so that they
// are closed by construction, a temporary folder per test and, for the form
// tests, the main window started afresh with its messages recorded.
#include "engine/BinaryFile.h"
#include "engine/GroupAlgebra.h"
#include "tables1d/ClosureCheck.h"
#include "tables1d/TableBlocks.h"
#include "tables1d/TableFile.h"
#include "tables1d/TableRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>

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

// Lays the base keys into block 0 and multiplies the list by the group, as the
// generators do.
inline void LayTable(const std::vector<Key>& base, int keyLength)
{
    ttRecordCount = int32_t(base.size());
    for (size_t i = 0; i < base.size(); ++i) std::copy(base[i].begin(), base[i].end(), ttKeys[i]);
    ASSERT_TRUE(MultiplyListByGroup(keyLength));
}

// Every key over the alphabet with cell `centre` = 0: the table of the rule
// "the next value is the centre cell" on those windows. Its composed keys are
// always records; the permuted test passes when the alphabet is closed under
// conjugation by 4 (x -> 4x4 exchanges 1 with 2 and 3 with 5).
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

// A random set of distinct base keys over the alphabet (centre 0), with the
// conjugate by 4 of each added when closeUnderConjugation is set.
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

// Six blocks of blockSize rows, as the checks of the fixed masks scan: block
// g holds the base keys multiplied by g, filled up with rows whose cells lie
// outside the group. Cell p of such a row is 6 + 40p + a few, so it never
// agrees with a cell of another point, nor with a group element: these rows
// start no placement and are never placed.
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

// A closed table of exactly 6 * blockSize records: every key over {0, 4} with
// centre 0 (in reverse order, so that the first start record has a non-zero
// last cell), padded as above.
inline void LayPaddedClosedTable(int n, int centre, int32_t blockSize)
{
    std::vector<Key> base = AllKeysOver({0, 4}, n, centre);
    std::reverse(base.begin(), base.end());
    LayPaddedTable(base, n, blockSize);
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
#include "engine/Mask1d.h"
#include "engine/ProgramDir.h"
#include "engine/Random.h"
#include "widgets/Dialogs.h"

#include <deque>

namespace tabletest {

// The main window started afresh on a program folder of its own; messages and
// the answers of the file dialogs go through the test.
class WindowTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        SeedRandom(1);   // the generator as at program start, whatever ran before
        CreateWindows();
        Form1->show_();
        programDir = dir_.string() + "/";
        ttFileName1d.clear();   // a fresh start has no table yet
        SetMessageRecorder(&messages_);
        SetFileDialogAnswers(&answers_);
    }
    void TearDown() override
    {
        SetMessageRecorder(nullptr);
        SetFileDialogAnswers(nullptr);
        TempDirTest::TearDown();
    }

    std::vector<MessageRecord> messages_;
    std::deque<QString> answers_;
};

} // namespace tabletest
#endif
