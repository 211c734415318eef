#pragma once
// Numbers typed into edits and shown as text.

#include <cstdint>
#include <string>
#include <string_view>

// The C atoi rules: leading blanks (space, \t, \n, \v, \f, \r), an optional
// sign, decimal digits up to the first other character; 0 when there are no
// digits. Values beyond the int32 range saturate at INT32_MIN / INT32_MAX.
int32_t NumberFromText(std::string_view text);

// Plain decimal text, "-" for negatives.
std::string NumberText(int32_t value);

// Like printf "%*d": the decimal text right-aligned with spaces to width;
// a text already as wide or wider (or width <= 0) is returned unpadded.
std::string FormatInt(int value, int width);
