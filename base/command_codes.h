// The 16-bit command codes that key translation produces and the editor carries out.
// Codes 0..75 are the library's named commands; their display names are the message-table
// texts lmCommandNameBase + code. Codes from ccUserFirst on are the application's own.
#pragma once

#include <cstdint>

namespace wendax {

using TCommandCode = std::uint16_t;

enum : TCommandCode {
    ccNone = 0,
    ccBack = 1,
    ccBotOfPage = 2,
    ccBotRightCell = 3,
    ccCompleteDate = 4,
    ccCompleteTime = 5,
    ccCopy = 6,
    ccCtrlChar = 7,  // the next key is taken literally
    ccCut = 8,
    ccDec = 9,
    ccDel = 10,
    ccDelBol = 11,
    ccDelEol = 12,
    ccDelLine = 13,
    ccDelWord = 14,
    ccDown = 15,
    ccEnd = 16,
    ccExtendDown = 17,
    ccExtendEnd = 18,
    ccExtendHome = 19,
    ccExtendLeft = 20,
    ccExtendPgDn = 21,
    ccExtendPgUp = 22,
    ccExtendRight = 23,
    ccExtendUp = 24,
    ccExtBotOfPage = 25,
    ccExtFirstPage = 26,
    ccExtLastPage = 27,
    ccExtTopOfPage = 28,
    ccExtWordLeft = 29,
    ccExtWordRight = 30,
    ccFirstPage = 31,
    ccGotoMarker0 = 32,  // ccGotoMarker0 + n for marker n, up to 41
    ccHome = 42,
    ccInc = 43,
    ccIns = 44,
    ccLastPage = 45,
    ccLeft = 46,
    ccNewLine = 47,
    ccNextPage = 48,
    ccPageLeft = 49,
    ccPageRight = 50,
    ccPaste = 51,
    ccPrevPage = 52,
    ccRedo = 53,
    ccRestore = 54,
    ccRight = 55,
    ccScrollDown = 56,
    ccScrollUp = 57,
    ccSetMarker0 = 58,  // ccSetMarker0 + n for marker n, up to 67
    ccTab = 68,
    ccTableEdit = 69,
    ccTopLeftCell = 70,
    ccTopOfPage = 71,
    ccUndo = 72,
    ccUp = 73,
    ccWordLeft = 74,
    ccWordRight = 75,
    ccLastNamedCommand = ccWordRight,

    // Never produced by translation: the control dispatches a typed character with it.
    ccInsertChar = 249,
    // Translation results that are no command.
    ccUnmapped = 252,         // the key is no command; its character may be typed
    ccBrokenSequence = 254,   // a first key was pending and this key completes no sequence
    ccPendingSequence = 255,  // the first key of a two-key sequence; wait for the second

    ccUserFirst = 256,  // user commands go to the editor's OnUserCommand
};

constexpr TCommandCode ccGotoMarker(int n) {
    return static_cast<TCommandCode>(ccGotoMarker0 + n);
}
constexpr TCommandCode ccSetMarker(int n) {
    return static_cast<TCommandCode>(ccSetMarker0 + n);
}

}  // namespace wendax
