#include "platform/qt/clipboard_text.h"

#include <QByteArray>
#include <QMimeData>
#include <QString>

namespace wendax {

namespace {

constexpr const char* kUtf8Name = "UTF-8";

std::string_view UpToNul(std::string_view bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

QByteArray ArrayOf(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Line breaks as CR LF, up to the first NUL.
std::string PlainWithCrLf(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const std::string_view plain = UpToNul(std::string_view(utf8.constData(), utf8.size()));
    std::string out;
    out.reserve(plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const char c = plain[i];
        if (c == '\r' && i + 1 < plain.size() && plain[i + 1] == '\n') ++i;
        if (c == '\r' || c == '\n')
            out += "\r\n";
        else
            out.push_back(c);
    }
    return out;
}

}  // namespace

QMimeData* MakeClipboardData(const TClipboardText& text) {
    auto* data = new QMimeData;
    QString plain = QString::fromUtf8(ArrayOf(UpToNul(text.Plain)));
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    data->setText(plain);
    if (text.Exact) {
        data->setData(kClipboardBytesType, ArrayOf(UpToNul(*text.Exact)));
        data->setData(kClipboardCharSetType, text.ExactIsUtf8 ? kUtf8Name : "8-bit");
    }
    return data;
}

std::optional<TClipboardText> ClipboardContent(const QMimeData* data) {
    if (!HoldsClipboardText(data)) return std::nullopt;
    TClipboardText text;
    if (data->hasText()) text.Plain = PlainWithCrLf(data->text());
    if (data->hasFormat(kClipboardBytesType)) {
        const QByteArray exact = data->data(kClipboardBytesType);
        text.Exact = std::string(UpToNul(std::string_view(exact.constData(), exact.size())));
        text.ExactIsUtf8 = data->data(kClipboardCharSetType) == kUtf8Name;
    }
    return text;
}

bool HoldsClipboardText(const QMimeData* data) {
    return data && (data->hasFormat(kClipboardBytesType) || data->hasText());
}

}  // namespace wendax
