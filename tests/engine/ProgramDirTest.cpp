#include "engine/ProgramDir.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramDir, PathsUseForwardSlashes) {
  EXPECT_EQ(BackslashToSlash("CA\\ca5.dat"), "CA/ca5.dat");
  EXPECT_EQ(BackslashToSlash("a\\\\b\\"), "a//b/");
  EXPECT_EQ(BackslashToSlash(""), "");
  programDir = "/opt/bench/";
  EXPECT_EQ(ProgramPath("TT\\Tab 1\\x.dat"), "/opt/bench/TT/Tab 1/x.dat");
  EXPECT_EQ(ProgramPath("CA/ca5.dat"), "/opt/bench/CA/ca5.dat");
}

}  // namespace
