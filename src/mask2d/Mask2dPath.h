#pragma once
// The path of the table file that belongs to the two-dimensional mask in
// force. The mask editor rebuilds it after every change of the mask; every
// reader, writer and check of two-dimensional tables opens its file through it.
#include <cstdint>
#include <optional>
#include <string>

extern std::string ttFileName2d;   // empty until the first rebuild

// One coordinate of a table name: "+" and the digit for 0..9, otherwise the
// plain signed decimal ("-3", "10", "-12").
std::string Mask2dNameCoordinate(int32_t value);

// The table file of item t below the program folder, from the extra points
// of table t: "RT2/T4.dat" for "Cross"; "RT2/T" + (points - 1) + "_" + the
// extra points, x then y, joined by "_" + ".dat" for the others. Nothing for
// an item outside 0..4. The folder is created by the writers, not here.
std::optional<std::string> Mask2dTableFileName(int t);
