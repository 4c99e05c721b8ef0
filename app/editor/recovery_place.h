// Where and when the editor windows keep their recovery journals (recovery_journal.h).
#pragma once

#include <string>

namespace wendax {

struct TRecoveryPlace {
    std::string Folder;  // empty: no journals are kept or offered
    // A changed text is written once it has been left alone this long.
    int IdleMilliseconds = 2000;
    // A text that keeps changing without such a pause is written this long after its first
    // unwritten change, between two keys.
    int LongestWaitMilliseconds = 30000;
};

}  // namespace wendax
