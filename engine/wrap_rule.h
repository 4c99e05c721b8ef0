// The word-wrap rule: where the display lines of one paragraph start.
//
// Widths count cells and offsets count bytes (char_set.h). A line starting at s takes the
// fit F: the bytes of the characters up to and including the one at which the tab-expanded
// width first reaches the wrap width W (or the rest of the text when it never does); a
// two-cell character that would pass W is left to the next line, unless it is the line's
// first, so no character straddles the wrap column. When more text follows, the F + 1 characters at
// s+F down to s are scanned backwards for a break (only a blank or hyphen that is a whole character
// of its own):
//   - a space or tab: the next line starts at the first non-blank at or after it, so blanks
//     stay at the end of the line (and may reach past W);
//   - a hyphen: the next line starts at the first non-blank after it (a hyphen at s+F stays
//     on its line, which then holds F + 1 characters);
//   - neither: the next line starts at s+F (a word longer than W is cut, between two
//     characters).
// When only blanks are left after the break, there is no further line.
//
//      W = 6:  "aaaa bbbb"   ->  "aaaa " | "bbbb"
//      W = 4:  "abc-defgh"   ->  "abc-" | "defg" | "h"
//      W = 4:  "abcd-ef"     ->  "abcd-" | "ef"
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/char_set.h"

namespace wendax {

struct TWrapParams {
    std::int32_t Width = 0;    // wrap width in display columns; 0 means no wrapping
    std::int32_t TabSize = 8;  // at least 1
    TCharSet CharSet = chEightBit;
};

// Offset of the display line that follows the one starting at `start`, or 0 when that
// line is the last one of the text.
std::int32_t NextLineStart(std::string_view text, std::int32_t start, TWrapParams params);

// Number of bytes from `start` up to the end of the character at which the tab-expanded
// width first reaches the wrap width, or the rest of the text when it never does.
std::int32_t LineFit(std::string_view text, std::int32_t start, TWrapParams params);

}  // namespace wendax
