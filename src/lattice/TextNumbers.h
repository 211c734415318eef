#pragma once
// Text files of numbers and words separated by white space (blanks, tabs,
// line ends), read whole and taken apart one item at a time. A number is an
// optional sign and decimal digits, nothing else, within the int32 range;
// anything else where a number is due is malformed, so a reader can stop
// there instead of taking half a record.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

enum class TextItem { Ok, End, Malformed };

class TextNumbers {
public:
    explicit TextNumbers(std::string text) : text_(std::move(text)) {}

    // The whole text of a file; nullopt when it is missing or unreadable.
    static std::optional<TextNumbers> FromFile(const std::filesystem::path& path);

    // The next item as a number: End when only white space is left,
    // Malformed (and the item consumed) when it is not a number.
    TextItem readInt(int32_t& value);
    // The next item as it stands.
    TextItem readWord(std::string& word);

private:
    std::string_view nextItem();

    std::string text_;
    size_t pos_ = 0;
};

// value from the whole of text when it is a decimal int32 (optional sign).
bool ParseInt32(std::string_view text, int32_t& value);
