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

// The arguments the toolkit is shown, so that it takes out its own options ("-style fusion",
// "-platform offscreen") before the file names are read: the program name and everything
// before the first "--". What follows "--" is kept from it, so a file may be named like one
// of its options.
class TToolkitArguments {
  public:
    TToolkitArguments(int argc, char** argv);
    TToolkitArguments(const TToolkitArguments&) = delete;
    TToolkitArguments& operator=(const TToolkitArguments&) = delete;

    // For the toolkit's constructor, which may shorten them; they stay valid while this lives.
    int& Argc() { return FArgc; }
    char** Argv() { return FArgv.data(); }

    // The command line of what the toolkit left, followed by "--" and what came after it.
    TCommandLine Remaining() const;

  private:
    std::vector<char*> FArgv;            // ends with a null pointer
    int FArgc = 0;                       // the toolkit's count, without that null pointer
    std::vector<std::string> FFileOnly;  // "--" and everything after it; empty without "--"
};

std::string UsageText(const std::string& programName);
std::string VersionText();

}  // namespace wendax
