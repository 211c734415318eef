#include "lattice/RuleTableFile.h"

#include <algorithm>
#include <span>

#include "base/BinaryFile.h"
#include "lattice/LatticeRuleTable.h"

std::string rcaFileName;

RuleFileStatus ReadRuleTableFile(const std::string& path) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return RuleFileStatus::Missing;
  if (bytes->size() < kLatticeRuleTableSize) return RuleFileStatus::Short;
  if (bytes->size() > kLatticeRuleTableSize) return RuleFileStatus::TooLong;
  std::copy(bytes->begin(), bytes->end(), latticeRuleTable);
  return RuleFileStatus::Ok;
}

// The one writer of rule table files.
RuleFileStatus WriteRuleTableFile(const std::string& path) {
  return WriteWholeFile(path, std::span<const uint8_t>(latticeRuleTable, kLatticeRuleTableSize))
             ? RuleFileStatus::Ok
             : RuleFileStatus::WriteFailed;
}

std::string RuleFileMessage(RuleFileStatus status, const std::string& path) {
  switch (status) {
    case RuleFileStatus::Ok: return {};
    case RuleFileStatus::Missing: return "Rule table " + path + " is missing; the rule table is unchanged";
    case RuleFileStatus::Short:
      return "Rule table " + path + " is shorter than 2250 bytes; the rule table is unchanged";
    case RuleFileStatus::TooLong:
      return "Rule table " + path + " is longer than 2250 bytes; the rule table is unchanged";
    case RuleFileStatus::WriteFailed: return "Rule table " + path + " could not be written";
  }
  return {};
}
