#pragma once
// Text fixtures of the lattice tests: write a file (its folders made first)
// and read one back whole.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline void WriteText(const std::string& path, const std::string& text)
{
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty())
        std::filesystem::create_directories(parent);
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
