// The file-name rules of the text-file editor. Names are compared exactly (file names on
// this system are case-sensitive) and "/" separates directories.
#pragma once

#include <string>
#include <string_view>

namespace wendax {

// The name without one trailing "." when it has two or more characters.
std::string NormalizedFileName(std::string_view name);

// The name of the backup copy of `name`: its extension (from the last "." of its last path
// component) replaced by "." + `extension`, or that appended when there is none. A dot
// that begins the last component (".profile") starts no extension.
std::string BackupFileName(std::string_view name, std::string_view extension);

}  // namespace wendax
