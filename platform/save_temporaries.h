// The files a save makes beside its target: the new text before it takes the target's name,
// and the copy of the old text while a file is written in place.
//
// A new text is an unnamed file (O_TMPFILE) where the file system allows it, so that a kill
// leaves nothing behind; elsewhere it is named ".NAME.wendax-new-PID-XXXXXX", and a later
// save of NAME removes such files of processes that no longer run. A copy of old text is
// named ".NAME.wendax-old-XXXXXX" beside NAME, or "NAME.wendax-old-XXXXXX" in the state
// folder ($XDG_STATE_HOME/wendax, default ~/.local/state/wendax) when NAME's folder may
// not be written. A copy left by a crash holds the only old text and is never removed by a
// later save.
#pragma once

#include <string>

#include "platform/posix_file_calls.h"

namespace wendax {

struct TNewFile {
    TFd Fd;
    std::string Name;  // empty while the file has no name
};

// Creates the file for the new text of `target` in its folder, empty, with the bits a new
// file gets (0666 without the umask). Returns 0 or the error number.
int CreateNewFileFor(const std::string& target, TNewFile& file);

// Gives an unnamed new file a name beside `target` (the target's own name when it does not
// exist yet). Returns 0 or the error number.
int NameNewFile(const std::string& target, TNewFile& file);

// Removes named new files of `target` left behind by processes that are gone.
void RemoveStaleNewFiles(const std::string& target);

// Creates an empty private (0600) file for the old text of `target`, beside it or, when its
// folder refuses, in the state folder; `name` receives its path. Returns 0 or the error
// number of the last attempt.
int CreateOldCopyFor(const std::string& target, TFd& fd, std::string& name);

}  // namespace wendax
