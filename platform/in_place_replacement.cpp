#include "platform/in_place_replacement.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/save_temporaries.h"

namespace wendax {

TInPlaceReplacement::TInPlaceReplacement(TSaveTarget target) : FTarget(std::move(target)) {
    const std::string& name = FTarget.ShownName;
    const TFd old(open(FTarget.Path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC));
    if (!old.Valid()) FailFileCall("Cannot save", name, errno);
    if (const int error = CreateOldCopyFor(FTarget.Path, FCopy, FCopyName))
        FailFileCall("Cannot copy the old text of", name, error);
    int error = CopyAllBytes(old.Get(), FCopy.Get());
    if (error == 0 && fsync(FCopy.Get()) != 0) error = errno;
    if (error == 0) {
        SyncDirectory(DirectoryOf(FCopyName));
        if (ftruncate(FTarget.WriteFd.Get(), 0) != 0) error = errno;
    }
    if (error != 0) {
        RemoveCopy();
        FailFileCall("Cannot copy the old text of", name, error);
    }
}

TInPlaceReplacement::~TInPlaceReplacement() {
    if (!FFinished) RestoreOldBytes();
}

void TInPlaceReplacement::Write(std::string_view bytes) {
    if (const int error = FBuffer.Write(FTarget.WriteFd.Get(), bytes))
        FailAndRestore("Cannot write", error);
}

void TInPlaceReplacement::Commit(const std::string& backupName) {
    if (const int error = FBuffer.Flush(FTarget.WriteFd.Get()))
        FailAndRestore("Cannot write", error);
    if (fsync(FTarget.WriteFd.Get()) != 0) FailAndRestore("Cannot write", errno);
    if (const int error = FTarget.WriteFd.Close()) FailAndRestore("Cannot write", error);
    FFinished = true;
    if (backupName.empty()) {
        RemoveCopy();
    } else {
        KeepCopyAs(backupName);
    }
}

void TInPlaceReplacement::FailAndRestore(const char* what, int error) {
    FFinished = true;
    std::string message =
        std::string(what) + " \"" + FTarget.ShownName + "\": " + std::strerror(error);
    if (!RestoreOldBytes()) message += "; the old text is kept in \"" + FCopyName + "\"";
    throw EInOutError(message, error);
}

// Writes the copy back over whatever the file holds now; true when the file holds its old
// bytes again, durably, and the copy is gone.
bool TInPlaceReplacement::RestoreOldBytes() {
    if (!FTarget.WriteFd.Valid())
        FTarget.WriteFd = TFd(open(FTarget.Path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    const int fd = FTarget.WriteFd.Get();
    if (!FTarget.WriteFd.Valid() || ftruncate(fd, 0) != 0 || lseek(fd, 0, SEEK_SET) < 0 ||
        lseek(FCopy.Get(), 0, SEEK_SET) < 0 || CopyAllBytes(FCopy.Get(), fd) != 0 || fsync(fd) != 0)
        return false;
    RemoveCopy();
    return true;
}

// The copy becomes the backup, with the old file's owner (where allowed) and permission
// bits; when it cannot take that name (another file system, a folder that may not be
// written) it is removed and there is no backup.
void TInPlaceReplacement::KeepCopyAs(const std::string& backupName) {
    [[maybe_unused]] const int ignored =
        fchown(FCopy.Get(), FTarget.Info.st_uid, FTarget.Info.st_gid);
    fchmod(FCopy.Get(), FTarget.Info.st_mode & 0777);
    FCopy.Reset();
    if (rename(FCopyName.c_str(), backupName.c_str()) == 0) {
        SyncDirectory(DirectoryOf(backupName));
        return;
    }
    RemoveCopy();
}

void TInPlaceReplacement::RemoveCopy() {
    FCopy.Reset();
    unlink(FCopyName.c_str());
    SyncDirectory(DirectoryOf(FCopyName));
}

}  // namespace wendax
