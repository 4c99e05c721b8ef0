// The process-wide services on Qt.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QStyle>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

#include "platform/qt/qt_platform.h"

namespace wendax {
namespace {

Qt::CursorShape OverrideShape() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::BlankCursor;
}

TEST(QtPlatform, BusyCursorShowsFromTheFirstPushToTheLastPop) {
    TQtPlatform platform;
    platform.PopBusyCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    platform.PushBusyCursor();
    platform.PushBusyCursor();
    EXPECT_EQ(OverrideShape(), Qt::WaitCursor);
    platform.PopBusyCursor();
    EXPECT_EQ(OverrideShape(), Qt::WaitCursor);
    platform.PopBusyCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        InstallPlatform(&platform);
        const TBusyCursor busy;
        EXPECT_EQ(OverrideShape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    InstallPlatform(nullptr);
}

TEST(QtPlatform, ClockCountsMilliseconds) {
    TQtPlatform platform;
    const std::uint32_t start = platform.TickCount();
    QTest::qWait(20);
    EXPECT_GE(static_cast<std::uint32_t>(platform.TickCount() - start), 20u);
}

TEST(QtPlatform, MetricsComeFromTheStyle) {
    TQtPlatform platform;
    EXPECT_EQ(platform.HorzScrollBarHeight(),
              QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    EXPECT_GT(platform.HorzScrollBarHeight(), 0);
}

TEST(QtPlatform, BlinkTimeIsHalfTheDesktopsFlashPeriodBothWays) {
    TQtPlatform platform;
    QGuiApplication::styleHints()->setCursorFlashTime(1060);
    EXPECT_EQ(platform.CaretBlinkTime(), 530u);
    platform.SetCaretBlinkTime(250);
    EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 500);
    EXPECT_EQ(platform.CaretBlinkTime(), 250u);
}

TEST(QtPlatform, FixedPitchFamiliesAreTheInstalledOnesInTheSystemsOrder) {
    const std::vector<std::string> families = TQtPlatform().FixedPitchFamilies();
    std::vector<std::string> expected;
    for (const QString& family : QFontDatabase::families())
        if (QFontDatabase::isFixedPitch(family)) expected.push_back(family.toStdString());
    EXPECT_EQ(families, expected);
    EXPECT_NE(std::find(families.begin(), families.end(), "DejaVu Sans Mono"), families.end());
    EXPECT_EQ(std::find(families.begin(), families.end(), "DejaVu Sans"), families.end());
}

TEST(QtPlatform, ErrorBoxIsModalAndCaptionedWithTheApplicationName) {
    QString caption;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        box->accept();
    });
    TQtPlatform().ShowErrorBox("Unable to open file caf\xE9\r\nnow");
    EXPECT_EQ(caption, QStringLiteral("Wendax 32"));
    EXPECT_EQ(text, QString::fromUtf8("Unable to open file café\nnow"));
}

TEST(QtPlatform, FilesAreTheLocalFileSystem) {
    TQtPlatform platform;
    EXPECT_EQ(&platform.Files(), &LocalFileSystem());
}

}  // namespace
}  // namespace wendax
