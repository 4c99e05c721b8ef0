#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/qt/char_table.h"

namespace wendax {
namespace {

TEST(QtCharTable, EveryByteHasItsOwnCharacter) {
    std::set<char16_t> seen;
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_TRUE(seen.insert(ByteToChar(static_cast<std::uint8_t>(byte))).second) << byte;
}

TEST(QtCharTable, ControlBytesShowAsPicturesAndHighBytesAsWesternGlyphs) {
    EXPECT_EQ(ByteToChar('\n'), u'\u240A');
    EXPECT_EQ(ByteToChar('\f'), u'\u240C');
    EXPECT_EQ(ByteToChar(0x7F), u'\u2421');
    EXPECT_EQ(ByteToChar(0x80), u'\u20AC');
    EXPECT_EQ(ByteToChar(0x93), u'\u201C');
    EXPECT_EQ(ByteToChar(0x9F), u'\u0178');
    EXPECT_EQ(ByteToChar('A'), u'A');
    EXPECT_EQ(ByteToChar(0xE9), u'\u00E9');
    for (const int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(ByteToChar(static_cast<std::uint8_t>(undefined)), undefined);
        EXPECT_TRUE(IsPictureByte(static_cast<std::uint8_t>(undefined)));
    }
    EXPECT_TRUE(IsPictureByte('\n'));
    EXPECT_FALSE(IsPictureByte(0x80));
    EXPECT_FALSE(IsPictureByte(' '));
}

TEST(QtCharTable, PlainTextUsesLineFeedsAndRawControls) {
    EXPECT_EQ(ToPlainText("ab\r\ncd\x0C\x80\x81"),
              QString::fromUtf8("ab\ncd\x0C\xE2\x82\xAC\xC2\x81"));
}

}  // namespace
}  // namespace wendax
