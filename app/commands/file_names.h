// File names between Qt strings and the 8-bit names the settings file and the editor keep.
#pragma once

#include <QString>
#include <string>

namespace wendax {

std::string ToFileName(const QString& name);
QString FromFileName(const std::string& name);

// The full path of `name` relative to the current directory, with "." and ".." resolved;
// links are not followed.
QString ExpandFileName(const QString& name);

// The directory part of `name`, ending with a path separator.
QString DirectoryOf(const QString& name);

}  // namespace wendax
