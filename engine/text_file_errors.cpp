#include "engine/text_file_errors.h"

namespace wendax {

namespace {

std::string WithName(std::string format, const std::string& name) {
    const std::size_t at = format.find("%s");
    if (at != std::string::npos) format.replace(at, 2, name);
    return format;
}

}  // namespace

EFileHasNul::EFileHasNul(const std::string& name)
    : EOvcException(WithName(LibraryMessage(lmFileHasNul), name)) {}

EEditorError LoadLimitError(TEditorErrorCode code) {
    const bool ownText =
        code == eeTooManyParagraphs || code == eeTextTooLarge || code == eeParagraphTooLong;
    return EEditorError(LibraryMessage(ownText ? int{code} : int{lmOutOfMemory}), 0);
}

}  // namespace wendax
