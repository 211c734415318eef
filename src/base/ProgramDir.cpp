#include "base/ProgramDir.h"

#include <algorithm>

std::string programDir;

std::string BackslashToSlash(std::string text) {
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

std::string ProgramPath(std::string_view relative) {
  return programDir + BackslashToSlash(std::string(relative));
}
