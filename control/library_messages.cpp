#include "control/library_messages.h"

#include "engine/editor_errors.h"

namespace wendax {

std::string LibraryMessage(int id) {
    switch (id) {
        case lmOutOfMemory: return "insufficient memory for requested operation";
        case lmRegionTooLarge: return "Region is too large (> 64K)";
        case lmTooManyParagraphs:
            return "Current operation will exceed the maximum number of allowed paragraphs";
        case lmCannotJoin:
            return "Cannot join paragraphs. New paragraph size exceeds maximum paragraph size";
        case lmTextTooLarge: return "Current operation will exceed the maximum editor text size";
        case lmParagraphTooLong: return "Current operation will exceed the maximum paragraph size";
        case lmUnknownError: return "Unknown Error condition";
        case lmNoTimersAvailable: return "No Window's timers are available";
        case lmNoControllerAssigned: return "No Controller assigned";
        case lmDuplicateCommand:
            return "Duplicate command found while adding a new command to the table";
        case lmTableNotFound: return "Command table not found or command table index out of range";
        case lmInvalidLineOrCol: return "Invalid line or column";
        case lmInvalidLineOrPara: return "Invalid line or paragraph index";
        case lmInvalidFixedFont: return "Invalid font assignment. Font must be a fixed font";
        case lmInvalidFontParam:
            return "Invalid font assignemnt. Font must be a TFont or TOvcFixedFont";
        case lmUserCommand: return "ccUser";
        case lmUserCommandNumber: return "ccUser%d";
        default: return {};
    }
}

std::string EditorErrorMessage(std::uint16_t code) {
    if (code >= eeOutOfMemory && code <= eeParagraphTooLong) return LibraryMessage(code);
    return LibraryMessage(lmUnknownError);
}

}  // namespace wendax
