// Case folding of UTF-8 text for case-insensitive search. Every letter of Basic Latin,
// Latin-1 Supplement, Latin Extended-A, Greek and Cyrillic goes to its simple upper case
// when that takes as many bytes, so that a position in the folded text is the same position
// in the text (the dotless i and the long s, whose capitals are one byte, stay as they
// are); every other byte, invalid ones included, stays.
#pragma once

#include <string>
#include <string_view>

namespace wendax {

// `out` becomes `text` folded; it has text's size.
void FoldUtf8Case(std::string_view text, std::string& out);

}  // namespace wendax
