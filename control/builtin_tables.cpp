#include "control/builtin_tables.h"

#include <algorithm>

namespace wendax {

namespace {

constexpr std::uint8_t kCtrlShift = ksCtrl | ksShift;

constexpr CommandRec kDefaultEntries[] = {
    {vkLeft, ksNone, 0, 0, ccLeft},
    {vkRight, ksNone, 0, 0, ccRight},
    {vkLeft, ksCtrl, 0, 0, ccWordLeft},
    {vkRight, ksCtrl, 0, 0, ccWordRight},
    {vkHome, ksNone, 0, 0, ccHome},
    {vkEnd, ksNone, 0, 0, ccEnd},
    {vkDelete, ksNone, 0, 0, ccDel},
    {vkBack, ksNone, 0, 0, ccBack},
    {vkBack, ksShift, 0, 0, ccBack},
    {vkPrior, ksCtrl, 0, 0, ccTopOfPage},
    {vkNext, ksCtrl, 0, 0, ccBotOfPage},
    {vkInsert, ksNone, 0, 0, ccIns},
    {vkLetter('Z'), ksCtrl, 0, 0, ccUndo},
    {vkBack, ksAlt, 0, 0, ccRestore},
    {vkUp, ksNone, 0, 0, ccUp},
    {vkDown, ksNone, 0, 0, ccDown},
    {vkReturn, ksCtrl, 0, 0, ccNewLine},
    {vkLeft, ksShift, 0, 0, ccExtendLeft},
    {vkRight, ksShift, 0, 0, ccExtendRight},
    {vkHome, ksShift, 0, 0, ccExtendHome},
    {vkEnd, ksShift, 0, 0, ccExtendEnd},
    {vkLeft, kCtrlShift, 0, 0, ccExtWordLeft},
    {vkRight, kCtrlShift, 0, 0, ccExtWordRight},
    {vkPrior, ksShift, 0, 0, ccExtendPgUp},
    {vkNext, ksShift, 0, 0, ccExtendPgDn},
    {vkUp, ksShift, 0, 0, ccExtendUp},
    {vkDown, ksShift, 0, 0, ccExtendDown},
    {vkHome, kCtrlShift, 0, 0, ccExtFirstPage},
    {vkEnd, kCtrlShift, 0, 0, ccExtLastPage},
    {vkPrior, kCtrlShift, 0, 0, ccExtTopOfPage},
    {vkNext, kCtrlShift, 0, 0, ccExtBotOfPage},
    {vkDelete, ksShift, 0, 0, ccCut},
    {vkLetter('X'), ksCtrl, 0, 0, ccCut},
    {vkInsert, ksCtrl, 0, 0, ccCopy},
    {vkLetter('C'), ksCtrl, 0, 0, ccCopy},
    {vkInsert, ksShift, 0, 0, ccPaste},
    {vkLetter('V'), ksCtrl, 0, 0, ccPaste},
    {vkPrior, ksNone, 0, 0, ccPrevPage},
    {vkNext, ksNone, 0, 0, ccNextPage},
    {vkHome, ksCtrl, 0, 0, ccFirstPage},
    {vkEnd, ksCtrl, 0, 0, ccLastPage},
    {vkTab, ksNone, 0, 0, ccTab},
    {vkTab, ksCtrl, 0, 0, ccTab},
    {vkLetter('Z'), kCtrlShift, 0, 0, ccRedo},
    {vkDigit(0), ksCtrl, 0, 0, ccGotoMarker(0)},
    {vkDigit(1), ksCtrl, 0, 0, ccGotoMarker(1)},
    {vkDigit(2), ksCtrl, 0, 0, ccGotoMarker(2)},
    {vkDigit(3), ksCtrl, 0, 0, ccGotoMarker(3)},
    {vkDigit(4), ksCtrl, 0, 0, ccGotoMarker(4)},
    {vkDigit(5), ksCtrl, 0, 0, ccGotoMarker(5)},
    {vkDigit(6), ksCtrl, 0, 0, ccGotoMarker(6)},
    {vkDigit(7), ksCtrl, 0, 0, ccGotoMarker(7)},
    {vkDigit(8), ksCtrl, 0, 0, ccGotoMarker(8)},
    {vkDigit(9), ksCtrl, 0, 0, ccGotoMarker(9)},
    {vkDigit(0), kCtrlShift, 0, 0, ccSetMarker(0)},
    {vkDigit(1), kCtrlShift, 0, 0, ccSetMarker(1)},
    {vkDigit(2), kCtrlShift, 0, 0, ccSetMarker(2)},
    {vkDigit(3), kCtrlShift, 0, 0, ccSetMarker(3)},
    {vkDigit(4), kCtrlShift, 0, 0, ccSetMarker(4)},
    {vkDigit(5), kCtrlShift, 0, 0, ccSetMarker(5)},
    {vkDigit(6), kCtrlShift, 0, 0, ccSetMarker(6)},
    {vkDigit(7), kCtrlShift, 0, 0, ccSetMarker(7)},
    {vkDigit(8), kCtrlShift, 0, 0, ccSetMarker(8)},
    {vkDigit(9), kCtrlShift, 0, 0, ccSetMarker(9)},
};

// Every first key is typed with Ctrl; second keys may be typed with or without it.
constexpr CommandRec kWordStarEntries[] = {
    {vkLetter('S'), ksCtrl, 0, 0, ccLeft},
    {vkLetter('D'), ksCtrl, 0, 0, ccRight},
    {vkLetter('E'), ksCtrl, 0, 0, ccUp},
    {vkLetter('X'), ksCtrl, 0, 0, ccDown},
    {vkLetter('R'), ksCtrl, 0, 0, ccPrevPage},
    {vkLetter('C'), ksCtrl, 0, 0, ccNextPage},
    {vkLetter('W'), ksCtrl, 0, 0, ccScrollUp},
    {vkLetter('Z'), ksCtrl, 0, 0, ccScrollDown},
    {vkLetter('A'), ksCtrl, 0, 0, ccWordLeft},
    {vkLetter('F'), ksCtrl, 0, 0, ccWordRight},
    {vkLetter('Q'), ksCtrl, vkLetter('S'), ksNoneOrCtrl, ccHome},
    {vkLetter('Q'), ksCtrl, vkLetter('D'), ksNoneOrCtrl, ccEnd},
    {vkLetter('G'), ksCtrl, 0, 0, ccDel},
    {vkLetter('H'), ksCtrl, 0, 0, ccBack},
    {vkLetter('Y'), ksCtrl, 0, 0, ccDelLine},
    {vkLetter('Q'), ksCtrl, vkLetter('Y'), ksNoneOrCtrl, ccDelEol},
    {vkLetter('V'), ksCtrl, 0, 0, ccIns},
    {vkLetter('T'), ksCtrl, 0, 0, ccDelWord},
    {vkLetter('P'), ksCtrl, 0, 0, ccCtrlChar},
    {vkLetter('Q'), ksCtrl, vkLetter('L'), ksNoneOrCtrl, ccRestore},
    {vkLetter('Q'), ksCtrl, vkDigit(0), ksNoneOrCtrl, ccGotoMarker(0)},
    {vkLetter('Q'), ksCtrl, vkDigit(1), ksNoneOrCtrl, ccGotoMarker(1)},
    {vkLetter('Q'), ksCtrl, vkDigit(2), ksNoneOrCtrl, ccGotoMarker(2)},
    {vkLetter('Q'), ksCtrl, vkDigit(3), ksNoneOrCtrl, ccGotoMarker(3)},
    {vkLetter('Q'), ksCtrl, vkDigit(4), ksNoneOrCtrl, ccGotoMarker(4)},
    {vkLetter('Q'), ksCtrl, vkDigit(5), ksNoneOrCtrl, ccGotoMarker(5)},
    {vkLetter('Q'), ksCtrl, vkDigit(6), ksNoneOrCtrl, ccGotoMarker(6)},
    {vkLetter('Q'), ksCtrl, vkDigit(7), ksNoneOrCtrl, ccGotoMarker(7)},
    {vkLetter('Q'), ksCtrl, vkDigit(8), ksNoneOrCtrl, ccGotoMarker(8)},
    {vkLetter('Q'), ksCtrl, vkDigit(9), ksNoneOrCtrl, ccGotoMarker(9)},
    {vkLetter('K'), ksCtrl, vkDigit(0), ksNoneOrCtrl, ccSetMarker(0)},
    {vkLetter('K'), ksCtrl, vkDigit(1), ksNoneOrCtrl, ccSetMarker(1)},
    {vkLetter('K'), ksCtrl, vkDigit(2), ksNoneOrCtrl, ccSetMarker(2)},
    {vkLetter('K'), ksCtrl, vkDigit(3), ksNoneOrCtrl, ccSetMarker(3)},
    {vkLetter('K'), ksCtrl, vkDigit(4), ksNoneOrCtrl, ccSetMarker(4)},
    {vkLetter('K'), ksCtrl, vkDigit(5), ksNoneOrCtrl, ccSetMarker(5)},
    {vkLetter('K'), ksCtrl, vkDigit(6), ksNoneOrCtrl, ccSetMarker(6)},
    {vkLetter('K'), ksCtrl, vkDigit(7), ksNoneOrCtrl, ccSetMarker(7)},
    {vkLetter('K'), ksCtrl, vkDigit(8), ksNoneOrCtrl, ccSetMarker(8)},
    {vkLetter('K'), ksCtrl, vkDigit(9), ksNoneOrCtrl, ccSetMarker(9)},
};

constexpr CommandRec kGridEntries[] = {
    {vkLeft, ksNone, 0, 0, ccLeft},
    {vkRight, ksNone, 0, 0, ccRight},
    {vkLeft, ksCtrl, 0, 0, ccPageLeft},
    {vkRight, ksCtrl, 0, 0, ccPageRight},
    {vkHome, ksNone, 0, 0, ccHome},
    {vkEnd, ksNone, 0, 0, ccEnd},
    {vkDelete, ksNone, 0, 0, ccDel},
    {vkBack, ksNone, 0, 0, ccBack},
    {vkNext, ksCtrl, 0, 0, ccBotOfPage},
    {vkPrior, ksCtrl, 0, 0, ccTopOfPage},
    {vkInsert, ksNone, 0, 0, ccIns},
    {vkLetter('Z'), ksCtrl, 0, 0, ccRestore},
    {vkUp, ksNone, 0, 0, ccUp},
    {vkDown, ksNone, 0, 0, ccDown},
    {vkLeft, ksShift, 0, 0, ccExtendLeft},
    {vkRight, ksShift, 0, 0, ccExtendRight},
    {vkHome, ksShift, 0, 0, ccExtendHome},
    {vkEnd, ksShift, 0, 0, ccExtendEnd},
    {vkLeft, kCtrlShift, 0, 0, ccExtWordLeft},
    {vkRight, kCtrlShift, 0, 0, ccExtWordRight},
    {vkPrior, ksShift, 0, 0, ccExtendPgUp},
    {vkNext, ksShift, 0, 0, ccExtendPgDn},
    {vkUp, ksShift, 0, 0, ccExtendUp},
    {vkDown, ksShift, 0, 0, ccExtendDown},
    {vkHome, kCtrlShift, 0, 0, ccExtFirstPage},
    {vkEnd, kCtrlShift, 0, 0, ccExtLastPage},
    {vkPrior, kCtrlShift, 0, 0, ccExtTopOfPage},
    {vkNext, kCtrlShift, 0, 0, ccExtBotOfPage},
    {vkLetter('X'), ksCtrl, 0, 0, ccCut},
    {vkLetter('C'), ksCtrl, 0, 0, ccCopy},
    {vkLetter('V'), ksCtrl, 0, 0, ccPaste},
    {vkPrior, ksNone, 0, 0, ccPrevPage},
    {vkHome, ksCtrl, 0, 0, ccFirstPage},
    {vkNext, ksNone, 0, 0, ccNextPage},
    {vkEnd, ksCtrl, 0, 0, ccLastPage},
    {vkUp, ksCtrl, 0, 0, ccTopLeftCell},
    {vkDown, ksCtrl, 0, 0, ccBotRightCell},
    {vkF(2), ksNone, 0, 0, ccTableEdit},
};

static_assert(std::size(kDefaultEntries) == 64);
static_assert(std::size(kWordStarEntries) == 40);
static_assert(std::size(kGridEntries) == 38);

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

}  // namespace

bool SameTableName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::span<const CommandRec> BuiltinEntries(std::string_view tableName) {
    if (SameTableName(tableName, kDefaultTableName)) return kDefaultEntries;
    if (SameTableName(tableName, kWordStarTableName)) return kWordStarEntries;
    if (SameTableName(tableName, kGridTableName)) return kGridEntries;
    return {};
}

bool IsBuiltinTableName(std::string_view tableName) {
    return SameTableName(tableName, kDefaultTableName) ||
           SameTableName(tableName, kWordStarTableName) || SameTableName(tableName, kGridTableName);
}

}  // namespace wendax
