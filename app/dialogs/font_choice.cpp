#include "app/dialogs/font_choice.h"

#include <QFontDatabase>
#include <QFontInfo>

#include "control/fixed_font.h"

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
// family would cost a desktop with many fonts a noticeable start-up delay. The desktop's
// fixed font does not always report a fixed pitch (fontconfig may give it no spacing);
// the editors cannot use it then, and the first fixed-pitch family they know stands in.
std::string InstalledFixedFamily(const std::string& name) {
    const auto isFixedPitch = [](const QString& family) {
        return QFontDatabase::isFixedPitch(family);
    };
    const QStringList families = QFontDatabase::families();
    std::string chosen = ChooseFixedFamily(name, families, isFixedPitch, {});
    if (chosen.empty()) chosen = ChooseFixedFamily(SystemFixedFamily(), families, isFixedPitch, {});
    if (chosen.empty() && !FixedFontNames().empty()) chosen = FixedFontNames().front();
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
