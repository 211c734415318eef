#pragma once
// A fresh temporary folder that is the current directory for one test; the
// previous current directory comes back afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

class TempWorkDir {
 public:
  TempWorkDir() : previous_(std::filesystem::current_path()) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("wb_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
  }
  ~TempWorkDir() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir_);
  }
  const std::filesystem::path& path() const { return dir_; }

 private:
  std::filesystem::path previous_, dir_;
};
