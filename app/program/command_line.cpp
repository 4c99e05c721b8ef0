#include "app/program/command_line.h"

#include <string_view>

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

TToolkitArguments::TToolkitArguments(int argc, char** argv) {
    int i = 0;
    for (; i < argc && (i == 0 || std::string_view(argv[i]) != "--"); ++i)
        FArgv.push_back(argv[i]);
    FArgc = static_cast<int>(FArgv.size());
    FArgv.push_back(nullptr);
    for (; i < argc; ++i)
        FFileOnly.emplace_back(argv[i]);
}

TCommandLine TToolkitArguments::Remaining() const {
    std::vector<std::string> args;
    for (int i = 1; i < FArgc; ++i)
        args.emplace_back(FArgv[std::size_t(i)]);
    args.insert(args.end(), FFileOnly.begin(), FFileOnly.end());
    return ParseCommandLine(args);
}

std::string UsageText(const std::string& programName) {
    return "Usage: " + programName + " [OPTION]... [--] [FILE]...\n" + kProgramTitle +
           ", a plain-text editor. Opens each FILE in its own editor window.\n"
           "\n"
           "  --help     show this help and exit\n"
           "  --version  show the version and exit\n"
           "  --         treat every following argument as a file name\n"
           "\n"
           "Qt's own options (-style NAME, -stylesheet FILE, -platform NAME, ...) may come\n"
           "before the file names.\n";
}

std::string VersionText() {
    return std::string(kProgramTitle) + " " + kProgramVersion + "\n";
}

}  // namespace wendax
