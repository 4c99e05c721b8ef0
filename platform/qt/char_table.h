// The one fixed table between the 8-bit bytes of the text and the characters the screen
// shows for them, its inverse for text that comes from other programs, and the plain text
// form in which the bytes leave the program.
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

// The inverse of ByteToChar, which also takes the plain control characters U+0001-U+001F
// and U+007F as their bytes (other programs send tabs and line breaks that way). Anything
// else, U+0000 and the picture of NUL included, becomes '?': a paragraph never holds NUL.
std::uint8_t CharToByte(char32_t ch);

// True for the bytes the screen shows as a control picture, the five undefined ones included.
bool IsPictureByte(std::uint8_t byte);

// Whole strings through the table; TextToBytes yields one byte per code point.
QString BytesToText(std::string_view bytes);
std::string TextToBytes(QStringView text);

// The bytes as other programs and Qt's own widgets read text: CR LF becomes LF, other
// control bytes stay as they are, every other byte becomes the character the screen shows.
QString ToPlainText(std::string_view bytes);

// Plain text from another program as bytes: it ends at its first NUL, each line break (LF, CR LF
// or a lone CR) becomes CR LF, and characters go through the inverse of the screen's table.
std::string FromPlainText(QStringView text);

}  // namespace wendax
