#include "engine/text_file_names.h"

namespace wendax {

std::string NormalizedFileName(std::string_view name) {
    if (name.size() >= 2 && name.back() == '.') name.remove_suffix(1);
    return std::string(name);
}

std::string BackupFileName(std::string_view name, std::string_view extension) {
    const std::size_t slash = name.rfind('/');
    const std::size_t base = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = name.rfind('.');
    const bool hasExtension = dot != std::string_view::npos && dot > base;
    std::string backup(name.substr(0, hasExtension ? dot : name.size()));
    backup += '.';
    backup += extension;
    return backup;
}

}  // namespace wendax
