#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "platform/qt/clipboard_text.h"
#include "platform/qt/qt_platform.h"

namespace wendax {
namespace {

std::string AllBytesWithLineBreaks() {
    std::string bytes;
    for (int byte = 1; byte < 256; ++byte)
        bytes.push_back(static_cast<char>(byte));
    return bytes + "\r\nsecond line\r\n\r\nlast";
}

TEST(QtClipboard, CopyAndPasteInsideTheProgramKeepsEveryByteAndItsCharacterSet) {
    TQtPlatform platform;
    const std::string bytes = AllBytesWithLineBreaks();
    for (const bool utf8 : {true, false}) {
        platform.SetClipboardText({"plain", bytes, utf8});
        EXPECT_TRUE(platform.ClipboardHasText());
        const std::optional<TClipboardText> text = platform.ClipboardText();
        ASSERT_TRUE(text && text->Exact);
        EXPECT_EQ(*text->Exact, bytes);
        EXPECT_EQ(text->ExactIsUtf8, utf8);
    }
}

TEST(QtClipboard, OtherProgramsSeeUtf8PlainTextWithLineFeeds) {
    TQtPlatform platform;
    platform.SetClipboardText({"Café 日本 😀\r\nnext\tline", "x", true});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Café 日本 😀\nnext\tline"));
}

TEST(QtClipboard, TextFromOtherProgramsComesAsUtf8WithCrLf) {
    TQtPlatform platform;
    QGuiApplication::clipboard()->setText(QString::fromUtf8("€uro\nnaïve\r\n中😀\rx\x01"));
    EXPECT_TRUE(platform.ClipboardHasText());
    const std::optional<TClipboardText> text = platform.ClipboardText();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Plain, "€uro\r\nnaïve\r\n中😀\r\nx\x01");
    EXPECT_FALSE(text->Exact);
}

TEST(QtClipboard, TextEndsAtItsFirstNul) {
    TQtPlatform platform;
    platform.SetClipboardText({std::string("abc\0def", 7), std::string("abc\0def", 7), true});
    EXPECT_EQ(platform.ClipboardText()->Exact, "abc");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "abc");
}

TEST(QtClipboard, NoTextWhenTheClipboardHoldsOnlyAPicture) {
    TQtPlatform platform;
    QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_FALSE(platform.ClipboardHasText());
    EXPECT_FALSE(platform.ClipboardText());
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(platform.ClipboardHasText());
}

// Bytes without a character-set tag come from an earlier version: 8-bit.
TEST(QtClipboard, UntaggedExactBytesAreEightBit) {
    auto* data = new QMimeData;
    data->setText("plain");
    data->setData(kClipboardBytesType, QByteArray("exact\r\n\x81"));
    QGuiApplication::clipboard()->setMimeData(data);
    const std::optional<TClipboardText> text = TQtPlatform().ClipboardText();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Exact, "exact\r\n\x81");
    EXPECT_FALSE(text->ExactIsUtf8);
    EXPECT_EQ(text->Plain, "plain");
}

}  // namespace
}  // namespace wendax
