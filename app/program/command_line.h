// The program's command line: "--help" and "--version" answer and end the program; every
// other argument names a file to open, and "--" makes all arguments after it file names.
#pragma once

#include <string>
#include <vector>

namespace wendax {

enum TStartAction { saRun, saHelp, saVersion };

struct TCommandLine {
    TStartAction Action = saRun;         // the first of "--help" and "--version" given decides
    std::vector<std::string> FileNames;  // in command-line order, exactly as given
};

// `args` excludes the program name.
TCommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText(const std::string& programName);
std::string VersionText();

}  // namespace wendax
