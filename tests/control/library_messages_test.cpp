#include <gtest/gtest.h>

#include "control/exceptions.h"
#include "engine/editor_errors.h"

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

}  // namespace
}  // namespace wendax
