// Upper-casing of the 8-bit characters of the text for case-insensitive search. Bytes are
// read in the Western 8-bit character set the screen shows: a-z and the accented small
// letters 0xE0-0xFE (except the division sign 0xF7) have their capitals 32 codes lower;
// s, oe and z with caron and y with diaeresis (0x9A, 0x9C, 0x9E, 0xFF) have theirs at 0x8A,
// 0x8C, 0x8E and 0x9F. Every other byte is its own upper case.
#pragma once

#include <array>
#include <cstdint>

namespace wendax {

using TCaseTable = std::array<std::uint8_t, 256>;

namespace detail {

constexpr std::uint8_t UpperOf(int c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
    switch (c) {
        case 0x9A:
        case 0x9C:
        case 0x9E:
            return static_cast<std::uint8_t>(c - 0x10);
        case 0xFF:
            return 0x9F;
        default:
            return static_cast<std::uint8_t>(c);
    }
}

enum class TCasing { Same, Upper, AsciiUpper };

constexpr std::uint8_t Cased(int c, TCasing casing) {
    switch (casing) {
        case TCasing::Upper:
            return UpperOf(c);
        case TCasing::AsciiUpper:
            return c >= 'a' && c <= 'z' ? static_cast<std::uint8_t>(c - 32)
                                        : static_cast<std::uint8_t>(c);
        default:
            return static_cast<std::uint8_t>(c);
    }
}

constexpr TCaseTable MakeCaseTable(TCasing casing) {
    TCaseTable table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] = Cased(c, casing);
    return table;
}

}  // namespace detail

inline constexpr TCaseTable kUpperCase = detail::MakeCaseTable(detail::TCasing::Upper);
inline constexpr TCaseTable kSameCase = detail::MakeCaseTable(detail::TCasing::Same);
// a-z to A-Z, every other byte stays: how UTF-8 folding treats the ASCII bytes.
inline constexpr TCaseTable kAsciiUpperCase = detail::MakeCaseTable(detail::TCasing::AsciiUpper);

inline char UpperCase(char c) {
    return static_cast<char>(kUpperCase[static_cast<std::uint8_t>(c)]);
}

// Upper case of a-z only; every other byte stays.
inline char AsciiUpperCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

}  // namespace wendax
