#include "tests/engine/child_process.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace wendax::test {

namespace {
constexpr uid_t kNobody = 65534;
}

int RunInChild(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        int result = 255;
        try {
            result = body();
        } catch (...) {
        }
        _exit(result);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

void LimitFileSize(long bytes) {
    const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
    setrlimit(RLIMIT_FSIZE, &limit);
}

bool DropRootRights() {
    if (geteuid() != 0) return true;
    return setgid(kNobody) == 0 && setuid(kNobody) == 0;
}

void GiveToNobody(const std::string& directory) {
    if (geteuid() != 0) return;
    [[maybe_unused]] int ignored = chown(directory.c_str(), kNobody, kNobody);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(directory))
        ignored = lchown(entry.path().c_str(), kNobody, kNobody);
}

}  // namespace wendax::test
