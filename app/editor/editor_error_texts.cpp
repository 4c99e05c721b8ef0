#include "app/editor/editor_error_texts.h"

#include <cstdio>

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

std::optional<std::string> CharSetRefusalText(const TCharSetConversion& result) {
    if (result.Converted) return std::nullopt;
    if (result.Error != eeOk) {
        const std::optional<std::string_view> text = EditorErrorText(result.Error);
        return text ? std::optional<std::string>(*text) : std::nullopt;
    }
    if (result.At.Para == 0) return std::nullopt;
    const std::string where =
        ", first in line " + std::to_string(result.Line) + "; the text was not converted";
    if (result.NotUtf8) return "The text holds a byte that is not UTF-8" + where;
    std::string character;
    AppendUtf8(character, result.Missing);
    char code[16];
    std::snprintf(code, sizeof(code), "U+%04X", static_cast<unsigned>(result.Missing));
    return "The 8-bit character set has no \"" + character + "\" (" + code + ")" + where;
}

}  // namespace wendax
