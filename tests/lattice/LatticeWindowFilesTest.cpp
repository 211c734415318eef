// The mask file "MA/mafin.dat" and the weights file "data/dxx.dat": round
// trips, the side the mask is read at, and the files that must change nothing.
#include "../base/TempWorkDir.h"
#include "ByteFileSupport.h"
#include "base/Square.h"
#include "base/SquareSize.h"
#include "lattice/LatticeSettings.h"
#include "lattice/MaskFile.h"
#include "lattice/RuleWeightsFile.h"

#include <gtest/gtest.h>

#include <bit>
#include <iterator>
#include <limits>
#include <vector>

namespace {

std::vector<uint8_t> WeightBytes(const std::vector<double>& weights)
{
    std::vector<uint8_t> bytes;
    for (double w : weights)
        for (int b = 0; b < 8; ++b)
            bytes.push_back(static_cast<uint8_t>(std::bit_cast<uint64_t>(w) >> (8 * b)));
    return bytes;
}

std::vector<double> Weights()
{
    std::vector<double> w(std::begin(ruleWeightsX), std::end(ruleWeightsX));
    w.insert(w.end(), std::begin(ruleWeightsY), std::end(ruleWeightsY));
    return w;
}

} // namespace

// Every byte travels unchanged at the side in use; a smaller side reads the
// leading bytes and its write keeps the bytes past its own; a short file changes nothing.
TEST(MaskFile, RoundTripsAtTheSideInUse)
{
    TempWorkDir dir;
    squareRowCount = squareColumnCount = 27;
    for (int k = 0; k < kSquareCellCount; ++k)
        frozenMask[k] = static_cast<uint8_t>(k * 7 + 10);
    const std::vector<uint8_t> written(std::begin(frozenMask), std::end(frozenMask));
    ASSERT_EQ(WriteMaskFile(kMaskFileName), MaskFileStatus::Ok);   // creates "MA"
    const std::vector<uint8_t> file = ReadBytes(kMaskFileName);
    ASSERT_EQ(file.size(), 27u * 27u);
    EXPECT_EQ(file[27 + 3], written[SquareIndex(1, 3)]);

    std::fill(std::begin(frozenMask), std::end(frozenMask), uint8_t{0});
    ASSERT_EQ(ReadMaskFile(kMaskFileName), MaskFileStatus::Ok);
    for (int r = 0; r < 27; ++r)
        for (int c = 0; c < 27; ++c)
            ASSERT_EQ(frozenMask[SquareIndex(r, c)], written[SquareIndex(r, c)]) << r << "," << c;
    EXPECT_EQ(frozenMask[SquareIndex(27, 0)], 0);

    squareRowCount = squareColumnCount = 17;
    ASSERT_EQ(ReadMaskFile(kMaskFileName), MaskFileStatus::Ok);
    EXPECT_EQ(frozenMask[SquareIndex(2, 5)], file[17 * 2 + 5]);
    frozenMask[SquareIndex(2, 5)] = 99;
    ASSERT_EQ(WriteMaskFile(kMaskFileName), MaskFileStatus::Ok);
    const std::vector<uint8_t> rewritten = ReadBytes(kMaskFileName);
    ASSERT_EQ(rewritten.size(), file.size());
    EXPECT_EQ(rewritten[17 * 2 + 5], 99);
    EXPECT_TRUE(std::equal(file.begin() + 289, file.end(), rewritten.begin() + 289));

    squareRowCount = squareColumnCount = 28;   // a file one byte short of side 28
    WriteBytes(kMaskFileName, std::vector<uint8_t>(28 * 28 - 1, 1));
    EXPECT_EQ(ReadMaskFile(kMaskFileName), MaskFileStatus::Short);
    EXPECT_EQ(frozenMask[SquareIndex(2, 5)], 99);
}

TEST(RuleWeightsFile, LayoutIsFortyFiveXThenTwentyFiveYLittleEndian)
{
    TempWorkDir dir;
    for (int i = 0; i < 45; ++i)
        ruleWeightsX[i] = i / 45.0;
    for (int i = 0; i < 25; ++i)
        ruleWeightsY[i] = 1.0 - i / 73.0;
    const std::vector<double> written = Weights();
    ASSERT_EQ(WriteRuleWeightsFile(kRuleWeightsFileName), RuleWeightsFileStatus::Ok);   // creates "data"
    EXPECT_EQ(ReadBytes(kRuleWeightsFileName), WeightBytes(written));
}

// A file with anything but probabilities among its 70 values is refused whole.
TEST(RuleWeightsFile, MissingShortAndMalformedFilesChangeNothing)
{
    TempWorkDir dir;
    std::fill(std::begin(ruleWeightsX), std::end(ruleWeightsX), 0.21);
    std::fill(std::begin(ruleWeightsY), std::end(ruleWeightsY), 0.21);
    const std::vector<double> before = Weights();
    EXPECT_EQ(ReadRuleWeightsFile(kRuleWeightsFileName), RuleWeightsFileStatus::Missing);
    const std::vector<double> good(70, 0.75);
    std::vector<uint8_t> bytes = WeightBytes(good);
    WriteBytes(kRuleWeightsFileName, {bytes.begin(), bytes.end() - 1});
    EXPECT_EQ(ReadRuleWeightsFile(kRuleWeightsFileName), RuleWeightsFileStatus::Short);
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), 1.5, -0.1}) {
        std::vector<double> w = good;
        w[69] = bad;
        WriteBytes(kRuleWeightsFileName, WeightBytes(w));
        EXPECT_EQ(ReadRuleWeightsFile(kRuleWeightsFileName), RuleWeightsFileStatus::Malformed) << bad;
    }
    WriteBytes(kRuleWeightsFileName, std::vector<uint8_t>(560, 0x5A));
    EXPECT_EQ(ReadRuleWeightsFile(kRuleWeightsFileName), RuleWeightsFileStatus::Malformed);
    EXPECT_EQ(Weights(), before);
}
