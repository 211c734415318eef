#include "runs/ParameterSweep.h"

#include "base/BinaryFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <system_error>

#include "base/PointLists.h"
#include "base/TableRecords.h"
#include "engine/StringCells.h"

// The globals start as the edits' layout texts show them.
int32_t sweepBCountFrom = 3;
int32_t sweepBCountTo = 11;
int32_t sweepLengthFrom = 50;
int32_t sweepLengthTo = 150;
int32_t sweepRepeatCount = 10;
int32_t sweepSpareNumber = 1000;

int32_t sweepBCountSteps = 0, sweepLengthSteps = 0;
int32_t sweepLengthIndex = 0, sweepBCountIndex = 0, sweepRepeatIndex = 0;
int32_t sweepRunIndex = 0;

int32_t sweepCount[kSweepBSteps][kSweepLengthSteps] = {};
int32_t sweepTimeSum[kSweepBSteps][kSweepLengthSteps] = {};
int32_t sweepBSum[kSweepBSteps][kSweepLengthSteps] = {};
double sweepTimeSpread[kSweepBSteps][kSweepLengthSteps] = {};
double sweepBSpread[kSweepBSteps][kSweepLengthSteps] = {};

uint8_t isSweepRunning = 0;
uint8_t isSweepRunPending = 0;

