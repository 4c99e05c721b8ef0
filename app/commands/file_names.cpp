#include "app/commands/file_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace wendax {

std::string ToFileName(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

QString FromFileName(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

QString ExpandFileName(const QString& name) {
    return QDir::cleanPath(QFileInfo(name).absoluteFilePath());
}

QString DirectoryOf(const QString& name) {
    QString dir = QFileInfo(ExpandFileName(name)).path();
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

}  // namespace wendax
