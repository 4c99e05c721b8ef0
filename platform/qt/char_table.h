// The characters the screen shows for the 8-bit bytes of a text (engine/eight_bit_table.h
// with pictures for the control bytes), and the plain text form of 8-bit messages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <QString>
#include <QStringView>

namespace wendax {

// The character drawn for a byte. Control bytes 0x00-0x1F and 0x7F become the visible
// control pictures U+2400-U+241F and U+2421; 0x80-0x9F are the usual Western typographic
// glyphs (euro sign, curly quotes, dashes, ...), with the five bytes that have none kept as
// the distinct code points U+0081, U+008D, U+008F, U+0090 and U+009D; every other byte is
// the character of the same number. No two bytes share a character.
char16_t ByteToChar(std::uint8_t byte);

// True for the bytes the screen shows as a control picture, the five undefined ones included.
bool IsPictureByte(std::uint8_t byte);

// A whole string through the table.
QString BytesToText(std::string_view bytes);

// The bytes as other programs and Qt's own widgets read text: CR LF becomes LF, other
// control bytes stay as they are, every other byte becomes the character the screen shows.
QString ToPlainText(std::string_view bytes);

}  // namespace wendax
