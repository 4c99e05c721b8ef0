// The built-in tables, checked entry by entry against an independent transcription in key
// notation, and the processor's starting set of tables.
#include <gtest/gtest.h>

#include <string>

#include "control/builtin_tables.h"
#include "control/command_processor.h"
#include "key_notation.h"

namespace wendax {
namespace {

using testkit::ParseEntries;

std::string Markers(const std::string& keys, const std::string& command) {
    std::string text;
    for (int n = 0; n <= 9; ++n) {
        text += "; " + keys + std::to_string(n) + " " + command + std::to_string(n);
    }
    return text;
}

const std::string kDefault =
    "Left ccLeft; Right ccRight; Ctrl+Left ccWordLeft; Ctrl+Right ccWordRight; Home ccHome; "
    "End ccEnd; Del ccDel; Backspace ccBack; Shift+Backspace ccBack; Ctrl+PgUp ccTopOfPage; "
    "Ctrl+PgDn ccBotOfPage; Ins ccIns; Ctrl+Z ccUndo; Alt+Backspace ccRestore; Up ccUp; "
    "Down ccDown; Ctrl+Enter ccNewLine; Shift+Left ccExtendLeft; Shift+Right ccExtendRight; "
    "Shift+Home ccExtendHome; Shift+End ccExtendEnd; Ctrl+Shift+Left ccExtWordLeft; "
    "Ctrl+Shift+Right ccExtWordRight; Shift+PgUp ccExtendPgUp; Shift+PgDn ccExtendPgDn; "
    "Shift+Up ccExtendUp; Shift+Down ccExtendDown; Ctrl+Shift+Home ccExtFirstPage; "
    "Ctrl+Shift+End ccExtLastPage; Ctrl+Shift+PgUp ccExtTopOfPage; "
    "Ctrl+Shift+PgDn ccExtBotOfPage; Shift+Del ccCut; Ctrl+X ccCut; Ctrl+Ins ccCopy; "
    "Ctrl+C ccCopy; Shift+Ins ccPaste; Ctrl+V ccPaste; PgUp ccPrevPage; PgDn ccNextPage; "
    "Ctrl+Home ccFirstPage; Ctrl+End ccLastPage; Tab ccTab; Ctrl+Tab ccTab; "
    "Ctrl+Shift+Z ccRedo" +
    Markers("Ctrl+", "ccGotoMarker") + Markers("Ctrl+Shift+", "ccSetMarker");

const std::string kWordStar =
    "Ctrl+S ccLeft; Ctrl+D ccRight; Ctrl+E ccUp; Ctrl+X ccDown; Ctrl+R ccPrevPage; "
    "Ctrl+C ccNextPage; Ctrl+W ccScrollUp; Ctrl+Z ccScrollDown; Ctrl+A ccWordLeft; "
    "Ctrl+F ccWordRight; Ctrl+Q,S ccHome; Ctrl+Q,D ccEnd; Ctrl+G ccDel; Ctrl+H ccBack; "
    "Ctrl+Y ccDelLine; Ctrl+Q,Y ccDelEol; Ctrl+V ccIns; Ctrl+T ccDelWord; Ctrl+P ccCtrlChar; "
    "Ctrl+Q,L ccRestore" +
    Markers("Ctrl+Q,", "ccGotoMarker") + Markers("Ctrl+K,", "ccSetMarker");

const std::string kGrid =
    "Left ccLeft; Right ccRight; Ctrl+Left ccPageLeft; Ctrl+Right ccPageRight; Home ccHome; "
    "End ccEnd; Del ccDel; Backspace ccBack; Ctrl+PgDn ccBotOfPage; Ctrl+PgUp ccTopOfPage; "
    "Ins ccIns; Ctrl+Z ccRestore; Up ccUp; Down ccDown; Shift+Left ccExtendLeft; "
    "Shift+Right ccExtendRight; Shift+Home ccExtendHome; Shift+End ccExtendEnd; "
    "Ctrl+Shift+Left ccExtWordLeft; Ctrl+Shift+Right ccExtWordRight; Shift+PgUp ccExtendPgUp; "
    "Shift+PgDn ccExtendPgDn; Shift+Up ccExtendUp; Shift+Down ccExtendDown; "
    "Ctrl+Shift+Home ccExtFirstPage; Ctrl+Shift+End ccExtLastPage; "
    "Ctrl+Shift+PgUp ccExtTopOfPage; Ctrl+Shift+PgDn ccExtBotOfPage; Ctrl+X ccCut; "
    "Ctrl+C ccCopy; Ctrl+V ccPaste; PgUp ccPrevPage; Ctrl+Home ccFirstPage; PgDn ccNextPage; "
    "Ctrl+End ccLastPage; Ctrl+Up ccTopLeftCell; Ctrl+Down ccBotRightCell; F2 ccTableEdit";

void ExpectEntries(std::span<const CommandRec> actual, const std::string& expected) {
    const std::vector<CommandRec> want = ParseEntries(expected);
    ASSERT_EQ(actual.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(actual[i], want[i]) << "entry " << i + 1;
    }
}

TEST(BuiltinTables, DefaultHasItsSixtyFourEntriesInOrder) {
    ExpectEntries(BuiltinEntries("Default"), kDefault);
    EXPECT_EQ(BuiltinEntries("Default").size(), 64u);
}

TEST(BuiltinTables, WordStarHasItsFortyEntriesInOrder) {
    ExpectEntries(BuiltinEntries("WordStar"), kWordStar);
    EXPECT_EQ(BuiltinEntries("WordStar").size(), 40u);
}

TEST(BuiltinTables, GridHasItsThirtyEightEntriesInOrder) {
    ExpectEntries(BuiltinEntries("Grid"), kGrid);
    EXPECT_EQ(BuiltinEntries("Grid").size(), 38u);
}

TEST(BuiltinTables, NamesAreFoundIgnoringCaseAndOthersHaveNoEntries) {
    EXPECT_EQ(BuiltinEntries("wordstar").data(), BuiltinEntries("WordStar").data());
    EXPECT_EQ(BuiltinEntries("GRID").size(), 38u);
    EXPECT_TRUE(BuiltinEntries("Default1").empty());
    EXPECT_TRUE(IsBuiltinTableName("dEfAuLt"));
    EXPECT_FALSE(IsBuiltinTableName("Defaul"));
    EXPECT_FALSE(IsBuiltinTableName(""));
}

TEST(BuiltinTables, ANewProcessorHoldsDefaultActiveThenWordStarAndGridInactive) {
    const TOvcCommandProcessor processor;
    ASSERT_EQ(processor.Count(), 3);
    const char* names[] = {"Default", "WordStar", "Grid"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(processor.Table(i).Name(), names[i]);
        EXPECT_EQ(processor.Table(i).Active(), i == 0);
        ExpectEntries(processor.Table(i).Entries(), i == 0 ? kDefault : i == 1 ? kWordStar : kGrid);
    }
}

}  // namespace
}  // namespace wendax
