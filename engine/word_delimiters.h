// The character classes of the word commands, the whole-word search test and double-click
// word selection: the 35 word delimiters, word characters and blanks.
#pragma once

#include <string_view>

namespace wendax {

// In their fixed order: tab, apostrophe, carriage return, line feed, space, then punctuation.
// Every other character (digits, letters, the underscore, every character above 127) is a
// word character.
inline constexpr std::string_view kWordDelimiters = "\t'\r\n ,./?;:`\"<>[]{}-=\\+|()%@&^$#!~*";

bool IsWordDelimiter(char c);
inline bool IsWordChar(char c) {
    return !IsWordDelimiter(c);
}
// Space or tab.
inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace wendax
