// The messages an editor window shows for the editor's error codes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/char_set_conversion.h"

namespace wendax {

// The text for codes 263 to 268; nothing for any other code, which shows no message.
std::optional<std::string_view> EditorErrorText(std::uint16_t code);

// Why a text was not converted into the other character set: the character with no byte
// (as UTF-8, with its code point) and its display line, a byte that is no UTF-8, or the
// limit's text. Nothing when it was converted or nothing was refused.
std::optional<std::string> CharSetRefusalText(const TCharSetConversion& result);

}  // namespace wendax
