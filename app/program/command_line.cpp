#include "app/program/command_line.h"

#include "app/program/program_info.h"

namespace wendax {

TCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    TCommandLine result;
    bool options = true;
    for (const std::string& arg : args) {
        if (options && arg == "--") {
            options = false;
        } else if (options && (arg == "--help" || arg == "--version")) {
            if (result.Action == saRun) result.Action = arg == "--help" ? saHelp : saVersion;
        } else {
            result.FileNames.push_back(arg);
        }
    }
    return result;
}

std::string UsageText(const std::string& programName) {
    return "Usage: " + programName + " [OPTION]... [--] [FILE]...\n" + kProgramTitle +
           ", a plain-text editor. Opens each FILE in its own editor window.\n"
           "\n"
           "  --help     show this help and exit\n"
           "  --version  show the version and exit\n"
           "  --         treat every following argument as a file name\n";
}

std::string VersionText() {
    return std::string(kProgramTitle) + " " + kProgramVersion + "\n";
}

}  // namespace wendax
