#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "platform/qt/char_table.h"

namespace wendax {
namespace {

TEST(QtCharTable, EveryByteHasItsOwnCharacterAndComesBackFromIt) {
    std::set<char16_t> seen;
    for (int byte = 1; byte < 256; ++byte) {
        const char16_t ch = ByteToChar(static_cast<std::uint8_t>(byte));
        EXPECT_TRUE(seen.insert(ch).second) << "byte " << byte;
        EXPECT_EQ(CharToByte(ch), byte) << "byte " << byte;
    }
    EXPECT_FALSE(seen.count(ByteToChar(0)));
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

TEST(QtCharTable, TextFromOtherProgramsMapsRawControlsAndUnknownCharactersToQuestionMarks) {
    EXPECT_EQ(CharToByte(U'\t'), '\t');
    EXPECT_EQ(CharToByte(U'\x7F'), 0x7F);
    EXPECT_EQ(CharToByte(U'\u2400'), '?');
    EXPECT_EQ(CharToByte(U'\0'), '?');
    EXPECT_EQ(CharToByte(U'\u0080'), '?');
    EXPECT_EQ(CharToByte(U'\u4E2D'), '?');
    EXPECT_EQ(CharToByte(U'\U0001F600'), '?');
    EXPECT_EQ(TextToBytes(QString::fromUtf8("a\xF0\x9F\x98\x80"
                                            "b\xE2\x82\xAC")),
              "a?b\x80");
}

TEST(QtCharTable, PlainTextUsesLineFeedsAndRawControls) {
    EXPECT_EQ(ToPlainText("ab\r\ncd\x0C\x80\x81"),
              QString::fromUtf8("ab\ncd\x0C\xE2\x82\xAC\xC2\x81"));
    EXPECT_EQ(FromPlainText(u"a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(FromPlainText(QStringView(u"ab\0cd", 5)), "ab");
}

// Any bytes without NUL and without lone line-break bytes survive the plain text form.
TEST(QtCharTable, PlainTextRoundTripKeepsEveryOtherByte) {
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byteOf(1, 255);
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        for (int i = 0; i < 50; ++i) {
            const int byte = byteOf(random);
            if (byte == '\r' || byte == '\n')
                bytes += "\r\n";
            else
                bytes.push_back(static_cast<char>(byte));
        }
        ASSERT_EQ(FromPlainText(ToPlainText(bytes)), bytes) << "seed " << seed;
    }
}

}  // namespace
}  // namespace wendax
