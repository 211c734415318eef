#pragma once
// Binary fixtures of the lattice tests: write bytes (folders made first) and
// read a file back whole.
#include "TextFileSupport.h"

#include <cstdint>
#include <iterator>
#include <vector>

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    WriteText(path, std::string(bytes.begin(), bytes.end()));
}

inline std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
