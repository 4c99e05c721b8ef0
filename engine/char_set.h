// The character set of a text and the characters of its paragraphs.
//
// The store keeps bytes; a position is a byte index. The character set says how bytes form
// characters:
//   - 8-bit: every byte is one character of one cell, read through the 8-bit table.
//   - UTF-8: a character is one code point together with the zero-cell code points
//     (combining marks, format characters) that follow it, so a mark is always drawn,
//     moved over and deleted with its base. A byte that does not begin a valid UTF-8
//     sequence (a stray byte, an overlong form, a surrogate) is a character of its own,
//     one cell wide, and stays as it is.
// A character takes one or two cells on the screen (two for East Asian wide characters and
// emoji); a tab's cells depend on where it stands and are counted by the callers.
// Offsets here are 0-based byte offsets into one paragraph's text. Nothing depends on the
// process locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wendax {

enum TCharSet : std::uint8_t { chUtf8, chEightBit };

// The set a loaded file is read in: UTF-8 when all of it is valid UTF-8 (pure ASCII too).
inline TCharSet CharSetOfContent(bool validUtf8) {
    return validUtf8 ? chUtf8 : chEightBit;
}

// One code point decoded at a byte offset. An invalid sequence decodes as its first byte
// alone with Valid false and Code that byte's value.
struct TCodePoint {
    char32_t Code = 0;
    std::int32_t Bytes = 1;
    bool Valid = true;
};

TCodePoint DecodeUtf8(std::string_view text, std::int32_t at);
void AppendUtf8(std::string& out, char32_t code);
bool IsValidUtf8(std::string_view text);

// Cells of a code point standing alone: 0 for combining marks and format characters, 2 for
// wide characters and emoji, 1 otherwise.
std::int32_t CodeCells(char32_t code);
// Letters, marks and digits of every script (and, below U+0080, everything that is no word
// delimiter).
bool IsWordCode(char32_t code);
// Simple one-to-one upper case within Basic Latin, Latin-1 Supplement, Latin Extended-A,
// Greek and Cyrillic; every other code point is its own upper case.
char32_t UpperCaseCode(char32_t code);

// One character: its bytes [Begin, End) and its cells (1 or 2; a tab counts 1 here).
struct TCharExtent {
    std::int32_t Begin = 0;
    std::int32_t End = 0;
    std::int32_t Cells = 1;
};

// The character beginning at `at` (0 <= at < size, at a character boundary).
TCharExtent CharAt(TCharSet set, std::string_view text, std::int32_t at);
// Passes the characters from `at` one after another, up to a tab or the end of the text,
// while `width` plus their cells stays below `limit`, adding their cells to `width`.
// Returns where the first character not passed begins. Runs of ASCII go eight bytes at a
// time, for the wrap of long texts.
std::int32_t PassChars(TCharSet set, std::string_view text, std::int32_t at, std::int32_t limit,
                       std::int32_t& width);
// Byte offset where the character holding byte `at` begins; `at` itself when at >= size.
std::int32_t CharStart(TCharSet set, std::string_view text, std::int32_t at);
// Byte offset just after the character beginning at `at`; `at` + 1 beyond the text.
inline std::int32_t CharEnd(TCharSet set, std::string_view text, std::int32_t at) {
    if (at >= static_cast<std::int32_t>(text.size())) return at + 1;
    return CharAt(set, text, at).End;
}
// Where the character before offset `at` begins (at - 1 beyond the text or at its start).
inline std::int32_t PrevCharStart(TCharSet set, std::string_view text, std::int32_t at) {
    if (at <= 0 || at > static_cast<std::int32_t>(text.size())) return at - 1;
    return CharStart(set, text, at - 1);
}
// Number of characters in text[from, to), both at character boundaries.
std::int32_t CharCount(TCharSet set, std::string_view text, std::int32_t from, std::int32_t to);
// Whether the character beginning at `at` is a word character: in an 8-bit text every byte
// but the word delimiters (all ASCII); in UTF-8 IsWordCode, and every invalid byte (as in
// an 8-bit text, a byte above 127 is a word character).
bool IsWordCharAt(TCharSet set, std::string_view text, std::int32_t at);

}  // namespace wendax
