#include "bench/process_run.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "bench/json_lines.h"

namespace wendax {

TProcessRun RunProcess(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const auto start = TClock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const bool ok = WIFEXITED(status) && WEXITSTATUS(status) != 127;
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec * 1e-6; };
    return {SecondsSince(start), usage.ru_maxrss * 1024.0, ok,
            seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

TProcessRun BestProcess(const std::vector<std::string>& args) {
    TProcessRun best;
    for (int i = 0; i < 3; ++i) {
        const TProcessRun run = RunProcess(args);
        if (!run.Ok) continue;
        const double cpu = best.Ok ? std::min(best.CpuSeconds, run.CpuSeconds) : run.CpuSeconds;
        if (!best.Ok || run.Seconds < best.Seconds) best = run;
        best.CpuSeconds = cpu;
    }
    return best;
}

}  // namespace wendax
