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

TEST(QtClipboard, CopyAndPasteInsideTheProgramKeepsEveryByte) {
    TQtPlatform platform;
    const std::string bytes = AllBytesWithLineBreaks();
    platform.SetClipboardText(bytes);
    EXPECT_TRUE(platform.ClipboardHasText());
    EXPECT_EQ(platform.ClipboardText(), bytes);
}

TEST(QtClipboard, OtherProgramsSeePlainTextWithLineFeeds) {
    TQtPlatform platform;
    platform.SetClipboardText("caf\xE9 \x80\r\nnext\tline");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("café €\nnext\tline"));
}

TEST(QtClipboard, TextFromOtherProgramsComesBackWithCrLfAndThroughTheTable) {
    TQtPlatform platform;
    QGuiApplication::clipboard()->setText(QString::fromUtf8("€uro\nnaïve\r\n中\x01"));
    EXPECT_TRUE(platform.ClipboardHasText());
    EXPECT_EQ(platform.ClipboardText(), "\x80uro\r\nna\xEFve\r\n?\x01");
}

TEST(QtClipboard, TextEndsAtItsFirstNul) {
    TQtPlatform platform;
    platform.SetClipboardText(std::string_view("abc\0def", 7));
    EXPECT_EQ(platform.ClipboardText(), "abc");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "abc");
}

TEST(QtClipboard, NoTextWhenTheClipboardHoldsOnlyAPicture) {
    TQtPlatform platform;
    QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_FALSE(platform.ClipboardHasText());
    EXPECT_EQ(platform.ClipboardText(), std::nullopt);
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(platform.ClipboardHasText());
}

TEST(QtClipboard, ExactBytesWinOverThePlainText) {
    auto* data = new QMimeData;
    data->setText("plain");
    data->setData(kClipboardBytesType, QByteArray("exact\r\n\x81"));
    QGuiApplication::clipboard()->setMimeData(data);
    EXPECT_EQ(TQtPlatform().ClipboardText(), "exact\r\n\x81");
}

}  // namespace
}  // namespace wendax
