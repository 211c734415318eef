#pragma once
// The path of the table file that belongs to the two-dimensional mask in
// force. The mask editor rebuilds it after every change of the mask; every
// reader, writer and check of two-dimensional tables opens its file through it.
#include <string>

extern std::string ttFileName2d;   // empty until the first rebuild
