// The files of the square view window and the Qhist batch: the point file's
// records, the Qhist histogram and the batch's output streams.
#include "lattice/PointFile.h"
#include "lattice/QhistBatch.h"
#include "lattice/TextNumbers.h"
#include "../base/TempWorkDir.h"
#include "TextFileSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// Records whose numbers count up from first: record n holds 17n + 1 .. 17n + 17.
std::string CountingRecords(int records)
{
    std::string text;
    for (int n = 1; n <= records * kNumbersPerPointRecord; ++n)
        text += std::to_string(n) + (n % 5 == 0 ? "\n" : " ");
    return text;
}

int OpenDescriptors()
{
    int n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

} // namespace

// Records are found by skipping 17 numbers each (a negative index reads the
// first); missing, cut or garbage files leave the points alone.
TEST(PointFile, RecordsAndTheFilesThatLeaveThePointsAlone)
{
    TempWorkDir dir;
    PointRecord r;
    EXPECT_EQ(ReadPointRecord("8r50/8r.dat", 0, r), FileOutcome::Missing);
    WriteText("8r50/8r.dat", CountingRecords(3));
    ASSERT_EQ(ReadPointRecord("8r50/8r.dat", 0, r), FileOutcome::Read);
    EXPECT_EQ(r.x[0], 2);   // numbers 2 .. 17
    EXPECT_EQ(r.y[0], 3);
    EXPECT_EQ(r.y[7], 17);
    ASSERT_EQ(ReadPointRecord("8r50/8r.dat", 1, r), FileOutcome::Read);
    EXPECT_EQ(r.x[0], 19);   // numbers 19 .. 34
    EXPECT_EQ(r.y[7], 34);
    ASSERT_EQ(ReadPointRecord("8r50/8r.dat", -4, r), FileOutcome::Read);
    EXPECT_EQ(r.x[0], 2);

    r.x.fill(5);
    r.y.fill(6);
    EXPECT_EQ(ReadPointRecord("8r50/none.dat", 0, r), FileOutcome::Missing);
    WriteText("8r50/8r.dat", CountingRecords(2) + "1 2 3");
    EXPECT_EQ(ReadPointRecord("8r50/8r.dat", 2, r), FileOutcome::Short);   // a record cut short
    EXPECT_EQ(ReadPointRecord("8r50/8r.dat", 2147483647, r), FileOutcome::Short);
    WriteText("8r50/8r.dat", "7 1 2 3 4 x 6 7 8 9 10 11 12 13 14 15 16");
    EXPECT_EQ(ReadPointRecord("8r50/8r.dat", 0, r), FileOutcome::Malformed);
    WriteText("8r50/8r.dat", std::string("\x01\xff\x7f garbage", 12));
    EXPECT_EQ(ReadPointRecord("8r50/8r.dat", 0, r), FileOutcome::Malformed);
    for (int i = 0; i < kPointsPerRecord; ++i) {
        EXPECT_EQ(r.x[i], 5);
        EXPECT_EQ(r.y[i], 6);
    }

    // Coordinates past 16 bits are cut to them, never wrapped onto the square.
    WriteText("8r50/8r.dat", "0 70000 -70000 1 1 1 1 1 1 1 1 1 1 1 1 1 1");
    ASSERT_EQ(ReadPointRecord("8r50/8r.dat", 0, r), FileOutcome::Read);
    EXPECT_EQ(r.x[0], 32767);
    EXPECT_EQ(r.y[0], -32768);
}

TEST(PointFile, NumbersAreWholeDecimalItems)
{
    int32_t v = 0;
    EXPECT_TRUE(ParseInt32("+17", v));
    EXPECT_EQ(v, 17);
    EXPECT_TRUE(ParseInt32("-2147483648", v));
    EXPECT_EQ(v, INT32_MIN);
    for (const char* bad : {"", "+", "-", "+-5", "12abc", "2147483648", "1.5", "0x10"})
        EXPECT_FALSE(ParseInt32(bad, v)) << bad;
}

TEST(QhistHistogram, CountsFiftyRecordsOrWhatAShortFileHolds)
{
    TempWorkDir dir;
    EXPECT_EQ(ReadQhistHistogram("8r50/L4.dat").outcome, FileOutcome::Missing);

    std::string text;   // 30998 is the lowest T of the last bin; the ten records past fifty are not read
    for (int i = 0; i < 60; ++i)
        text += std::to_string(i < 50 ? 30998 : 5) + " 1 2 3\n";
    WriteText("8r50/L4.dat", text);
    QhistHistogram h = ReadQhistHistogram("8r50/L4.dat");
    EXPECT_EQ(h.outcome, FileOutcome::Read);
    EXPECT_EQ(h.records, 50);
    EXPECT_EQ(h.counts[7], 50);
    EXPECT_EQ(h.counts[0], 0);

    WriteText("8r50/L4.dat", "30 1 2 3\n31 1 2 3\n40 1");   // bins include their lower bounds; the third record is cut
    h = ReadQhistHistogram("8r50/L4.dat");
    EXPECT_EQ(h.outcome, FileOutcome::Short);
    EXPECT_EQ(h.records, 2);
    EXPECT_EQ(h.counts[0], 1);
    EXPECT_EQ(h.counts[1], 1);

    WriteText("8r50/L4.dat", "");
    EXPECT_EQ(ReadQhistHistogram("8r50/L4.dat").records, 0);

    WriteText("8r50/L4.dat", "100 1 2 3\nT f3 f6 NB\n");
    h = ReadQhistHistogram("8r50/L4.dat");
    EXPECT_EQ(h.outcome, FileOutcome::Malformed);
    EXPECT_EQ(h.records, 1);
    EXPECT_EQ(h.counts[2], 1);
}

TEST(QhistOutputs, CreatedEmptyInTheirFoldersAndReopenedWithoutLeaks)
{
    TempWorkDir dir;
    EXPECT_EQ(CreateQhistOutputs(false), "");
    ASSERT_NE(qhistSecondFile, nullptr);
    EXPECT_TRUE(std::filesystem::exists("8r50/L4.dat"));

    WriteText("LOG/nb.log", "old content");
    EXPECT_EQ(CreateQhistOutputs(true), "");
    const int open = OpenDescriptors();
    std::fputs("written by the first batch", qhistNbFile);
    // A second start closes the first batch's streams before making the files anew.
    EXPECT_EQ(CreateQhistOutputs(true), "");
    EXPECT_EQ(OpenDescriptors(), open);
    for (const char* path : {"LOG/isc.log", "LOG/f3.log", "LOG/f6.log", "LOG/nb.log"})
        EXPECT_EQ(ReadText(path), "") << path;
    for (std::FILE* f : {qhistFile, qhistSecondFile, qhistF6File, qhistNbFile})
        EXPECT_NE(f, nullptr);

    CloseStream(qhistSecondFile);
    CloseStream(qhistSecondFile);   // a second close is harmless
    EXPECT_EQ(qhistSecondFile, nullptr);
}

TEST(QhistOutputs, AFolderThatCannotBeMadeIsReported)
{
    TempWorkDir dir;
    WriteText("LOG", "a file where the folder should be");
    const std::string failed = CreateQhistOutputs(true);
    EXPECT_NE(failed.find("LOG/isc.log"), std::string::npos) << failed;
    EXPECT_NE(failed.find("LOG/nb.log"), std::string::npos) << failed;
    EXPECT_EQ(qhistFile, nullptr);
    EXPECT_EQ(qhistNbFile, nullptr);
}
