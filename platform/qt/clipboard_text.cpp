#include "platform/qt/clipboard_text.h"

#include <QByteArray>
#include <QMimeData>

#include "platform/qt/char_table.h"

namespace wendax {

namespace {

std::string_view UpToNul(std::string_view bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

}  // namespace

QMimeData* MakeClipboardData(std::string_view bytes) {
    const std::string_view text = UpToNul(bytes);
    auto* data = new QMimeData;
    data->setText(ToPlainText(text));
    data->setData(kClipboardBytesType,
                  QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    return data;
}

std::optional<std::string> ClipboardBytes(const QMimeData* data) {
    if (!data) return std::nullopt;
    if (data->hasFormat(kClipboardBytesType)) {
        const QByteArray exact = data->data(kClipboardBytesType);
        return std::string(UpToNul(std::string_view(exact.constData(), exact.size())));
    }
    if (data->hasText()) return FromPlainText(data->text());
    return std::nullopt;
}

bool HoldsClipboardText(const QMimeData* data) {
    return data && (data->hasFormat(kClipboardBytesType) || data->hasText());
}

}  // namespace wendax
