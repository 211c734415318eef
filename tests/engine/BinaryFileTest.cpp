#include "engine/BinaryFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class BinaryFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           ("binfile_" + std::string(info->name()) + "_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void writeRaw(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }

  fs::path dir_;
};

TEST_F(BinaryFileTest, RoundTripIsLittleEndian) {
  ByteWriter w;
  w.putInt32(3);
  w.putInt32(-2);
  const uint8_t key[3] = {5, 0, 2};
  w.putBytes(key, 3);
  w.putInt32(INT32_MIN);
  const fs::path file = dir_ / "t.dat";
  ASSERT_TRUE(WriteWholeFile(file, w.bytes()));

  const auto bytes = ReadWholeFile(file);
  ASSERT_TRUE(bytes);
  ASSERT_EQ(bytes->size(), 15u);
  EXPECT_EQ((*bytes)[0], 3);
  EXPECT_EQ((*bytes)[1], 0);
  EXPECT_EQ((*bytes)[4], 0xFE);
  EXPECT_EQ((*bytes)[7], 0xFF);
  EXPECT_EQ((*bytes)[14], 0x80);

  ByteReader r(*bytes);
  int32_t v = 0;
  uint8_t k[3] = {};
  ASSERT_TRUE(r.readInt32(v));
  EXPECT_EQ(v, 3);
  ASSERT_TRUE(r.readInt32(v));
  EXPECT_EQ(v, -2);
  ASSERT_TRUE(r.readBytes(k, 3));
  EXPECT_EQ(k[0], 5);
  EXPECT_EQ(k[2], 2);
  ASSERT_TRUE(r.readInt32(v));
  EXPECT_EQ(v, INT32_MIN);
  EXPECT_EQ(r.remaining(), 0u);
}

TEST_F(BinaryFileTest, ShortDataFailsWithoutConsuming) {
  writeRaw(dir_ / "short.dat", std::string("\x01\x02\x03", 3));
  const auto bytes = ReadWholeFile(dir_ / "short.dat");
  ASSERT_TRUE(bytes);
  ByteReader r(*bytes);
  int32_t v = 77;
  EXPECT_FALSE(r.readInt32(v));
  EXPECT_EQ(v, 77);
  EXPECT_EQ(r.remaining(), 3u);
  uint8_t out[4] = {9, 9, 9, 9};
  EXPECT_FALSE(r.readBytes(out, 4));
  EXPECT_EQ(out[0], 9);
  ASSERT_TRUE(r.readBytes(out, 2));
  EXPECT_EQ(out[1], 2);
  EXPECT_FALSE(r.readBytes(out, 2));
  EXPECT_EQ(r.remaining(), 1u);
  EXPECT_TRUE(r.readBytes(out, 0));
}

TEST_F(BinaryFileTest, EmptyAndMissingFiles) {
  EXPECT_FALSE(ReadWholeFile(dir_ / "missing.dat"));
  EXPECT_FALSE(ReadWholeFile(dir_)) << "a folder is not a file";
  writeRaw(dir_ / "empty.dat", "");
  const auto bytes = ReadWholeFile(dir_ / "empty.dat");
  ASSERT_TRUE(bytes);
  EXPECT_TRUE(bytes->empty());
  int32_t v = 0;
  EXPECT_FALSE(ByteReader(*bytes).readInt32(v));
}

TEST_F(BinaryFileTest, LargeFileIsReadWhole) {
  std::vector<uint8_t> data(200000);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 7);
  ASSERT_TRUE(WriteWholeFile(dir_ / "big.dat", data));
  EXPECT_EQ(ReadWholeFile(dir_ / "big.dat"), data);
}

TEST_F(BinaryFileTest, WritingCreatesFoldersAndTruncates) {
  const fs::path file = dir_ / "TT" / "deeper" / "x.dat";
  const std::vector<uint8_t> longer = {1, 2, 3, 4, 5, 6};
  ASSERT_TRUE(WriteWholeFile(file, longer));
  const std::vector<uint8_t> shorter = {9};
  ASSERT_TRUE(WriteWholeFile(file, shorter));
  EXPECT_EQ(ReadWholeFile(file), shorter);

  const fs::path empty = dir_ / "new" / "e.dat";
  ASSERT_TRUE(CreateEmptyFile(empty));
  EXPECT_TRUE(fs::exists(empty));
  EXPECT_EQ(fs::file_size(empty), 0u);
  ASSERT_TRUE(CreateEmptyFile(file));
  EXPECT_EQ(fs::file_size(file), 0u);
}

TEST_F(BinaryFileTest, WritingFailsWhereAFolderCannotBeMade) {
  writeRaw(dir_ / "plain", "x");
  const std::vector<uint8_t> data = {1};
  EXPECT_FALSE(WriteWholeFile(dir_ / "plain" / "sub" / "x.dat", data));
  EXPECT_FALSE(CreateEmptyFile(dir_ / "plain" / "y.dat"));
  EXPECT_FALSE(WriteWholeFile(dir_, data)) << "a folder cannot be written as a file";
}

TEST_F(BinaryFileTest, OverwriteKeepsTheRestAndNeverCreates) {
  const fs::path file = dir_ / "table.dat";
  const std::vector<uint8_t> head = {7, 7};
  EXPECT_FALSE(OverwriteFileStart(file, head));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_FALSE(OverwriteFileStart(dir_ / "nofolder" / "t.dat", head));
  EXPECT_FALSE(fs::exists(dir_ / "nofolder"));

  ASSERT_TRUE(WriteWholeFile(file, std::vector<uint8_t>{1, 2, 3, 4, 5}));
  ASSERT_TRUE(OverwriteFileStart(file, head));
  EXPECT_EQ(ReadWholeFile(file), (std::vector<uint8_t>{7, 7, 3, 4, 5}));

  // Writing more than the file holds extends it.
  ASSERT_TRUE(OverwriteFileStart(file, std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 9}));
  EXPECT_EQ(ReadWholeFile(file), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 9}));
}

}  // namespace
