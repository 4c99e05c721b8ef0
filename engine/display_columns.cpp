#include "engine/display_columns.h"

#include <algorithm>

#include "engine/eight_bit_table.h"

namespace wendax {

namespace {
bool HasTab(std::string_view text) {
    return text.find('\t') != std::string_view::npos;
}

// Every character is one byte of one cell: no tab, and (in UTF-8) no byte above 127.
bool IsPlain(TCharSet set, std::string_view text) {
    if (HasTab(text)) return false;
    if (set == chEightBit) return true;
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

std::int32_t Advance(std::int32_t width, const TCharExtent& c, std::string_view line,
                     std::int32_t tabSize) {
    return line[static_cast<std::size_t>(c.Begin)] == '\t' ? AdvanceColumn(width, '\t', tabSize)
                                                           : width + c.Cells;
}
}  // namespace

std::int32_t DisplayWidth(TCharSet set, std::string_view line, std::int32_t count,
                          std::int32_t tabSize) {
    const std::string_view part = line.substr(0, static_cast<std::size_t>(count));
    if (IsPlain(set, part) &&
        (count >= static_cast<std::int32_t>(line.size()) || set == chEightBit ||
         static_cast<unsigned char>(line[part.size()]) < 0x80))
        return static_cast<std::int32_t>(part.size());
    std::int32_t width = 0;
    const auto length = static_cast<std::int32_t>(line.size());
    for (std::int32_t at = 0; at < length;) {
        const TCharExtent c = CharAt(set, line, at);
        if (c.End > count) break;
        width = Advance(width, c, line, tabSize);
        at = c.End;
    }
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

std::string PrintableUtf8(TCharSet set, std::string_view line, std::int32_t tabSize,
                          std::size_t maxCells) {
    constexpr char32_t kReplacementMark = 0xFFFD;
    std::string out;
    std::int32_t width = 0;
    const auto length = static_cast<std::int32_t>(line.size());
    for (std::int32_t at = 0; at < length;) {
        const TCharExtent c = CharAt(set, line, at);
        const auto next = static_cast<std::size_t>(Advance(width, c, line, tabSize));
        const std::string_view bytes = line.substr(static_cast<std::size_t>(c.Begin),
                                                   static_cast<std::size_t>(c.End - c.Begin));
        if (bytes[0] == '\t') {  // a tab's spaces may be cut at the limit
            out.append(std::min(next, maxCells) - static_cast<std::size_t>(width), ' ');
        } else if (next <= maxCells) {
            if (set == chEightBit)
                out += EightBitToUtf8(bytes);
            else if (!DecodeUtf8(line, at).Valid)
                AppendUtf8(out, kReplacementMark);
            else
                out += bytes;
        }
        if (next > maxCells) break;
        width = static_cast<std::int32_t>(next);
        at = c.End;
    }
    return out;
}

std::int32_t PosToColumn(TCharSet set, std::string_view line, std::int32_t p,
                         std::int32_t tabSize) {
    const auto length = static_cast<std::int32_t>(line.size());
    if (p <= 1 || length == 0) return p == 0 ? 1 : p;
    if (p > length) return DisplayWidth(set, line, length, tabSize) + (p - length);
    return DisplayWidth(set, line, p - 1, tabSize) + 1;
}

// The text ends at display column w = its whole width. Columns up to w belong to characters
// (a tab owning every column of its span, also as the last character); column w + d is the
// virtual position length + d.
std::int32_t ColumnToPos(TCharSet set, std::string_view line, std::int32_t c,
                         std::int32_t tabSize) {
    const auto length = static_cast<std::int32_t>(line.size());
    if (c <= 1 || length == 0) return c;
    if (IsPlain(set, line)) return c;  // beyond the end this is length + (c - length) as well
    std::int32_t width = 0;
    for (std::int32_t at = 0; at < length;) {
        const TCharExtent ch = CharAt(set, line, at);
        width = Advance(width, ch, line, tabSize);
        if (width >= c) return at + 1;
        at = ch.End;
    }
    return length + (c - width);
}

}  // namespace wendax
