// The machine's own file system through POSIX calls.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <string>

#include "platform/file_system.h"
#include "platform/in_place_replacement.h"
#include "platform/posix_file_calls.h"
#include "platform/rename_replacement.h"
#include "platform/save_target.h"

namespace wendax {

namespace {

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
            if (errno != EINTR) FailFileCall("Cannot read", FName, errno);
        }
    }

    TFileIdentity Identity() const override { return FIdentity; }

  private:
    int FFd;
    std::string FName;
    TFileIdentity FIdentity;
};

class TLocalFileSystem final : public TFileSystem {
  public:
    // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; it is cleared again
    // for a regular file.
    std::unique_ptr<TFileReader> OpenRead(const std::string& name) override {
        const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) FailFileCall("Cannot open", name, errno);
        struct stat info {};
        if (fstat(fd, &info) != 0) {
            const int error = errno;
            close(fd);
            FailFileCall("Cannot open", name, error);
        }
        if (S_ISDIR(info.st_mode)) {
            close(fd);
            FailFileCall("Cannot open", name, EISDIR);
        }
        if (S_ISREG(info.st_mode)) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        return std::make_unique<TLocalReader>(fd, name, IdentityOf(info));
    }

    // Renames a new file over the old one when the result is the same file with new bytes,
    // and writes in place otherwise. Refusals (save_target.h) come before anything changes.
    std::unique_ptr<TFileReplacement> Replace(const std::string& name) override {
        // A file-size limit (RLIMIT_FSIZE) then fails the write with EFBIG, "File too
        // large", instead of ending the program with the text unsaved.
        std::signal(SIGXFSZ, SIG_IGN);
        TSaveTarget target = ExamineSaveTarget(name);
        if (auto renamed = TRenameReplacement::Prepare(target)) return renamed;
        return std::make_unique<TInPlaceReplacement>(std::move(target));
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
