// The machine's own file system through POSIX calls. A save writes a temporary file in
// the target's directory, syncs it and renames it over the target, so that a failure at
// any point leaves the old file as it was.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace wendax {

namespace {

[[noreturn]] void Fail(const char* what, const std::string& name, int error) {
    throw EInOutError(std::string(what) + " \"" + name + "\": " + std::strerror(error), error);
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Follows symbolic links to the file they finally name (which need not exist yet).
std::string ResolveLinks(const std::string& name) {
    std::string path = name;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::vector<char> target(PATH_MAX + 1);
        const ssize_t length = readlink(path.c_str(), target.data(), PATH_MAX);
        if (length < 0) Fail("Cannot read the link", path, errno);
        std::string next(target.data(), static_cast<std::size_t>(length));
        path = (next.front() == '/') ? next : DirectoryOf(path) + "/" + next;
    }
    Fail("Cannot resolve", name, ELOOP);
}

mode_t CurrentUmask() {
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

TFileIdentity IdentityOf(const struct stat& info) {
    TFileIdentity identity;
    identity.Kind = S_ISREG(info.st_mode)    ? fkRegular
                    : S_ISDIR(info.st_mode)  ? fkDirectory
                    : S_ISFIFO(info.st_mode) ? fkFifo
                    : S_ISSOCK(info.st_mode) ? fkSocket
                                             : fkDevice;
    identity.Size = static_cast<std::int64_t>(info.st_size);
    identity.ModifiedNs =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    identity.Device = static_cast<std::uint64_t>(info.st_dev);
    identity.Inode = static_cast<std::uint64_t>(info.st_ino);
    return identity;
}

class TLocalReader final : public TFileReader {
  public:
    TLocalReader(int fd, std::string name, const TFileIdentity& identity)
        : FFd(fd), FName(std::move(name)), FIdentity(identity) {}
    ~TLocalReader() override { close(FFd); }

    std::size_t Read(char* buffer, std::size_t size) override {
        for (;;) {
            const ssize_t n = read(FFd, buffer, size);
            if (n >= 0) return static_cast<std::size_t>(n);
            if (errno != EINTR) Fail("Cannot read", FName, errno);
        }
    }

    TFileIdentity Identity() const override { return FIdentity; }

  private:
    int FFd;
    std::string FName;
    TFileIdentity FIdentity;
};

class TLocalReplacement final : public TFileReplacement {
  public:
    TLocalReplacement(std::string shownName, std::string target)
        : FShownName(std::move(shownName)), FTarget(std::move(target)) {
        FTempName = DirectoryOf(FTarget) + "/.wendax-save-XXXXXX";
        FFd = mkstemp(FTempName.data());
        if (FFd < 0) Fail("Cannot create", FShownName, errno);
        KeepPermissions();
        FBuffer.reserve(kBufferSize);
    }

    ~TLocalReplacement() override {
        if (FFd >= 0) close(FFd);
        if (!FCommitted) unlink(FTempName.c_str());
    }

    void Write(std::string_view bytes) override {
        if (FBuffer.size() + bytes.size() > kBufferSize) {
            Flush();
            if (bytes.size() >= kBufferSize) return WriteAll(bytes);
        }
        FBuffer.append(bytes);
    }

    void Commit(const std::string& backupName) override {
        Flush();
        if (fsync(FFd) != 0) Fail("Cannot write", FShownName, errno);
        const int fd = FFd;
        FFd = -1;
        if (close(fd) != 0) Fail("Cannot write", FShownName, errno);
        const bool moved = !backupName.empty() && KeepBackup(backupName);
        if (rename(FTempName.c_str(), FTarget.c_str()) != 0) {
            const int error = errno;
            if (moved) rename(backupName.c_str(), FTarget.c_str());
            Fail("Cannot replace", FShownName, error);
        }
        FCommitted = true;
        SyncDirectory();
    }

  private:
    static constexpr std::size_t kBufferSize = 8192;

    // The new file gets the old file's permission bits and, where allowed, its owner;
    // a new file gets the usual bits for a new file.
    void KeepPermissions() {
        struct stat info {};
        if (stat(FTarget.c_str(), &info) == 0) {
            fchmod(FFd, info.st_mode & 07777);
            [[maybe_unused]] const int ignored = fchown(FFd, info.st_uid, info.st_gid);
        } else {
            fchmod(FFd, 0666 & ~CurrentUmask());
        }
    }

    // The old file stays under the backup name. A hard link keeps the target in place until
    // the rename replaces it; where links are not possible the old file is moved instead,
    // and then true is returned (Commit moves it back if the replacement fails). Failures
    // only cost the backup.
    bool KeepBackup(const std::string& backupName) {
        struct stat info {};
        if (stat(FTarget.c_str(), &info) != 0) return false;
        unlink(backupName.c_str());
        if (link(FTarget.c_str(), backupName.c_str()) == 0) return false;
        return rename(FTarget.c_str(), backupName.c_str()) == 0;
    }

    void SyncDirectory() {
        const int dir = open(DirectoryOf(FTarget).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir < 0) return;
        fsync(dir);
        close(dir);
    }

    void Flush() {
        WriteAll(FBuffer);
        FBuffer.clear();
    }

    void WriteAll(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t n = write(FFd, bytes.data(), bytes.size());
            if (n < 0) {
                if (errno == EINTR) continue;
                Fail("Cannot write", FShownName, errno);
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
    }

    std::string FShownName;
    std::string FTarget;
    std::string FTempName;
    int FFd = -1;
    bool FCommitted = false;
    std::string FBuffer;
};

class TLocalFileSystem final : public TFileSystem {
  public:
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; a regular file reads
    // the same either way, and it is cleared for it all the same.
    std::unique_ptr<TFileReader> OpenRead(const std::string& name) override {
        const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) Fail("Cannot open", name, errno);
        struct stat info {};
        if (fstat(fd, &info) != 0) {
            const int error = errno;
            close(fd);
            Fail("Cannot open", name, error);
        }
        if (S_ISDIR(info.st_mode)) {
            close(fd);
            Fail("Cannot open", name, EISDIR);
        }
        if (S_ISREG(info.st_mode)) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        return std::make_unique<TLocalReader>(fd, name, IdentityOf(info));
    }

    std::unique_ptr<TFileReplacement> Replace(const std::string& name) override {
        return std::make_unique<TLocalReplacement>(name, ResolveLinks(name));
    }

    bool Exists(const std::string& name) override {
        struct stat info {};
        return stat(name.c_str(), &info) == 0;
    }

    TFileIdentity Identify(const std::string& name) override {
        struct stat info {};
        if (stat(name.c_str(), &info) != 0) return {};
        return IdentityOf(info);
    }
};

}  // namespace

TFileSystem& LocalFileSystem() {
    static TLocalFileSystem instance;
    return instance;
}

}  // namespace wendax
