#include "engine/text_file_errors.h"

namespace wendax {

EFileHasNul::EFileHasNul(std::string name, std::int64_t offset)
    : EFileRefused(std::move(name), "contains a NUL byte at offset " + std::to_string(offset) +
                                        "; it is not a text file") {}

EFileTooLarge::EFileTooLarge(std::string name, std::int64_t size, std::int64_t limit)
    : EFileRefused(std::move(name), "is " + std::to_string(size) +
                                        " bytes long; the editor holds at most " +
                                        std::to_string(limit) + " bytes") {}

ENotRegularFile::ENotRegularFile(std::string name, const char* kind)
    : EFileRefused(std::move(name),
                   std::string("is ") + kind + ", not a file; only files can be opened") {}

EEditorError LoadLimitError(TEditorErrorCode code) {
    const bool ownText =
        code == eeTooManyParagraphs || code == eeTextTooLarge || code == eeParagraphTooLong;
    return EEditorError(LibraryMessage(ownText ? int{code} : int{lmOutOfMemory}), 0);
}

}  // namespace wendax
