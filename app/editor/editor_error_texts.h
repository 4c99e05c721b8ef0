// The messages an editor window shows for the editor's error codes.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace wendax {

// The text for codes 263 to 268; nothing for any other code, which shows no message.
std::optional<std::string_view> EditorErrorText(std::uint16_t code);

}  // namespace wendax
