#include "engine/wrap_rule.h"

#include "engine/display_columns.h"

namespace wendax {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A blank or hyphen at `at` counts only as a character of its own (no combining mark on it).
bool IsSingle(const TWrapParams& params, std::string_view text, std::int32_t at) {
    return params.CharSet == chEightBit || CharEnd(params.CharSet, text, at) == at + 1;
}

std::int32_t SkipBlanks(std::string_view text, std::int32_t from, const TWrapParams& params) {
    const auto length = static_cast<std::int32_t>(text.size());
    while (from < length && IsBlank(text[static_cast<std::size_t>(from)]) &&
           IsSingle(params, text, from))
        ++from;
    return from;
}

}  // namespace

// PassChars keeps the width below W, so only tabs and the character that reaches W take the
// step below.
std::int32_t LineFit(std::string_view text, std::int32_t start, TWrapParams params) {
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t width = 0;
    for (std::int32_t at = start; at < length;) {
        at = PassChars(params.CharSet, text, at, params.Width, width);
        if (at == length) break;
        const TCharExtent c = CharAt(params.CharSet, text, at);
        const bool tab = text[static_cast<std::size_t>(at)] == '\t';
        const std::int32_t next =
            tab ? AdvanceColumn(width, '\t', params.TabSize) : width + c.Cells;
        if (!tab && next > params.Width && at > start) return at - start;
        if (next >= params.Width) return c.End - start;
        width = next;
        at = c.End;
    }
    return length - start;
}

std::int32_t NextLineStart(std::string_view text, std::int32_t start, TWrapParams params) {
    const auto length = static_cast<std::int32_t>(text.size());
    if (params.Width <= 0 || start >= length) return 0;
    const std::int32_t fit = LineFit(text, start, params);
    if (start + fit >= length) return 0;
    std::int32_t next = start + fit;  // a hard break unless a blank or hyphen is met
    for (std::int32_t at = start + fit; at >= start; --at) {
        const char c = text[static_cast<std::size_t>(at)];
        if (c != ' ' && c != '\t' && c != '-') continue;
        if (!IsSingle(params, text, at)) continue;
        next = SkipBlanks(text, c == '-' ? at + 1 : at, params);
        break;
    }
    return next >= length ? 0 : next;
}

}  // namespace wendax
