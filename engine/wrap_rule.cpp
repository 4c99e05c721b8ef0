#include "engine/wrap_rule.h"

#include <algorithm>
#include <cstring>

#include "engine/display_columns.h"

namespace wendax {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::int32_t SkipBlanks(std::string_view text, std::int32_t from) {
    const auto length = static_cast<std::int32_t>(text.size());
    while (from < length && IsBlank(text[static_cast<std::size_t>(from)]))
        ++from;
    return from;
}

}  // namespace

// Without a tab among the first min(R, W) characters every character is one column wide,
// so the fit is min(R, W); only a tab there needs the expansion.
std::int32_t LineFit(std::string_view text, std::int32_t start, TWrapParams params) {
    const std::int32_t rest = static_cast<std::int32_t>(text.size()) - start;
    const std::int32_t plain = std::min(rest, params.Width);
    const char* from = text.data() + start;
    if (std::memchr(from, '\t', static_cast<std::size_t>(plain)) == nullptr) return plain;
    std::int32_t width = 0;
    for (std::int32_t i = 0; i < rest; ++i) {
        width = AdvanceColumn(width, from[i], params.TabSize);
        if (width >= params.Width) return i + 1;
    }
    return rest;
}

std::int32_t NextLineStart(std::string_view text, std::int32_t start, TWrapParams params) {
    const auto length = static_cast<std::int32_t>(text.size());
    if (params.Width <= 0 || start >= length) return 0;
    const std::int32_t fit = LineFit(text, start, params);
    if (start + fit >= length) return 0;
    std::int32_t next = start + fit;  // a hard break unless a blank or hyphen is met
    for (std::int32_t at = start + fit; at >= start; --at) {
        const char c = text[static_cast<std::size_t>(at)];
        if (IsBlank(c)) {
            next = SkipBlanks(text, at);
            break;
        }
        if (c == '-') {
            next = SkipBlanks(text, at + 1);
            break;
        }
    }
    return next >= length ? 0 : next;
}

}  // namespace wendax
