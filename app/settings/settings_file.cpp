#include "app/settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace wendax {

TFileProbe FileSystemProbe() {
    return [](const QString& path) { return QFileInfo(path).isFile(); };
}

QString ChooseSettingsFile(const TSettingsPlaces& places, const TFileProbe& fileExists) {
    const QString beside = QDir(places.ProgramDir).filePath(QLatin1String(kSettingsFileName));
    if (fileExists(beside)) return beside;
    return QDir(places.UserConfigDir).filePath(QLatin1String(kSettingsFileName));
}

QString DefaultDirFor(const QString& homeDir) {
    return homeDir.endsWith(QLatin1Char('/')) ? homeDir : homeDir + QLatin1Char('/');
}

QString UserConfigDir() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("wendax"));
}

TIniFile ReadSettingsFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return TIniFile{};
    return TIniFile::Parse(file.readAll().toStdString());
}

bool WriteSettingsFile(const QString& path, const TIniFile& ini) {
    if (!QDir().mkpath(QFileInfo(path).path())) return false;
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string text = ini.Text();
    if (file.write(text.data(), qint64(text.size())) != qint64(text.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace wendax
