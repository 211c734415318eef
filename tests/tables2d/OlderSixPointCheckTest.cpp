// The older six-point check on the shared engine against its nested loops
// with the overlap conditions as first written: counts, counters, verdict and
// where the search stopped.
#include "Tables2dTestSupport.h"

#include "tables2d/OlderSixPointCheck.h"

#include <limits>

using namespace tabletest;

namespace {

constexpr int32_t M = kOlderCheckRecords;
constexpr int32_t B = kOlderCheckBlock;

struct AsWritten {
    ClosureVerdict verdict = ClosureVerdict::Closed;
    std::array<int32_t, 6> indices{};
    std::vector<int32_t> counts;
};

// The five nested loops of the older check over records 0..1025, the count
// cells 0..5 and 11..15 serving as its counters.
AsWritten OlderCheckAsWritten(bool firstBlockOnly)
{
    const int32_t starts = firstBlockOnly ? B : M;
    std::vector<int64_t> cell(M, 0);
    AsWritten out;
    int32_t a = 0, b = -1, c = -1, d = -1, e = -1, f = -1;
    const auto fail = [&](ClosureVerdict v) {
        out.verdict = v;
        out.indices = {a, b, c, d, e, f};
    };
    const auto first = [](const uint8_t (*keys)[kTableKeyBytes], const int32_t (&probe)[6]) {
        for (int32_t m = 0; m < M; ++m) {
            int p = 0;
            while (p < 6 && keys[m][p] == probe[p]) ++p;
            if (p == 6) return m;
        }
        return int32_t(-1);
    };
    for (a = 0; a < starts; ++a) {
        const uint8_t* A = ttKeys[a];
        ++cell[0];
        for (b = 0; b < M; ++b) {
            const uint8_t* Bk = ttKeys[b];
            ++cell[1];
            if (!(Bk[0] == A[1] && Bk[2] == A[5] && Bk[3] == A[0])) continue;
            ++cell[11];
            for (c = 0; c < M; ++c) {
                const uint8_t* C = ttKeys[c];
                ++cell[2];
                if (!(C[0] == A[2] && C[1] == A[5] && C[4] == A[0])) continue;
                ++cell[12];
                for (d = 0; d < M; ++d) {
                    const uint8_t* D = ttKeys[d];
                    ++cell[3];
                    if (!(D[0] == A[3] && D[1] == A[0] && D[2] == C[3] && D[5] == A[2])) continue;
                    ++cell[13];
                    for (e = 0; e < M; ++e) {
                        const uint8_t* E = ttKeys[e];
                        ++cell[4];
                        if (!(E[0] == A[4] && E[1] == Bk[4] && E[2] == A[0] && E[3] == D[4] && E[5] == A[1])) continue;
                        ++cell[14];
                        for (f = 0; f < M; ++f) {
                            const uint8_t* F = ttKeys[f];
                            ++cell[5];
                            if (!(F[0] == A[5] && F[1] == Bk[5] && F[2] == C[5] && F[3] == A[2] && F[4] == A[1]))
                                continue;
                            ++cell[15];
                            const int32_t probe[6] = {a / B, b / B, c / B, d / B, e / B, f / B};
                            const int32_t m = first(ttKeys, probe);
                            if (m < 0) {
                                fail(ClosureVerdict::Unlocked);
                                goto end;
                            }
                            if (m > 16) ++cell[size_t(m)];
                            const int32_t mp = first(ttKeysPermuted, probe);
                            if (mp < 0 || mp / B != A[0]) {
                                fail(ClosureVerdict::PermutedMismatch);
                                goto end;
                            }
                        }
                    }
                }
            }
        }
    }
end:
    for (const int64_t v : cell)
        out.counts.push_back(int32_t(std::min<int64_t>(v, std::numeric_limits<int32_t>::max())));
    return out;
}

TEST(OlderSixPointCheck, MatchesItsNestedLoopsOnWholeAndBrokenTables)
{
    std::mt19937 rng(175);
    int verdicts[3] = {};
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        const std::vector<uint8_t> alphabet = round % 3 == 2 ? std::vector<uint8_t>{0, 3} : std::vector<uint8_t>{0, 4};
        std::vector<Key> base = RandomBase(rng, alphabet, 6, 0, 14, round % 3 != 2);
        base.insert(base.begin() + int(rng() % base.size()), Key{});
        LayPaddedTable(base, 6, B);
        if (round % 3 == 1) ttKeys[rng() % base.size()][0] = 4;   // a centre cell that is not its block's
        BuildPermutedCopy(6);
        const bool firstBlockOnly = round % 2 == 0;

        const AsWritten expected = OlderCheckAsWritten(firstBlockOnly);
        // The search walked, and summarised from its first start record.
        for (const int64_t walk : {int64_t(100000), int64_t(0)}) {
            for (int32_t r = 0; r < M; ++r) ttHitCount[r] = 7;   // the check resets them
            FixedClosureCheck check = OlderSixPointCheck(firstBlockOnly);
            check.scope.walkBeforeSummarising = walk;
            const ClosureOutcome outcome = RunClosureCheck(check.mask, check.scope);
            StoreOlderCheckCounters(outcome);
            EXPECT_EQ(outcome.verdict, expected.verdict);
            EXPECT_EQ(std::vector<int32_t>(ttHitCount, ttHitCount + M), expected.counts);
            if (expected.verdict != ClosureVerdict::Closed) {
                EXPECT_EQ(OlderCheckLoopIndices(outcome, check.scope.startCount), expected.indices);
            }
            if (walk == 0) ++verdicts[int(outcome.verdict)];
        }
    }
    EXPECT_TRUE(verdicts[0] && verdicts[1] && verdicts[2]) << verdicts[0] << verdicts[1] << verdicts[2];
}

} // namespace