namespace {

// Sums of squares beside the sums, for the spreads.
double timeSquareSum[kSweepBSteps][kSweepLengthSteps] = {};
double bSquareSum[kSweepBSteps][kSweepLengthSteps] = {};

// Runs per point: far more than a sweep can use, and small enough that the
// run total of the largest range (10 x 100 points) stays an int32.
constexpr int32_t kMaxRepeats = 1000000;

bool InTables(int32_t bStep, int32_t lengthStep) {
  return bStep >= 0 && bStep < kSweepBSteps && lengthStep >= 0 && lengthStep < kSweepLengthSteps;
}

std::string Range(int64_t from, int64_t to) { return std::to_string(from) + " .. " + std::to_string(to - 1); }

double PopulationSpread(double sum, double squares, int32_t count) {
  if (count <= 0) return 0.0;
  const double mean = sum / count;
  return std::sqrt(std::max(0.0, squares / count - mean * mean));
}

std::string Fixed(double value) {   // "%f" under the C locale
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return std::string(buffer, result.ptr);
}

bool ReplaceTextFile(const std::filesystem::path& path, const std::string& text) {
  return SaveFileSafely(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace

std::string SweepParameterProblem() {
  const int64_t bSteps = int64_t{sweepBCountTo} - sweepBCountFrom;
  const int64_t lengthSteps = int64_t{sweepLengthTo} - sweepLengthFrom;
  if (lengthSteps < 1 || lengthSteps > kSweepLengthSteps)
    return "The lengths " + Range(sweepLengthFrom, sweepLengthTo) + " must make 1 to " +
           std::to_string(kSweepLengthSteps) + " steps";
  if (sweepLengthFrom < 1 || int64_t{sweepLengthTo} - 1 > kStringCells)
    return "The lengths " + Range(sweepLengthFrom, sweepLengthTo) + " must lie within 1 .. " +
           std::to_string(kStringCells);
  if (bSteps < 1 || bSteps > kSweepBSteps)
    return "The B counts " + Range(sweepBCountFrom, sweepBCountTo) + " must make 1 to " +
           std::to_string(kSweepBSteps) + " steps";
  if (sweepBCountFrom < 0 || int64_t{sweepBCountTo} - 1 > kPointListCapacity)
    return "The B counts " + Range(sweepBCountFrom, sweepBCountTo) + " must lie within 0 .. " +
           std::to_string(kPointListCapacity);
  if (sweepRepeatCount < 1 || sweepRepeatCount > kMaxRepeats)
    return "The runs per point must lie within 1 .. " + std::to_string(kMaxRepeats);
  return {};
}

void StartSweep() {
  sweepBCountSteps = sweepBCountTo - sweepBCountFrom;
  sweepLengthSteps = sweepLengthTo - sweepLengthFrom;
  sweepRunIndex = 0;
  for (int32_t j = 0; j < sweepBCountSteps && j < kSweepBSteps; ++j)
    for (int32_t i = 0; i < sweepLengthSteps && i < kSweepLengthSteps; ++i) ClearSweepPoint(j, i);
}

int64_t SweepRunTotal() {
  if (sweepLengthSteps <= 0 || sweepBCountSteps <= 0 || sweepRepeatCount <= 0) return 0;
  return int64_t{sweepLengthSteps} * sweepBCountSteps * sweepRepeatCount;
}

bool FindSweepPoint() {
  if (sweepRunIndex < 0 || sweepRunIndex >= SweepRunTotal()) return false;
  const int64_t perLength = int64_t{sweepBCountSteps} * sweepRepeatCount;
  sweepLengthIndex = static_cast<int32_t>(sweepRunIndex / perLength);
  sweepBCountIndex = static_cast<int32_t>(sweepRunIndex / sweepRepeatCount % sweepBCountSteps);
  sweepRepeatIndex = static_cast<int32_t>(sweepRunIndex % sweepRepeatCount);
  return true;
}

void ClearSweepPoint(int32_t bStep, int32_t lengthStep) {
  if (!InTables(bStep, lengthStep)) return;
  sweepCount[bStep][lengthStep] = sweepTimeSum[bStep][lengthStep] = sweepBSum[bStep][lengthStep] = 0;
  timeSquareSum[bStep][lengthStep] = bSquareSum[bStep][lengthStep] = 0.0;
  sweepTimeSpread[bStep][lengthStep] = sweepBSpread[bStep][lengthStep] = 0.0;
}

void CountSweepRun(int32_t steps, int32_t ones) {
  const int32_t j = sweepBCountIndex, i = sweepLengthIndex;
  if (!InTables(j, i)) return;
  const int32_t count = sweepCount[j][i] = SaturatingAdd(sweepCount[j][i], 1);
  sweepTimeSum[j][i] = SaturatingAdd(sweepTimeSum[j][i], steps);
  sweepBSum[j][i] = SaturatingAdd(sweepBSum[j][i], ones);
  timeSquareSum[j][i] += double(steps) * steps;
  bSquareSum[j][i] += double(ones) * ones;
  sweepTimeSpread[j][i] = PopulationSpread(sweepTimeSum[j][i], timeSquareSum[j][i], count);
  sweepBSpread[j][i] = PopulationSpread(sweepBSum[j][i], bSquareSum[j][i], count);
}

std::string WriteSweepFiles(const std::filesystem::path& folder, int32_t lengthSteps) {
  enum class Kind { Count, TimeMean, TimeSpread, BMean, BSpread };
  const struct {
    const char* name;
    Kind kind;
  } files[] = {{"9_cont.dat", Kind::Count},
               {"9_Tsr.dat", Kind::TimeMean},
               {"9_DTsr.dat", Kind::TimeSpread},
               {"9_Bcol.dat", Kind::BMean},
               {"9_DBcol.dat", Kind::BSpread}};
  const int32_t rows = std::clamp(lengthSteps, 0, kSweepLengthSteps);
  const int32_t columns = std::clamp(sweepBCountSteps, 0, kSweepBSteps);
  std::string failed;
  for (const auto& file : files) {
    std::string text;
    for (int32_t i = 0; i < rows; ++i) {
      text += std::to_string(int64_t{sweepLengthFrom} + i);
      for (int32_t j = 0; j < columns; ++j) {
        const int32_t count = sweepCount[j][i];
        std::string value = "0";
        if (count != 0) {
          switch (file.kind) {
            case Kind::Count: value = std::to_string(count); break;
            case Kind::TimeMean: value = Fixed(double(sweepTimeSum[j][i]) / count); break;
            case Kind::TimeSpread: value = Fixed(sweepTimeSpread[j][i]); break;
            case Kind::BMean: value = Fixed(double(sweepBSum[j][i]) / count); break;
            case Kind::BSpread: value = Fixed(sweepBSpread[j][i]); break;
          }
        }
        text += " " + value + " ";
      }
      text += "\n";
    }
    if (!ReplaceTextFile(folder / file.name, text)) failed += (failed.empty() ? "" : ", ") + std::string(file.name);
  }
  return failed;
}
