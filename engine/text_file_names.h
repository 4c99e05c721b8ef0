// The file-name rules of the text-file editor. Names are compared exactly (file names on
// this system are case-sensitive) and "/" separates directories.
#pragma once

#include <string>
#include <string_view>

namespace wendax {

// The name without one trailing "." when it has two or more characters.
std::string NormalizedFileName(std::string_view name);

// The name of the backup copy of `name`: the whole name followed by "." + `extension`
// ("main.c" -> "main.c.BAK"), so that files differing only in their extension keep
// backups of their own. A name that already ends in "." + `extension` is its own backup
// name: such a file gets no backup.
std::string BackupFileName(std::string_view name, std::string_view extension);

}  // namespace wendax
