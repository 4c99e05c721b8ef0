// The editor library's message table: every text the library itself shows or raises.
#pragma once

#include <cstdint>
#include <string>

namespace wendax {

enum TLibraryMessage : int {
    // Editor error codes double as message identifiers.
    lmOutOfMemory = 263,
    lmRegionTooLarge = 264,
    lmTooManyParagraphs = 265,
    lmCannotJoin = 266,
    lmTextTooLarge = 267,
    lmParagraphTooLong = 268,
    lmUnknownError = 269,

    lmNoTimersAvailable = 300,
    lmNoControllerAssigned,
    lmDuplicateCommand,
    lmTableNotFound,
    lmInvalidLineOrCol,
    lmInvalidLineOrPara,
    lmInvalidFixedFont,
    lmInvalidFontParam,
    lmUserCommand,        // "ccUser"
    lmUserCommandNumber,  // "ccUser%d"
    lmInvalidTableData,   // stored command tables that cannot be read

    // Command names: lmCommandNameBase + command code, for codes 0..75.
    lmCommandNameBase = 33768,
};

// The text of a message; an identifier without a text gives an empty string.
std::string LibraryMessage(int id);

// The display name of a command code ("ccHome"); codes without a name give an empty string.
std::string CommandName(int code);

// The text for an editor error code; codes without a text of their own give the
// "Unknown Error condition" text.
std::string EditorErrorMessage(std::uint16_t code);

}  // namespace wendax
