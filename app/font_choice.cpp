#include "app/font_choice.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace wendax {

std::string ChooseFixedFamily(const std::string& name, const QStringList& families,
                              const std::function<bool(const QString&)>& isFixedPitch,
                              const std::string& fallback) {
    const QString wanted = QString::fromStdString(name);
    for (const QString& family : families)
        if (family.compare(wanted, Qt::CaseInsensitive) == 0 && isFixedPitch(family))
            return family.toStdString();
    return fallback;
}

std::string SystemFixedFamily() {
    return QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family().toStdString();
}

// Only the family of that name is asked whether it is fixed-pitch: asking every installed
// family would cost a desktop with many fonts a noticeable start-up delay.
std::string InstalledFixedFamily(const std::string& name) {
    const auto isFixedPitch = [](const QString& family) {
        return QFontDatabase::isFixedPitch(family);
    };
    const std::string chosen = ChooseFixedFamily(name, QFontDatabase::families(), isFixedPitch, {});
    return chosen.empty() ? SystemFixedFamily() : chosen;
}

QFont MakeFont(const std::string& name, int points, bool bold, bool italic) {
    QFont font(QString::fromStdString(name));
    if (points > 0) font.setPointSize(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

}  // namespace wendax
