// The 16-bit error codes of the text store and the editor; 0 means success.
#pragma once

#include <cstdint>

namespace wendax {

using TEditorErrorCode = std::uint16_t;

enum : TEditorErrorCode {
    eeOk = 0,
    eeOutOfMemory = 263,
    eeRegionTooLarge = 264,
    eeTooManyParagraphs = 265,
    eeCannotJoin = 266,
    eeTextTooLarge = 267,
    eeParagraphTooLong = 268,
};

}  // namespace wendax
