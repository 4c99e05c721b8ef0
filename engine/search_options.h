// The options of one search or replace: a byte of flags.
#pragma once

#include <cstdint>

namespace wendax {

using TEditorSearchOptions = std::uint8_t;

enum : TEditorSearchOptions {
    srFind = 1,             // set by the application when finding; no effect in the editor
    srBackward = 2,         // towards the start of the text
    srMatchCase = 4,        // compare case-sensitively
    srEntireScope = 8,      // start at the start (backward: end) of the text, not at the caret
    srReplace = 16,         // replace the highlighted occurrence, then find the next
    srReplaceAll = 32,      // replace every occurrence within the scope
    srWholeWordsOnly = 64,  // accept only occurrences delimited as whole words
    srSelectedText = 128,   // the scope is the highlighted text
};

}  // namespace wendax
