// What a save finds at its target, checked before anything is touched: only a regular file
// that this process may write is saved over.
#pragma once

#include <sys/stat.h>

#include <string>

#include "platform/posix_file_calls.h"

namespace wendax {

struct TSaveTarget {
    std::string ShownName;  // the name as the user gave it, for messages
    std::string Path;       // the file itself, symbolic links followed
    bool Exists = false;
    struct stat Info {};  // the existing file's identity, owner, mode and links
    TFd WriteFd;          // the existing file, open for writing (not truncated)
};

// Finds the file `shownName` names. Raises EInOutError, changing nothing, when it is a
// directory, a FIFO, a device or a socket ("not a regular file"), or a file this process
// may not write ("Permission denied", as opening it for writing would fail).
TSaveTarget ExamineSaveTarget(const std::string& shownName);

}  // namespace wendax
