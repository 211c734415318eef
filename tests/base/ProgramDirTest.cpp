// Paths beside the program, with "/" in place of "\".
#include "base/ProgramDir.h"

#include <gtest/gtest.h>

TEST(ProgramDir, PathsUseForwardSlashes) {
  EXPECT_EQ(BackslashToSlash("a\\\\b\\"), "a//b/");
  programDir = "/opt/bench/";
  EXPECT_EQ(ProgramPath("TT\\Tab 1\\x.dat"), "/opt/bench/TT/Tab 1/x.dat");
  EXPECT_EQ(ProgramPath("CA/ca5.dat"), "/opt/bench/CA/ca5.dat");
}
