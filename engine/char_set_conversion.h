// Rewriting the bytes of a text from one character set into the other, and where a byte
// offset lands afterwards. Between 8-bit and UTF-8 the 8-bit table (eight_bit_table.h) is the
// whole conversion: every 8-bit byte becomes its character's UTF-8 bytes, and a UTF-8 text
// converts back exactly when each of its characters has a byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/editor_errors.h"
#include "engine/char_set.h"
#include "engine/text_positions.h"

namespace wendax {

// How converting a whole text ended. Converted, or else nothing changed: Error names a limit
// the converted text would break, or At (paragraph > 0) is the first character with no
// bytes in the target set, with its display line, its code point Missing and NotUtf8 for a
// byte that is no UTF-8 (Missing is then U+FFFD). Neither: there was nothing to convert.
struct TCharSetConversion {
    bool Converted = false;
    TEditorErrorCode Error = eeOk;
    TParaPos At{0, 0};
    std::int32_t Line = 0;
    char32_t Missing = 0;
    bool NotUtf8 = false;
};

// The first character of a text that has no bytes in the target set.
struct TMissingChar {
    std::int32_t Offset = 0;  // of its first byte
    char32_t Code = 0;
    bool NotUtf8 = false;
};

// `text`, in the set other than `to`, rewritten into `to` as `out`. False when a character
// has no bytes in `to` (only UTF-8 to 8-bit): `missing` then names the first.
bool ConvertText(TCharSet to, std::string_view text, std::string& out, TMissingChar& missing);

// Bytes the 8-bit `text` takes in UTF-8.
std::int64_t Utf8Size(std::string_view text);

// Where byte offset `offset` of a paragraph lands in its bytes `converted` into `to`: after
// as many code points as stood before it (at the start of the code point it fell inside);
// an offset beyond the end keeps its distance from the end.
std::int32_t ConvertedOffset(TCharSet to, std::string_view converted, std::int32_t offset);

}  // namespace wendax
