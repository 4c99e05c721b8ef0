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

class TLocalReader final : public TFileReader {
  public:
    TLocalReader(int fd, std::string name) : FFd(fd), FName(std::move(name)) {}
    ~TLocalReader() override { close(FFd); }

    std::size_t Read(char* buffer, std::size_t size) override {
        for (;;) {
            const ssize_t n = read(FFd, buffer, size);
            if (n >= 0) return static_cast<std::size_t>(n);
            if (errno != EINTR) FailFileCall("Cannot read", FName, errno);
        }
    }

  private:
    int FFd;
    std::string FName;
};

class TLocalFileSystem final : public TFileSystem {
  public:
    std::unique_ptr<TFileReader> OpenRead(const std::string& name) override {
        const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) FailFileCall("Cannot open", name, errno);
        struct stat info {};
        if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
            close(fd);
            FailFileCall("Cannot open", name, EISDIR);
        }
        return std::make_unique<TLocalReader>(fd, name);
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
};

}  // namespace

TFileSystem& LocalFileSystem() {
    static TLocalFileSystem instance;
    return instance;
}

}  // namespace wendax
