#pragma once
// The weights file "data/dxx.dat" of the random rule: the 45 ruleWeightsX
// followed by the 25 ruleWeightsY, each a little-endian IEEE 754 double,
// 560 bytes, no header. Every writer keeps the weights within 0..1 (they are
// probabilities), so a read takes the file only when its first 560 bytes hold
// 70 such values; a missing, short or malformed file leaves both tables as
// they were. A write replaces the file's first 560 bytes (creating the file and
// its folder when missing), only once the new content is complete.

#include <filesystem>
#include <string>

inline constexpr const char* kRuleWeightsFileName = "data/dxx.dat";
inline constexpr int kRuleWeightsFileSize = 70 * 8;

enum class RuleWeightsFileStatus { Ok, Missing, Short, Malformed, WriteFailed };

RuleWeightsFileStatus ReadRuleWeightsFile(const std::filesystem::path& path);
RuleWeightsFileStatus WriteRuleWeightsFile(const std::filesystem::path& path);

// A message for a failed read or write of path; empty for Ok.
std::string RuleWeightsFileMessage(RuleWeightsFileStatus status, const std::string& path);
