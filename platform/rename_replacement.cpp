#include "platform/rename_replacement.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace wendax {

namespace {

// The value of extended attribute `key` of `path`, or of the open file `fd` (path empty).
bool AttributeValue(const std::string& path, int fd, const char* key, std::vector<char>& value) {
    for (;;) {
        const ssize_t size =
            path.empty() ? fgetxattr(fd, key, nullptr, 0) : getxattr(path.c_str(), key, nullptr, 0);
        if (size < 0) return false;
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = path.empty() ? fgetxattr(fd, key, value.data(), value.size())
                                         : getxattr(path.c_str(), key, value.data(), value.size());
        if (got == size) return true;
        if (got < 0 && errno != ERANGE) return false;
    }
}

// Gives the new file `fd` every extended attribute of `path` that it does not already hold
// (the new file may have been given a security label of its own). False when one cannot be
// read or set.
bool CopyAttributes(const std::string& path, int fd) {
    const ssize_t size = listxattr(path.c_str(), nullptr, 0);
    if (size < 0) return errno == ENOTSUP;
    std::vector<char> keys(static_cast<std::size_t>(size));
    if (listxattr(path.c_str(), keys.data(), keys.size()) != size) return false;
    std::vector<char> value;
    std::vector<char> present;
    for (std::size_t at = 0; at < keys.size(); at += std::string_view(&keys[at]).size() + 1) {
        const char* key = &keys[at];
        if (!AttributeValue(path, -1, key, value)) return false;
        if (AttributeValue("", fd, key, present) && present == value) continue;
        if (fsetxattr(fd, key, value.data(), value.size(), 0) != 0) return false;
    }
    return true;
}

// Makes the new file the old one's twin: owner and group first, because changing them
// clears the setuid and setgid bits, then the mode.
bool TakeIdentity(const TSaveTarget& target, int fd) {
    struct stat fresh {};
    if (fstat(fd, &fresh) != 0) return false;
    const struct stat& old = target.Info;
    if ((fresh.st_uid != old.st_uid || fresh.st_gid != old.st_gid) &&
        fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    return CopyAttributes(target.Path, fd) && fchmod(fd, old.st_mode & 07777) == 0;
}

}  // namespace

std::unique_ptr<TRenameReplacement> TRenameReplacement::Prepare(const TSaveTarget& target) {
    if (target.Exists && target.Info.st_nlink != 1) return nullptr;
    RemoveStaleNewFiles(target.Path);
    TNewFile file;
    if (const int error = CreateNewFileFor(target.Path, file)) {
        if (target.Exists && (error == EACCES || error == EPERM)) return nullptr;
        FailFileCall("Cannot create", target.ShownName, error);
    }
    if (target.Exists && !TakeIdentity(target, file.Fd.Get())) {
        if (!file.Name.empty()) unlink(file.Name.c_str());
        return nullptr;
    }
    return std::unique_ptr<TRenameReplacement>(new TRenameReplacement(target, std::move(file)));
}

TRenameReplacement::TRenameReplacement(const TSaveTarget& target, TNewFile file)
    : FShownName(target.ShownName), FPath(target.Path), FFile(std::move(file)) {}

TRenameReplacement::~TRenameReplacement() {
    FFile.Fd.Reset();
    if (!FCommitted && !FFile.Name.empty()) unlink(FFile.Name.c_str());
}

void TRenameReplacement::Fail(const char* what, int error) const {
    FailFileCall(what, FShownName, error);
}

void TRenameReplacement::Write(std::string_view bytes) {
    if (const int error = FBuffer.Write(FFile.Fd.Get(), bytes)) Fail("Cannot write", error);
}

void TRenameReplacement::Commit(const std::string& backupName) {
    if (const int error = FBuffer.Flush(FFile.Fd.Get())) Fail("Cannot write", error);
    if (fsync(FFile.Fd.Get()) != 0) Fail("Cannot write", errno);
    if (const int error = NameNewFile(FPath, FFile)) Fail("Cannot replace", error);
    if (const int error = FFile.Fd.Close()) Fail("Cannot write", error);
    if (FFile.Name != FPath) {
        const bool moved = !backupName.empty() && KeepBackup(backupName);
        if (rename(FFile.Name.c_str(), FPath.c_str()) != 0) {
            const int error = errno;
            if (moved) rename(backupName.c_str(), FPath.c_str());
            Fail("Cannot replace", error);
        }
    }
    FCommitted = true;
    SyncDirectory(DirectoryOf(FPath));
}

// The old file stays under the backup name. A hard link keeps the target in place until
// the rename replaces it; where links are not possible the old file is moved instead, and
// then true is returned. Failures only cost the backup.
bool TRenameReplacement::KeepBackup(const std::string& backupName) const {
    struct stat info {};
    if (stat(FPath.c_str(), &info) != 0) return false;
    unlink(backupName.c_str());
    if (link(FPath.c_str(), backupName.c_str()) == 0) return false;
    return rename(FPath.c_str(), backupName.c_str()) == 0;
}

}  // namespace wendax
