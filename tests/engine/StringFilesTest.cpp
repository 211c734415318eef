// The five string files: written, read back, and short, garbage or missing
// files refused.
#include "engine/StringFiles.h"
#include "engine/StringLength.h"
#include "engine/StringState.h"
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(StringFiles, NamesAreTheFiveFixedOnes) {
  EXPECT_EQ(StringFileName(1), "CA/ca.dat");
  EXPECT_EQ(StringFileName(2), "CA/ca2.dat");
  EXPECT_EQ(StringFileName(5), "CA/ca5.dat");
}

TEST(StringFiles, WriteCreatesTheFolderAndReadsBack) {
  TempWorkDir dir;
  stringLength = 12;
  for (int i = 0; i < 27; ++i) stringA[i] = static_cast<uint8_t>(i % 3);
  ASSERT_EQ(WriteStringFile("CA/ca2.dat"), StringFileStatus::Ok);
  const std::string bytes = Bytes("CA/ca2.dat");
  ASSERT_EQ(bytes.size(), 31u);   // all 27 cells whatever the length
  EXPECT_EQ(bytes[0], 12);
  EXPECT_EQ(bytes[1], 0);
  EXPECT_EQ(bytes[4 + 26], 26 % 3);

  StringFileRecord record;
  ASSERT_EQ(ReadStringFile("CA/ca2.dat", record), StringFileStatus::Ok);
  EXPECT_EQ(record.length, 12);
  EXPECT_EQ(record.cells[5], 2);
}

TEST(StringFiles, WriteKeepsTheBytesOfALongerFile) {
  TempWorkDir dir;
  std::filesystem::create_directories("CA");
  { std::ofstream("CA/ca3.dat", std::ios::binary) << std::string(100, '\x07'); }
  stringLength = 4;
  ASSERT_EQ(WriteStringFile("CA/ca3.dat"), StringFileStatus::Ok);
  const std::string bytes = Bytes("CA/ca3.dat");
  ASSERT_EQ(bytes.size(), 100u);
  EXPECT_EQ(bytes[0], 4);
  EXPECT_EQ(bytes[31], '\x07');
  EXPECT_EQ(bytes[99], '\x07');
}

TEST(StringFiles, MissingShortAndGarbageFilesAreRefused) {
  TempWorkDir dir;
  StringFileRecord record;
  record.length = 99;
  EXPECT_EQ(ReadStringFile("CA/ca4.dat", record), StringFileStatus::Missing);
  std::filesystem::create_directories("CA");
  { std::ofstream("CA/ca4.dat", std::ios::binary) << std::string(30, '\x01'); }
  EXPECT_EQ(ReadStringFile("CA/ca4.dat", record), StringFileStatus::Short);
  { std::ofstream("CA/ca4.dat", std::ios::binary) << "garbage garbage garbage garbage garbage"; }
  EXPECT_EQ(ReadStringFile("CA/ca4.dat", record), StringFileStatus::BadLength);
  std::string badCell(31, '\x02');
  badCell.replace(0, 4, std::string("\x05\x00\x00\x00", 4));
  badCell[10] = 9;
  { std::ofstream("CA/ca4.dat", std::ios::binary) << badCell; }
  EXPECT_EQ(ReadStringFile("CA/ca4.dat", record), StringFileStatus::BadCell);
  std::string negative(31, '\x01');
  negative.replace(0, 4, std::string("\xff\xff\xff\xff", 4));
  { std::ofstream("CA/ca4.dat", std::ios::binary) << negative; }
  EXPECT_EQ(ReadStringFile("CA/ca4.dat", record), StringFileStatus::BadLength);
  EXPECT_EQ(record.length, 99);   // nothing taken from any refused file
  EXPECT_FALSE(StringFileMessage(StringFileStatus::Short, "CA/ca4.dat").empty());
}
