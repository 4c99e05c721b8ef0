#include "app/dialogs/dialogs.h"

namespace wendax {

QString MessageCaption(TMessageKind kind) {
    switch (kind) {
        case mkWarning:
            return QStringLiteral("Warning");
        case mkError:
            return QStringLiteral("Error");
        case mkInformation:
            return QStringLiteral("Information");
        case mkConfirmation:
            return QStringLiteral("Confirm");
    }
    return {};
}

TModalResult ShowMessage(TDialogs& dialogs, TMessageKind kind, const QString& text,
                         TMessageButtons buttons) {
    return dialogs.Message(TMessageRequest{kind, text, buttons, {}});
}

QStringList DialogNameFilters(const QString& filter) {
    const QStringList pieces = filter.split(QLatin1Char('|'));
    QStringList result;
    // Pairs of name and mask; a pair without a mask is dropped.
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        QStringList masks = pieces[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& mask : masks) {
            mask = mask.trimmed();
            if (mask == QLatin1String("*.*")) mask = QStringLiteral("*");
        }
        if (masks.isEmpty()) continue;
        result << pieces[i] + QStringLiteral(" (") + masks.join(QLatin1Char(' ')) +
                      QLatin1Char(')');
    }
    return result;
}

}  // namespace wendax
