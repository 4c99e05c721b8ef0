#include "platform/save_target.h"

#include <fcntl.h>

#include <cerrno>

#include "platform/file_system.h"

namespace wendax {

namespace {

const char* KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a file";
}

[[noreturn]] void RefuseKind(const std::string& name, mode_t mode) {
    throw EInOutError(
        "Cannot save \"" + name + "\": it is " + KindOf(mode) + ", not a regular file",
        S_ISDIR(mode) ? EISDIR : EINVAL);
}

}  // namespace

TSaveTarget ExamineSaveTarget(const std::string& shownName) {
    TSaveTarget target;
    target.ShownName = shownName;
    target.Path = ResolveLinks(shownName);
    if (stat(target.Path.c_str(), &target.Info) != 0) {
        if (errno != ENOENT) FailFileCall("Cannot save", shownName, errno);
        return target;
    }
    if (!S_ISREG(target.Info.st_mode)) RefuseKind(shownName, target.Info.st_mode);
    // O_NONBLOCK: should a FIFO have taken the file's place since the stat, opening it
    // fails at once instead of waiting for a reader.
    target.WriteFd = TFd(open(target.Path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!target.WriteFd.Valid()) FailFileCall("Cannot save", shownName, errno);
    struct stat opened {};
    if (fstat(target.WriteFd.Get(), &opened) != 0) FailFileCall("Cannot save", shownName, errno);
    if (!S_ISREG(opened.st_mode)) RefuseKind(shownName, opened.st_mode);
    target.Info = opened;
    target.Exists = true;
    return target;
}

}  // namespace wendax
