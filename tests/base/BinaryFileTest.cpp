// Little-endian files: round trip, short data, missing files, and saves that
// create, replace or only overwrite the start, and never destroy the old file.
#include "base/BinaryFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "FileSizeLimit.h"
#include "TempWorkDir.h"

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace {

TEST(BinaryFile, RoundTripIsLittleEndian) {
  TempWorkDir dir;
  ByteWriter w;
  w.putInt32(3);
  w.putInt32(-2);
  const uint8_t key[3] = {5, 0, 2};
  w.putBytes(key, 3);
  w.putInt32(INT32_MIN);
  ASSERT_TRUE(WriteWholeFile("t.dat", w.bytes()));
  const auto bytes = ReadWholeFile("t.dat");
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, (Bytes{3, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 5, 0, 2, 0, 0, 0, 0x80}));

  ByteReader r(*bytes);
  int32_t a = 0, b = 0, c = 0;
  uint8_t k[3] = {};
  ASSERT_TRUE(r.readInt32(a) && r.readInt32(b) && r.readBytes(k, 3) && r.readInt32(c));
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, -2);
  EXPECT_EQ(k[2], 2);
  EXPECT_EQ(c, INT32_MIN);
  EXPECT_EQ(r.remaining(), 0u);
}

TEST(BinaryFile, ShortEmptyAndMissingFiles) {
  TempWorkDir dir;
  EXPECT_FALSE(ReadWholeFile("missing.dat"));
  EXPECT_FALSE(ReadWholeFile(dir.path())) << "a folder is not a file";
  std::ofstream("empty.dat", std::ios::binary).flush();
  ASSERT_TRUE(ReadWholeFile("empty.dat"));
  EXPECT_TRUE(ReadWholeFile("empty.dat")->empty());

  const Bytes data = {1, 2, 3};   // a short read fails and consumes nothing
  ByteReader r(data);
  int32_t v = 77;
  uint8_t out[4] = {9, 9, 9, 9};
  EXPECT_FALSE(r.readInt32(v));
  EXPECT_FALSE(r.readBytes(out, 4));
  EXPECT_EQ(v, 77);
  EXPECT_EQ(out[0], 9);
  ASSERT_TRUE(r.readBytes(out, 2));
  EXPECT_FALSE(r.readBytes(out, 2));
  EXPECT_EQ(r.remaining(), 1u);
  EXPECT_TRUE(r.readBytes(out, 0));
}

TEST(BinaryFile, WritingCreatesFoldersAndTruncatesOrFailsClearly) {
  TempWorkDir dir;
  const fs::path file = "TT/deeper/x.dat";
  ASSERT_TRUE(WriteWholeFile(file, Bytes{1, 2, 3, 4, 5, 6}));
  ASSERT_TRUE(WriteWholeFile(file, Bytes{9}));
  EXPECT_EQ(ReadWholeFile(file), Bytes{9});
  ASSERT_TRUE(CreateEmptyFile("new/e.dat"));
  EXPECT_EQ(fs::file_size("new/e.dat"), 0u);
  ASSERT_TRUE(CreateEmptyFile(file));
  EXPECT_EQ(fs::file_size(file), 0u);

  std::ofstream("plain") << "x";
  EXPECT_FALSE(WriteWholeFile("plain/sub/x.dat", Bytes{1}));
  EXPECT_FALSE(CreateEmptyFile("plain/y.dat"));
  EXPECT_FALSE(WriteWholeFile(dir.path(), Bytes{1})) << "a folder cannot be written as a file";
}

TEST(BinaryFile, OverwriteKeepsTheRestAndNeverCreates) {
  TempWorkDir dir;
  const Bytes head = {7, 7};
  EXPECT_FALSE(OverwriteFileStart("table.dat", head));
  EXPECT_FALSE(fs::exists("table.dat"));
  EXPECT_FALSE(OverwriteFileStart("nofolder/t.dat", head));
  EXPECT_FALSE(fs::exists("nofolder"));

  ASSERT_TRUE(WriteWholeFile("table.dat", Bytes{1, 2, 3, 4, 5}));
  ASSERT_TRUE(OverwriteFileStart("table.dat", head));
  EXPECT_EQ(ReadWholeFile("table.dat"), (Bytes{7, 7, 3, 4, 5}));
  ASSERT_TRUE(OverwriteFileStart("table.dat", Bytes{0, 0, 0, 0, 0, 0, 9}));   // extends it
  EXPECT_EQ(ReadWholeFile("table.dat"), (Bytes{0, 0, 0, 0, 0, 0, 9}));
}

// The names in the folder besides the given ones (a temporary file left over).
std::vector<std::string> OtherFiles(const fs::path& folder, const std::vector<std::string>& known) {
  std::vector<std::string> others;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (std::find(known.begin(), known.end(), name) == known.end()) others.push_back(name);
  }
  return others;
}

TEST(BinaryFile, AFailedSaveLeavesTheOldFileWhole) {
  TempWorkDir dir;
  Bytes old(12604);
  for (size_t i = 0; i < old.size(); ++i) old[i] = uint8_t(i * 7);
  ASSERT_TRUE(WriteWholeFile("table.dat", old));
  ASSERT_TRUE(WriteWholeFile("small.dat", Bytes{1, 2, 3}));
  fs::permissions("table.dat", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  {
    FileSizeLimit fullDisk(4096);
    const Bytes bigger(20000, 0x55);
    EXPECT_FALSE(WriteWholeFile("table.dat", bigger));
    EXPECT_FALSE(OverwriteFileStart("table.dat", Bytes(5000, 0x66)));
    EXPECT_FALSE(WriteWholeFile("small.dat", bigger));
    EXPECT_TRUE(WriteWholeFile("small.dat", Bytes{4, 5}));   // what fits is saved
    // Written in place, two bytes at the start fit even though the tail they keep does not.
    EXPECT_TRUE(OverwriteFileStart("table.dat", Bytes{old[0], old[1]}));
  }
  EXPECT_EQ(ReadWholeFile("table.dat"), old);
  EXPECT_EQ(ReadWholeFile("small.dat"), (Bytes{4, 5}));
  EXPECT_TRUE(OtherFiles(dir.path(), {"table.dat", "small.dat"}).empty());

  ASSERT_TRUE(OverwriteFileStart("table.dat", Bytes{9, 9}));   // a replaced file keeps its permissions
  EXPECT_EQ(fs::status("table.dat").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
