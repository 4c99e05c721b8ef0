// Timing other programs as whole processes, for the figures set beside vim's and grep's.
#pragma once

#include <string>
#include <vector>

namespace wendax {

struct TProcessRun {
    double Seconds = 0;    // from fork to exit
    double PeakBytes = 0;  // the process's peak resident memory
    bool Ok = false;       // it ran and exited normally (an absent program is not Ok)
    // User and system time the process used (the least of BestProcess's runs): on a
    // machine shared with other work this varies far less than Seconds.
    double CpuSeconds = 0;
};

// Runs `args` (the program first, looked up in PATH) with its input and output on /dev/null.
TProcessRun RunProcess(const std::vector<std::string>& args);
// The fastest of three runs that went Ok (the file read is in the page cache for all),
// with the least processor time of them.
TProcessRun BestProcess(const std::vector<std::string>& args);

}  // namespace wendax
