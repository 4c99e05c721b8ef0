#include "engine/text_file_names.h"

namespace wendax {

std::string NormalizedFileName(std::string_view name) {
    if (name.size() >= 2 && name.back() == '.') name.remove_suffix(1);
    return std::string(name);
}

std::string BackupFileName(std::string_view name, std::string_view extension) {
    const std::string suffix = "." + std::string(extension);
    if (name.size() > suffix.size() && name.ends_with(suffix)) return std::string(name);
    return std::string(name) + suffix;
}

}  // namespace wendax
