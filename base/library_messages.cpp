#include "base/library_messages.h"

#include <array>
#include <string_view>

#include "base/command_codes.h"
#include "base/editor_errors.h"

namespace wendax {

namespace {

// Command names in code order, 0 to ccLastNamedCommand.
constexpr std::array<std::string_view, ccLastNamedCommand + 1> kCommandNames = {
    "ccNone",         "ccBack",         "ccBotOfPage",   "ccBotRightCell", "ccCompleteDate",
    "ccCompleteTime", "ccCopy",         "ccCtrlChar",    "ccCut",          "ccDec",
    "ccDel",          "ccDelBol",       "ccDelEol",      "ccDelLine",      "ccDelWord",
    "ccDown",         "ccEnd",          "ccExtendDown",  "ccExtendEnd",    "ccExtendHome",
    "ccExtendLeft",   "ccExtendPgDn",   "ccExtendPgUp",  "ccExtendRight",  "ccExtendUp",
    "ccExtBotOfPage", "ccExtFirstPage", "ccExtLastPage", "ccExtTopOfPage", "ccExtWordLeft",
    "ccExtWordRight", "ccFirstPage",    "ccGotoMarker0", "ccGotoMarker1",  "ccGotoMarker2",
    "ccGotoMarker3",  "ccGotoMarker4",  "ccGotoMarker5", "ccGotoMarker6",  "ccGotoMarker7",
    "ccGotoMarker8",  "ccGotoMarker9",  "ccHome",        "ccInc",          "ccIns",
    "ccLastPage",     "ccLeft",         "ccNewLine",     "ccNextPage",     "ccPageLeft",
    "ccPageRight",    "ccPaste",        "ccPrevPage",    "ccRedo",         "ccRestore",
    "ccRight",        "ccScrollDown",   "ccScrollUp",    "ccSetMarker0",   "ccSetMarker1",
    "ccSetMarker2",   "ccSetMarker3",   "ccSetMarker4",  "ccSetMarker5",   "ccSetMarker6",
    "ccSetMarker7",   "ccSetMarker8",   "ccSetMarker9",  "ccTab",          "ccTableEdit",
    "ccTopLeftCell",  "ccTopOfPage",    "ccUndo",        "ccUp",           "ccWordLeft",
    "ccWordRight",
};

}  // namespace

std::string LibraryMessage(int id) {
    switch (id) {
        case lmOutOfMemory:
            return "insufficient memory for requested operation";
        case lmRegionTooLarge:
            return "Region is too large (> 64K)";
        case lmTooManyParagraphs:
            return "Current operation will exceed the maximum number of allowed paragraphs";
        case lmCannotJoin:
            return "Cannot join paragraphs. New paragraph size exceeds maximum paragraph size";
        case lmTextTooLarge:
            return "Current operation will exceed the maximum editor text size";
        case lmParagraphTooLong:
            return "Current operation will exceed the maximum paragraph size";
        case lmUnknownError:
            return "Unknown Error condition";
        case lmNoTimersAvailable:
            return "No Window's timers are available";
        case lmNoControllerAssigned:
            return "No Controller assigned";
        case lmDuplicateCommand:
            return "Duplicate command found while adding a new command to the table";
        case lmTableNotFound:
            return "Command table not found or command table index out of range";
        case lmInvalidLineOrCol:
            return "Invalid line or column";
        case lmInvalidLineOrPara:
            return "Invalid line or paragraph index";
        case lmInvalidFixedFont:
            return "Invalid font assignment. Font must be a fixed font";
        case lmInvalidFontParam:
            return "Invalid font assignemnt. Font must be a TFont or TOvcFixedFont";
        case lmUserCommand:
            return "ccUser";
        case lmUserCommandNumber:
            return "ccUser%d";
        case lmInvalidTableData:
            return "Invalid command table data";
        default:
            return id >= lmCommandNameBase ? CommandName(id - lmCommandNameBase) : "";
    }
}

std::string CommandName(int code) {
    if (code < 0 || code > ccLastNamedCommand) return {};
    return std::string(kCommandNames[static_cast<std::size_t>(code)]);
}

std::string EditorErrorMessage(std::uint16_t code) {
    if (code >= eeOutOfMemory && code <= eeParagraphTooLong) return LibraryMessage(code);
    return LibraryMessage(lmUnknownError);
}

}  // namespace wendax
