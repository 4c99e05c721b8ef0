// The word delimiters: the characters that end a word for the word commands, the whole-word
// test of search and double-click selection. Digits, letters, the underscore and every
// character above 127 are word characters.
#pragma once

#include <array>
#include <string_view>

namespace wendax {

// The 35 delimiters, in their historical order.
inline constexpr std::string_view kWordDelimiters = "\t'\r\n ,./?;:`\"<>[]{}-=\\+|()%@&^$#!~*";

namespace detail {

constexpr std::array<bool, 256> MakeDelimiterTable() {
    std::array<bool, 256> table{};
    for (const char c : kWordDelimiters)
        table[static_cast<unsigned char>(c)] = true;
    return table;
}

inline constexpr std::array<bool, 256> kIsDelimiter = MakeDelimiterTable();

}  // namespace detail

inline bool IsWordDelimiter(char c) {
    return detail::kIsDelimiter[static_cast<unsigned char>(c)];
}

}  // namespace wendax
