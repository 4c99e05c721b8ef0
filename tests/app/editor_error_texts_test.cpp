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

TEST(EditorErrorTexts, ACharSetRefusalNamesItsReason) {
    TCharSetConversion missing{.At = {3, 5}, .Line = 12, .Missing = U'\u0142'};
    EXPECT_EQ(CharSetRefusalText(missing),
              "The 8-bit character set has no \"\xC5\x82\" (U+0142), first in line 12; the text "
              "was not converted");
    missing.Missing = U'\U0001F600';
    EXPECT_EQ(CharSetRefusalText(missing),
              "The 8-bit character set has no \"\xF0\x9F\x98\x80\" (U+1F600), first in line 12; "
              "the text was not converted");
    const TCharSetConversion notUtf8{
        .At = {1, 1}, .Line = 1, .Missing = U'\uFFFD', .NotUtf8 = true};
    EXPECT_EQ(CharSetRefusalText(notUtf8),
              "The text holds a byte that is not UTF-8, first in line 1; the text was not "
              "converted");
    EXPECT_EQ(CharSetRefusalText({.Error = eeTextTooLarge}), "File too large for memory.");
    EXPECT_FALSE(CharSetRefusalText({.Converted = true}).has_value());
    EXPECT_FALSE(CharSetRefusalText({}).has_value());  // read-only, or nothing to convert
}

}  // namespace
}  // namespace wendax
