#include "platform/save_temporaries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <random>

namespace wendax {

namespace {

// Long names are cut so that the temporary names stay within a name's 255 bytes.
constexpr std::size_t kKeptNameBytes = 200;

std::string HiddenPrefix(const std::string& target, const char* kind) {
    return "." + BaseNameOf(target).substr(0, kKeptNameBytes) + ".wendax-" + kind + "-";
}

std::string NewFilePrefix(const std::string& target) {
    return HiddenPrefix(target, "new") + std::to_string(getpid()) + "-";
}

mode_t CurrentUmask() {
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

bool ProcessIsGone(const std::string& pidText) {
    char* end = nullptr;
    const long pid = std::strtol(pidText.c_str(), &end, 10);
    if (end == pidText.c_str() || *end != '-' || pid <= 0) return false;
    return kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

bool Refused(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

std::string StateFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/') return std::string(state) + "/wendax";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.local/state/wendax";
}

// Creates `folder` and the folders above it that are missing, private to this user.
void MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1))
        mkdir(folder.substr(0, slash).c_str(), 0700);
    mkdir(folder.c_str(), 0700);
}

int MakeTemporary(std::string pattern, TFd& fd, std::string& name) {
    pattern += "XXXXXX";
    fd = TFd(mkostemp(pattern.data(), O_CLOEXEC));
    if (!fd.Valid()) return errno;
    name = pattern;
    return 0;
}

}  // namespace

int CreateNewFileFor(const std::string& target, TNewFile& file) {
    const std::string folder = DirectoryOf(target);
#ifdef O_TMPFILE
    // Naming an unnamed file goes through /proc/self/fd; without it the file stays named.
    if (access("/proc/self/fd", X_OK) == 0) {
        file.Fd = TFd(open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
        if (file.Fd.Valid()) return 0;
        if (Refused(errno)) return errno;
    }
#endif
    const int error = MakeTemporary(folder + "/" + NewFilePrefix(target), file.Fd, file.Name);
    if (error == 0 && fchmod(file.Fd.Get(), 0666 & ~CurrentUmask()) != 0) return errno;
    return error;
}

int NameNewFile(const std::string& target, TNewFile& file) {
    if (!file.Name.empty()) return 0;
    const std::string self = "/proc/self/fd/" + std::to_string(file.Fd.Get());
    struct stat info {};
    if (lstat(target.c_str(), &info) != 0) {
        if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) != 0)
            return errno;
        file.Name = target;
        return 0;
    }
    std::mt19937 generator(std::random_device{}());
    const std::string prefix = DirectoryOf(target) + "/" + NewFilePrefix(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = prefix + std::to_string(generator() % 1000000);
        if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            file.Name = name;
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

void RemoveStaleNewFiles(const std::string& target) {
    const std::string folder = DirectoryOf(target);
    const std::string prefix = HiddenPrefix(target, "new");
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) == 0 &&
            ProcessIsGone(name.substr(prefix.size())))
            unlinkat(dirfd(dir), name.c_str(), 0);
    }
    closedir(dir);
}

int CreateOldCopyFor(const std::string& target, TFd& fd, std::string& name) {
    const int error =
        MakeTemporary(DirectoryOf(target) + "/" + HiddenPrefix(target, "old"), fd, name);
    if (!Refused(error)) return error;
    const std::string folder = StateFolder();
    MakeFolders(folder);
    return MakeTemporary(folder + "/" + HiddenPrefix(target, "old").substr(1), fd, name);
}

}  // namespace wendax
