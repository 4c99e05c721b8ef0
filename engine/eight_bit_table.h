// The 8-bit character set: the one fixed table between the bytes of an 8-bit text and the
// characters they stand for. Bytes 0x80-0x9F are the usual Western typographic characters
// (euro sign, curly quotes, dashes, ...), the five without one kept as the distinct code
// points U+0081, U+008D, U+008F, U+0090 and U+009D; every other byte is the character of
// the same number. No two bytes share a character.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wendax {

char32_t EightBitChar(std::uint8_t byte);
// The byte standing for `code`, if one does; U+0000 has none (a paragraph never holds NUL).
std::optional<std::uint8_t> EightBitByte(char32_t code);

// 8-bit bytes as UTF-8.
std::string EightBitToUtf8(std::string_view bytes);

// UTF-8 text as 8-bit bytes. Returns false, with `missing` the first character that has no
// byte (an invalid UTF-8 byte counts as U+FFFD); `out` then holds the bytes before it.
bool Utf8ToEightBit(std::string_view utf8, std::string& out, char32_t& missing);

}  // namespace wendax
