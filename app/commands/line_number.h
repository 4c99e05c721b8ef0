// Reading the line number typed into the Go to line box.
#pragma once

#include <optional>
#include <string_view>

namespace wendax {

// A decimal integer with an optional sign, blanks around it allowed; nothing when the
// text is no such number or does not fit 32 bits.
std::optional<int> ParseLineNumber(std::string_view text);

}  // namespace wendax
