// The coordinates of the text engine. Every number is 1-based and 32-bit signed.
//
//   paragraph  1 .. ParaCount; one line of the file.
//   position   character index within a paragraph; Length + 1 is just after the text and
//              anything beyond it is a virtual position in the blank area after the text.
//   line       display line over the whole text, every wrapped line counted; with word wrap
//              off every paragraph is exactly one display line, so line = paragraph.
//   column     character index within one display line, a tab counting as one.
//   display column
//              column after tab expansion: a tab advances to the next multiple of the tab
//              size, counted from the first character of its display line.
#pragma once

#include <compare>
#include <cstdint>

namespace wendax {

// Most characters a paragraph can hold; line-start offsets and lengths are 16-bit.
inline constexpr std::int32_t kMaxParaLength = 32767;

// Largest 32-bit value: "no limit" for the limits and "to the end of the text" for
// repaint ranges.
inline constexpr std::int32_t kMaxInt32 = 2147483647;

// A place in the text: paragraph and position. Paragraph 0 means "none" (an unset marker).
struct TParaPos {
    std::int32_t Para = 0;
    std::int32_t Pos = 0;

    friend constexpr auto operator<=>(const TParaPos&, const TParaPos&) = default;
};

// A place on the screen grid: display line and column.
struct TLineCol {
    std::int32_t Line = 0;
    std::int32_t Col = 0;

    friend constexpr auto operator<=>(const TLineCol&, const TLineCol&) = default;
};

// Where a display line begins: its paragraph and the offset of its first character within
// that paragraph (0 for the first line). Column c of the line is position Offset + c.
struct TLineStart {
    std::int32_t Para = 0;
    std::int32_t Offset = 0;

    friend constexpr auto operator<=>(const TLineStart&, const TLineStart&) = default;
};

}  // namespace wendax
