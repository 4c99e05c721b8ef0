#include "app/editor/editor_error_texts.h"

#include "base/editor_errors.h"

namespace wendax {

std::optional<std::string_view> EditorErrorText(std::uint16_t code) {
    switch (code) {
        case eeOutOfMemory:
            return "There is not sufficient memory to perform the requested operation.";
        case eeRegionTooLarge:
            return "The selected text exceeds 64KB and cannot be copied to the clipboard.";
        case eeTooManyParagraphs:
            return "The limit on the number of paragraphs was exceeded.";
        case eeCannotJoin:
            return "The paragraphs cannot be joined because the resulting paragraph would "
                   "exceed the 32KB size limit.";
        case eeTextTooLarge:
            return "File too large for memory.";
        case eeParagraphTooLong:
            return "The limit on the length of an individual paragraph was exceeded.";
        default:
            return std::nullopt;
    }
}

}  // namespace wendax
