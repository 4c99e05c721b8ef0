#include "platform/qt/qt_platform.h"

#include <chrono>

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QMessageBox>
#include <QStyle>
#include <QStyleHints>

#include "platform/qt/char_table.h"
#include "platform/qt/clipboard_text.h"

namespace wendax {

void TQtPlatform::Beep() {
    QApplication::beep();
}

void TQtPlatform::PushBusyCursor() {
    if (FBusyDepth++ == 0) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void TQtPlatform::PopBusyCursor() {
    if (FBusyDepth == 0) return;
    if (--FBusyDepth == 0) QGuiApplication::restoreOverrideCursor();
}

bool TQtPlatform::ClipboardHasText() {
    return HoldsClipboardText(QGuiApplication::clipboard()->mimeData());
}

std::optional<TClipboardText> TQtPlatform::ClipboardText() {
    return ClipboardContent(QGuiApplication::clipboard()->mimeData());
}

void TQtPlatform::SetClipboardText(const TClipboardText& text) {
    QGuiApplication::clipboard()->setMimeData(MakeClipboardData(text));
}

bool TQtPlatform::SupportsPrimarySelection() {
    return QGuiApplication::clipboard()->supportsSelection();
}

std::optional<TClipboardText> TQtPlatform::PrimarySelectionText() {
    if (!SupportsPrimarySelection()) return std::nullopt;
    return ClipboardContent(QGuiApplication::clipboard()->mimeData(QClipboard::Selection));
}

void TQtPlatform::SetPrimarySelectionText(const TClipboardText& text) {
    if (!SupportsPrimarySelection()) return;
    QGuiApplication::clipboard()->setMimeData(MakeClipboardData(text), QClipboard::Selection);
}

std::uint32_t TQtPlatform::TickCount() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int TQtPlatform::HorzScrollBarHeight() {
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

std::uint32_t TQtPlatform::CaretBlinkTime() {
    return static_cast<std::uint32_t>(QGuiApplication::styleHints()->cursorFlashTime() / 2);
}

void TQtPlatform::SetCaretBlinkTime(std::uint32_t ms) {
    const auto period = static_cast<int>(std::min<std::uint32_t>(ms, 1u << 29) * 2);
    QGuiApplication::styleHints()->setCursorFlashTime(period);
}

std::vector<std::string> TQtPlatform::FixedPitchFamilies() {
    std::vector<std::string> fixed;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isFixedPitch(family)) fixed.push_back(family.toStdString());
    }
    return fixed;
}

void TQtPlatform::ShowErrorBox(std::string_view text) {
    QMessageBox::critical(QApplication::activeWindow(), QGuiApplication::applicationDisplayName(),
                          ToPlainText(text));
}

}  // namespace wendax
