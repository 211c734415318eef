#include "lattice/TextNumbers.h"

#include "base/BinaryFile.h"

#include <charconv>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

std::optional<TextNumbers> TextNumbers::FromFile(const std::filesystem::path& path) {
    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return TextNumbers(std::string(bytes->begin(), bytes->end()));
}

std::string_view TextNumbers::nextItem() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    const size_t start = pos_;
    while (pos_ < text_.size() && !IsBlank(text_[pos_])) ++pos_;
    return std::string_view(text_).substr(start, pos_ - start);
}

TextItem TextNumbers::readInt(int32_t& value) {
    const std::string_view item = nextItem();
    if (item.empty()) return TextItem::End;
    return ParseInt32(item, value) ? TextItem::Ok : TextItem::Malformed;
}

TextItem TextNumbers::readWord(std::string& word) {
    const std::string_view item = nextItem();
    if (item.empty()) return TextItem::End;
    word.assign(item);
    return TextItem::Ok;
}

bool ParseInt32(std::string_view text, int32_t& value) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() < '0' || text.front() > '9') return false;
    }
    int32_t parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    value = parsed;
    return true;
}
