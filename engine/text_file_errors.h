// The failures of loading a text file that come from the text itself rather than from the
// file system (which raises EInOutError).
#pragma once

#include <string>

#include "base/exceptions.h"
#include "base/editor_errors.h"

namespace wendax {

// The file holds a NUL byte, which no paragraph can hold; it is refused whole.
class EFileHasNul : public EOvcException {
  public:
    explicit EFileHasNul(const std::string& name);
};

// A store limit reached while loading: an EEditorError with code 0 and the text of `code`
// (265, 267 and 268 have their own; any other code reads as lack of memory).
EEditorError LoadLimitError(TEditorErrorCode code);

}  // namespace wendax
