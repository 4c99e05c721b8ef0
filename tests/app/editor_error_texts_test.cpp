#include "app/editor/editor_error_texts.h"

#include <gtest/gtest.h>

namespace wendax {
namespace {

TEST(EditorErrorTexts, EachEditorErrorCodeHasItsMessageAndOtherCodesNone) {
    EXPECT_EQ(EditorErrorText(263),
              "There is not sufficient memory to perform the requested operation.");
    EXPECT_EQ(EditorErrorText(264),
              "The selected text exceeds 64KB and cannot be copied to the clipboard.");
    EXPECT_EQ(EditorErrorText(265), "The limit on the number of paragraphs was exceeded.");
    EXPECT_EQ(EditorErrorText(266),
              "The paragraphs cannot be joined because the resulting paragraph would exceed "
              "the 32KB size limit.");
    EXPECT_EQ(EditorErrorText(267), "File too large for memory.");
    EXPECT_EQ(EditorErrorText(268),
              "The limit on the length of an individual paragraph was exceeded.");
    for (const std::uint16_t code : {0, 1, 262, 269, 65535})
        EXPECT_FALSE(EditorErrorText(code).has_value()) << code;
}

}  // namespace
}  // namespace wendax
