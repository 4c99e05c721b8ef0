#include "engine/display_columns.h"

namespace wendax {

namespace {
bool HasTab(std::string_view text) {
    return text.find('\t') != std::string_view::npos;
}
}  // namespace

std::int32_t DisplayWidth(std::string_view line, std::int32_t count, std::int32_t tabSize) {
    const std::string_view part = line.substr(0, static_cast<std::size_t>(count));
    if (!HasTab(part)) return static_cast<std::int32_t>(part.size());
    std::int32_t width = 0;
    for (const char c : part)
        width = AdvanceColumn(width, c, tabSize);
    return width;
}

void ExpandTabs(std::string_view line, std::int32_t tabSize, std::size_t maxLength,
                std::string& out) {
    out.clear();
    const auto size = static_cast<std::size_t>(tabSize);
    for (const char c : line) {
        if (out.size() >= maxLength) break;
        if (c == '\t') {
            out.append(size - out.size() % size, ' ');
        } else {
            out += c;
        }
    }
    if (out.size() > maxLength) out.resize(maxLength);
}

std::int32_t PosToColumn(std::string_view line, std::int32_t p, std::int32_t tabSize) {
    const auto length = static_cast<std::int32_t>(line.size());
    if (p <= 1 || length == 0) return p == 0 ? 1 : p;
    if (p > length) return DisplayWidth(line, length, tabSize) + (p - length);
    return DisplayWidth(line, p - 1, tabSize) + 1;
}

// The text ends at display column w = its whole width. Columns up to w belong to characters
// (a tab owning every column of its span, also as the last character); column w + d is the
// virtual position length + d.
std::int32_t ColumnToPos(std::string_view line, std::int32_t c, std::int32_t tabSize) {
    const auto length = static_cast<std::int32_t>(line.size());
    if (c <= 1 || length == 0) return c;
    if (!HasTab(line)) return c;  // beyond the end this is length + (c - length) as well
    std::int32_t width = 0;
    for (std::int32_t i = 0; i < length; ++i) {
        width = AdvanceColumn(width, line[static_cast<std::size_t>(i)], tabSize);
        if (width >= c) return i + 1;
    }
    return length + (c - width);
}

}  // namespace wendax
