// The five string files: written, read back, and short, garbage or missing
// files refused.
#include "engine/StringFiles.h"
#include "base/StringLength.h"
#include "engine/StringState.h"
#include "../base/TempWorkDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace

TEST(StringFiles, WriteCreatesTheFolderKeepsLongerFilesAndReadsBack) {
  TempWorkDir dir;
  stringLength = 12;
  for (int i = 0; i < 27; ++i) stringA[i] = static_cast<uint8_t>(i % 3);
  ASSERT_EQ(WriteStringFile("CA/ca2.dat"), StringFileStatus::Ok);
  const std::string bytes = Bytes("CA/ca2.dat");
  ASSERT_EQ(bytes.size(), 31u);   // all 27 cells whatever the length
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x0c\0\0\0", 4));
  EXPECT_EQ(bytes[4 + 26], 26 % 3);
  StringFileRecord record;
  ASSERT_EQ(ReadStringFile("CA/ca2.dat", record), StringFileStatus::Ok);
  EXPECT_EQ(record.length, 12);
  EXPECT_EQ(record.cells[5], 2);

  Put("CA/ca3.dat", std::string(100, '\x07'));
  stringLength = 4;
  ASSERT_EQ(WriteStringFile("CA/ca3.dat"), StringFileStatus::Ok);
  const std::string longer = Bytes("CA/ca3.dat");
  ASSERT_EQ(longer.size(), 100u);
  EXPECT_EQ(longer[0], 4);
  EXPECT_EQ(longer[31], '\x07');
}

TEST(StringFiles, MissingShortAndGarbageFilesAreRefused) {
  TempWorkDir dir;
  StringFileRecord record;
  record.length = 99;
  EXPECT_EQ(ReadStringFile("CA/ca4.dat", record), StringFileStatus::Missing);
  std::filesystem::create_directories("CA");
  std::string badCell(31, '\x02');
  badCell.replace(0, 4, std::string("\x05\x00\x00\x00", 4));
  badCell[10] = 9;
  const struct { std::string bytes; StringFileStatus status; } files[] = {
      {std::string(30, '\x01'), StringFileStatus::Short},
      {"garbage garbage garbage garbage garbage", StringFileStatus::BadLength},
      {badCell, StringFileStatus::BadCell},
      {std::string(4, '\xff') + std::string(27, '\x01'), StringFileStatus::BadLength}};
  for (const auto& f : files) {
    Put("CA/ca4.dat", f.bytes);
    EXPECT_EQ(ReadStringFile("CA/ca4.dat", record), f.status) << f.bytes;
  }
  EXPECT_EQ(record.length, 99);   // nothing taken from any refused file
  EXPECT_FALSE(StringFileMessage(StringFileStatus::Short, "CA/ca4.dat").empty());
}
