#pragma once
// Rule table files: exactly the 2250 bytes of latticeRuleTable in index
// order, both halves, no header. Paths are relative to the current directory
// unless absolute. A read takes the file only when it holds exactly 2250
// bytes; a missing, short or overlong file leaves the table as it was. A
// write creates the missing folders.

#include <string>

// The path chosen in the last "RCA" dialog.
extern std::string rcaFileName;

enum class RuleFileStatus { Ok, Missing, Short, TooLong, WriteFailed };

RuleFileStatus ReadRuleTableFile(const std::string& path);
RuleFileStatus WriteRuleTableFile(const std::string& path);

// A status-bar text for a failed read or write of path; empty for Ok.
std::string RuleFileMessage(RuleFileStatus status, const std::string& path);
