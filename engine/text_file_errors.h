// The failures of loading a text file that come from the file or the text itself rather
// than from the file system (which raises EInOutError).
#pragma once

#include <cstdint>
#include <string>

#include "base/editor_errors.h"
#include "base/exceptions.h"

namespace wendax {

// A file the editor does not load as text. The message says why, in words that follow the
// file's name ("contains a NUL byte at offset 12; it is not a text file").
class EFileRefused : public EOvcException {
  public:
    EFileRefused(std::string name, const std::string& reason)
        : EOvcException(reason), FName(std::move(name)) {}
    const std::string& FileName() const { return FName; }

  private:
    std::string FName;
};

// The file holds a NUL byte, which no paragraph can hold; it is refused whole.
class EFileHasNul : public EFileRefused {
  public:
    EFileHasNul(std::string name, std::int64_t offset);
};

// The file is larger than the store may hold; refused from its size, before reading.
class EFileTooLarge : public EFileRefused {
  public:
    EFileTooLarge(std::string name, std::int64_t size, std::int64_t limit);
};

// A directory, FIFO, socket or device; refused before anything is read from it.
class ENotRegularFile : public EFileRefused {
  public:
    ENotRegularFile(std::string name, const char* kind);
};

// A store limit reached while loading: an EEditorError with code 0 and the text of `code`
// (265, 267 and 268 have their own; any other code reads as lack of memory).
EEditorError LoadLimitError(TEditorErrorCode code);

}  // namespace wendax
