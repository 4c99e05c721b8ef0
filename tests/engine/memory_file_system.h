// A file system held in memory for tests: files are byte strings, reads come in pieces of a
// chosen size, and every operation can be made to fail.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace wendax::test {

class TMemoryFileSystem : public TFileSystem {
  public:
    std::unique_ptr<TFileReader> OpenRead(const std::string& name) override;
    std::unique_ptr<TFileReplacement> Replace(const std::string& name) override;
    bool Exists(const std::string& name) override { return Files.count(name) != 0; }
    // A regular file of the size of its bytes, modified at its Versions number; or of the
    // kind given in Kinds.
    TFileIdentity Identify(const std::string& name) override;

    std::map<std::string, std::string> Files;
    std::size_t ReadPiece = 1 << 20;  // most bytes one Read returns
    int Opens = 0;
    bool FailOpen = false;
    std::size_t FailReadAfter = static_cast<std::size_t>(-1);  // bytes read before a failure
    bool FailCreate = false;
    std::size_t FailWriteAfter = static_cast<std::size_t>(-1);  // bytes written before one
    bool FailCommit = false;
    std::vector<std::string> Backups;              // backup names given to successful commits
    std::map<std::string, std::int64_t> Versions;  // raised by every commit
    std::map<std::string, TFileKind> Kinds;        // of names that are no regular file
};

}  // namespace wendax::test
