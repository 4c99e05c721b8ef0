// Tab expansion within one display line: widths, and conversion between positions and
// display columns. Positions count bytes; display columns count cells. A character takes
// its one or two cells (see char_set.h); a tab advances to the next multiple of the tab
// size, counted from the first character of the line. Tab sizes are at least 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/char_set.h"

namespace wendax {

// Display column reached after a character at display column `width` (0-based).
inline std::int32_t AdvanceColumn(std::int32_t width, char c, std::int32_t tabSize) {
    return c == '\t' ? (width / tabSize + 1) * tabSize : width + 1;
}

// Cells taken by the characters that end within the first `count` bytes of a line.
std::int32_t DisplayWidth(TCharSet set, std::string_view line, std::int32_t count,
                          std::int32_t tabSize);

// `line` with every tab expanded to spaces, into `out` (replacing its content), cut to
// `maxLength` characters.
void ExpandTabs(std::string_view line, std::int32_t tabSize, std::size_t maxLength,
                std::string& out);

// `line` as UTF-8 for output (printing): tabs expanded to spaces, counted in cells as on
// the screen; an 8-bit text decoded through its table; a byte that is not valid UTF-8 as
// the replacement mark U+FFFD. Cut to the characters that fit into `maxCells` cells, never
// inside a character.
std::string PrintableUtf8(TCharSet set, std::string_view line, std::int32_t tabSize,
                          std::size_t maxCells);

// Display column of position p of a line: the first cell of the character holding byte p.
// p <= 1 (or an empty line) gives p, except 0 gives 1; a position after the text adds one
// column per virtual position.
std::int32_t PosToColumn(TCharSet set, std::string_view line, std::int32_t p, std::int32_t tabSize);

// Position shown at display column c: the first byte of the character whose cells (a tab's
// expanded span) cover c; beyond the end of the text, the virtual position that PosToColumn
// maps back to c. c <= 1 (or an empty line) gives c.
std::int32_t ColumnToPos(TCharSet set, std::string_view line, std::int32_t c, std::int32_t tabSize);

}  // namespace wendax
