#include "app/font_choice.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace wendax {

std::string ChooseFixedFamily(const std::string& name, const QStringList& fixedFamilies,
                              const std::string& fallback) {
    const QString wanted = QString::fromStdString(name);
    for (const QString& family : fixedFamilies)
        if (family.compare(wanted, Qt::CaseInsensitive) == 0) return family.toStdString();
    return fallback;
}

QStringList InstalledFixedFamilies() {
    QStringList result;
    for (const QString& family : QFontDatabase::families())
        if (QFontDatabase::isFixedPitch(family)) result << family;
    return result;
}

std::string SystemFixedFamily() {
    return QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family().toStdString();
}

std::string InstalledFixedFamily(const std::string& name) {
    const QStringList installed = InstalledFixedFamilies();
    const std::string chosen = ChooseFixedFamily(name, installed, {});
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
