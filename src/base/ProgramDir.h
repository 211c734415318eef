#pragma once
// The program's folder and paths of the files beside it. Paths use "/"
// throughout; relative names written with "\" are turned into "/".

#include <string>
#include <string_view>

// The executable's folder with a trailing "/"; set once at start-up.
extern std::string programDir;

// text with every "\" replaced by "/".
std::string BackslashToSlash(std::string text);

// programDir followed by relative, with "\" turned into "/".
std::string ProgramPath(std::string_view relative);
