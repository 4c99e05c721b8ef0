// The editor's search option set: one byte of flags, as Find, Find next and Replace pass
// it to the editor.
#pragma once

#include <cstdint>

namespace wendax {

using TEditorSearchOptions = std::uint8_t;

inline constexpr TEditorSearchOptions srFind = 1;
inline constexpr TEditorSearchOptions srBackward = 2;
inline constexpr TEditorSearchOptions srMatchCase = 4;
inline constexpr TEditorSearchOptions srEntireScope = 8;
inline constexpr TEditorSearchOptions srReplace = 16;
inline constexpr TEditorSearchOptions srReplaceAll = 32;
inline constexpr TEditorSearchOptions srWholeWordsOnly = 64;
inline constexpr TEditorSearchOptions srSelectedText = 128;

}  // namespace wendax
