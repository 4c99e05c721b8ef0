// Running part of a test in a forked child process, for what must not touch the test
// process itself: a lowered file size limit, or dropped root rights.
#pragma once

#include <functional>
#include <string>

namespace wendax::test {

// Runs `body` in a child process and returns its result (0..255), or -1 when the child did
// not exit normally. The child never returns into the test.
int RunInChild(const std::function<int()>& body);

// In a child: limits the size of files written to `bytes`. Writes beyond it raise SIGXFSZ,
// which ends the process unless it ignores the signal (saving does), and then fail (EFBIG).
void LimitFileSize(long bytes);

// In a child running as root: continues as the unprivileged user "nobody" (65534), so that
// permission bits apply. Returns false when that is not possible. Does nothing for others.
bool DropRootRights();

// Makes `directory` and everything in it owned by "nobody" when running as root, so that a
// child without root rights can use it.
void GiveToNobody(const std::string& directory);

}  // namespace wendax::test
