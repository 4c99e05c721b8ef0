// Reading a text file into a fresh store: every line becomes a paragraph placed before the
// store's empty last paragraph, so a file of N lines gives N + 1 paragraphs.
//
// Line ends: a file that holds LF bytes and no CR at all is read with LF ending its lines
// (leLf); any other file by the CR rules (leCrLf, see line_end.h). The first byte 26 ends
// the file and the bytes after it are not looked at; the end of the file ends the last line
// even without a line end. Lines go through the paragraph-append rules (para_appender.h).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/line_end.h"
#include "engine/para_list.h"
#include "platform/file_system.h"

namespace wendax {

// A new empty store with the settings and limits the loaded text is to have.
using TStoreMaker = std::function<std::unique_ptr<TParaList>()>;

struct TLoadedText {
    std::unique_ptr<TParaList> Store;
    TLineEnd LineEnd = leCrLf;
};

// Reads the file `name` into a store made by `makeStore`, without trailing blanks on each
// paragraph when `trim`. Raises EInOutError (the file cannot be opened or read),
// EFileHasNul, LoadLimitError's EEditorError or EOutOfMemory; nothing is kept then.
TLoadedText ReadTextFile(TFileSystem& files, const std::string& name, const TStoreMaker& makeStore,
                         bool trim);

}  // namespace wendax
