#include <gtest/gtest.h>

#include <set>

#include "base/command_codes.h"
#include "base/editor_errors.h"
#include "base/exceptions.h"

namespace wendax {
namespace {

TEST(LibraryMessages, EditorErrorCodesHaveTheirTextsAndOthersTheUnknownText) {
    EXPECT_EQ(EditorErrorMessage(eeParagraphTooLong),
              "Current operation will exceed the maximum paragraph size");
    EXPECT_EQ(EditorErrorMessage(eeOutOfMemory), "insufficient memory for requested operation");
    EXPECT_EQ(EditorErrorMessage(262), "Unknown Error condition");
    EXPECT_EQ(EditorErrorMessage(1), "Unknown Error condition");
}

TEST(LibraryMessages, RangeErrorsAreEditorErrorsWithCodeZero) {
    try {
        throw EInvalidLineOrPara();
    } catch (const EEditorError& e) {
        EXPECT_EQ(e.ErrorCode(), 0);
        EXPECT_STREQ(e.what(), "Invalid line or paragraph index");
    }
    EXPECT_STREQ(EInvalidFontParam().what(),
                 "Invalid font assignemnt. Font must be a TFont or TOvcFixedFont");
}

TEST(LibraryMessages, CommandNamesFollowTheCommandCodes) {
    EXPECT_EQ(LibraryMessage(33768 + ccNone), "ccNone");
    EXPECT_EQ(LibraryMessage(33768 + 42), "ccHome");
    EXPECT_EQ(LibraryMessage(33768 + ccGotoMarker(0)), "ccGotoMarker0");
    EXPECT_EQ(LibraryMessage(33768 + ccSetMarker(9)), "ccSetMarker9");
    EXPECT_EQ(LibraryMessage(33768 + ccWordRight), "ccWordRight");
    EXPECT_EQ(LibraryMessage(33768 + 76), "");
    EXPECT_EQ(CommandName(ccTableEdit), "ccTableEdit");
    EXPECT_EQ(CommandName(ccInsertChar), "");
    EXPECT_EQ(CommandName(-1), "");
    EXPECT_EQ(LibraryMessage(lmUserCommand), "ccUser");
    EXPECT_EQ(LibraryMessage(-2147483647 - 1), "");
}

TEST(LibraryMessages, EveryNamedCommandHasADistinctName) {
    std::set<std::string> names;
    for (int code = 0; code <= ccLastNamedCommand; ++code) {
        const std::string name = CommandName(code);
        EXPECT_EQ(name.rfind("cc", 0), 0u) << code;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 76u);
}

TEST(LibraryMessages, CommandProcessorErrorsCarryTheirTexts) {
    EXPECT_STREQ(ETableNotFound().what(),
                 "Command table not found or command table index out of range");
    EXPECT_STREQ(ENoTimersAvailable().what(), "No Window's timers are available");
    EXPECT_STREQ(EInvalidTableData("line 2: bad").what(),
                 "Invalid command table data: line 2: bad");
}

}  // namespace
}  // namespace wendax
