#include "platform/posix_file_calls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include "platform/file_system.h"

namespace wendax {

void FailFileCall(const char* what, const std::string& name, int error) {
    throw EInOutError(std::string(what) + " \"" + name + "\": " + std::strerror(error), error);
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ResolveLinks(const std::string& name) {
    std::string path = name;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::vector<char> target(PATH_MAX + 1);
        const ssize_t length = readlink(path.c_str(), target.data(), PATH_MAX);
        if (length < 0) FailFileCall("Cannot read the link", path, errno);
        std::string next(target.data(), static_cast<std::size_t>(length));
        path = (next.front() == '/') ? next : DirectoryOf(path) + "/" + next;
    }
    FailFileCall("Cannot resolve", name, ELOOP);
}

int WriteAllBytes(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int CopyAllBytes(int from, int to) {
    std::string block(1 << 20, '\0');
    for (;;) {
        const ssize_t n = read(from, block.data(), block.size());
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (const int error = WriteAllBytes(to, {block.data(), static_cast<std::size_t>(n)}))
            return error;
    }
}

void SyncDirectory(const std::string& directory) {
    TFd dir(open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid()) fsync(dir.Get());
}

int TWriteBuffer::Write(int fd, std::string_view bytes) {
    if (FBytes.size() + bytes.size() <= kSize) {
        FBytes.append(bytes);
        return 0;
    }
    if (const int error = Flush(fd)) return error;
    if (bytes.size() >= kSize) return WriteAllBytes(fd, bytes);
    FBytes.append(bytes);
    return 0;
}

int TWriteBuffer::Flush(int fd) {
    const int error = WriteAllBytes(fd, FBytes);
    FBytes.clear();
    return error;
}

TFd& TFd::operator=(TFd&& other) noexcept {
    if (this != &other) {
        Reset();
        FFd = other.Release();
    }
    return *this;
}

int TFd::Release() {
    const int fd = FFd;
    FFd = -1;
    return fd;
}

int TFd::Close() {
    if (FFd < 0) return 0;
    const int result = close(Release());
    return result == 0 ? 0 : errno;
}

}  // namespace wendax
