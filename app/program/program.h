// The program entry: answers --help and --version, or sets up the application, creates
// the six windows, shows the main window and runs the message loop until it closes.
#pragma once

namespace wendax {

// Returns the process exit code.
int RunProgram(int argc, char** argv);

}  // namespace wendax
