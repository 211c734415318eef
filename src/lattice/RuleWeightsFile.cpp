#include "lattice/RuleWeightsFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "base/BinaryFile.h"
#include "base/BinaryFile.h"
#include "lattice/LatticeSettings.h"

namespace {

constexpr int kWeightCount = 70;

double WeightAt(const std::vector<uint8_t>& bytes, int k) {
  uint64_t bits = 0;
  for (int b = 7; b >= 0; --b) bits = (bits << 8) | bytes[static_cast<size_t>(8 * k + b)];
  return std::bit_cast<double>(bits);
}

void PutWeight(std::vector<uint8_t>& bytes, double w) {
  const auto bits = std::bit_cast<uint64_t>(w);
  for (int b = 0; b < 8; ++b) bytes.push_back(static_cast<uint8_t>(bits >> (8 * b)));
}

}  // namespace

RuleWeightsFileStatus ReadRuleWeightsFile(const std::filesystem::path& path) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return RuleWeightsFileStatus::Missing;
  if (bytes->size() < static_cast<size_t>(kRuleWeightsFileSize)) return RuleWeightsFileStatus::Short;
  std::array<double, kWeightCount> w{};
  for (int k = 0; k < kWeightCount; ++k) {
    w[static_cast<size_t>(k)] = WeightAt(*bytes, k);
    // NaN fails both comparisons and is refused with the rest.
    if (!(w[static_cast<size_t>(k)] >= 0.0 && w[static_cast<size_t>(k)] <= 1.0)) return RuleWeightsFileStatus::Malformed;
  }
  std::copy_n(w.begin(), 45, ruleWeightsX);
  std::copy_n(w.begin() + 45, 25, ruleWeightsY);
  return RuleWeightsFileStatus::Ok;
}

RuleWeightsFileStatus WriteRuleWeightsFile(const std::filesystem::path& path) {
  std::vector<uint8_t> bytes;
  bytes.reserve(kRuleWeightsFileSize);
  for (double w : ruleWeightsX) PutWeight(bytes, w);
  for (double w : ruleWeightsY) PutWeight(bytes, w);
  return SaveOverFileStart(path, bytes) ? RuleWeightsFileStatus::Ok : RuleWeightsFileStatus::WriteFailed;
}

std::string RuleWeightsFileMessage(RuleWeightsFileStatus status, const std::string& path) {
  switch (status) {
    case RuleWeightsFileStatus::Ok:
      return {};
    case RuleWeightsFileStatus::Missing:
      return "Weights file " + path + " not found: the weights are unchanged.";
    case RuleWeightsFileStatus::Short:
      return "Weights file " + path + " holds fewer than 70 weights: the weights are unchanged.";
    case RuleWeightsFileStatus::Malformed:
      return "Weights file " + path + " holds values outside 0..1: the weights are unchanged.";
    case RuleWeightsFileStatus::WriteFailed:
      return "Weights file " + path + " could not be written.";
  }
  return {};
}
