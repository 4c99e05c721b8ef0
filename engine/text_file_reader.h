// Reading a text file into a fresh store: every line becomes a paragraph that remembers how
// its line ended, placed before the store's empty last paragraph, so a file of N lines
// ending with a line end gives N + 1 paragraphs, the last one empty (and not written back).
// A file whose last line has no line end gives N paragraphs, the last one with leNone.
//
// A line ends at a line feed (leLf), a carriage return followed by a line feed (leCrLf) or
// a carriage return followed by anything else (leCr). Every other byte, byte 26 among them,
// is a character of its line; a NUL byte refuses the file. Lines go through the
// paragraph-append rules (para_appender.h): a line longer than a paragraph continues in
// further paragraphs.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/para_list.h"
#include "platform/file_system.h"

namespace wendax {

// A new empty store with the settings and limits the loaded text is to have.
using TStoreMaker = std::function<std::unique_ptr<TParaList>()>;

struct TLoadedText {
    std::unique_ptr<TParaList> Store;
    TFileIdentity Identity;      // of the file read, as it was opened
    std::uint64_t Checksum = 0;  // TByteChecksum of the bytes read
    bool ValidUtf8 = true;       // every paragraph read is valid UTF-8 (pure ASCII too)
};

// Reads the file `name` into a store made by `makeStore`, without trailing blanks at the
// end of each line when `trim`. Raises EInOutError (the file cannot be opened or read),
// ENotRegularFile and EFileTooLarge (refused before reading), EFileHasNul, LoadLimitError's
// EEditorError or EOutOfMemory; nothing is kept then.
TLoadedText ReadTextFile(TFileSystem& files, const std::string& name, const TStoreMaker& makeStore,
                         bool trim);

}  // namespace wendax
