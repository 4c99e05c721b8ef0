#include "tests/engine/memory_file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace wendax::test {

namespace {

class TMemoryReader : public TFileReader {
  public:
    TMemoryReader(std::string bytes, std::size_t piece, std::size_t failAfter,
                  const TFileIdentity& identity)
        : FBytes(std::move(bytes)), FPiece(piece), FFailAfter(failAfter), FIdentity(identity) {}

    std::size_t Read(char* buffer, std::size_t size) override {
        if (FAt >= FFailAfter) throw EInOutError("Cannot read", EIO);
        const std::size_t n = std::min({size, FPiece, FBytes.size() - FAt, FFailAfter - FAt});
        std::memcpy(buffer, FBytes.data() + FAt, n);
        FAt += n;
        return n;
    }
    TFileIdentity Identity() const override { return FIdentity; }

  private:
    std::string FBytes;
    std::size_t FPiece;
    std::size_t FFailAfter;
    std::size_t FAt = 0;
    TFileIdentity FIdentity;
};

class TMemoryReplacement : public TFileReplacement {
  public:
    TMemoryReplacement(TMemoryFileSystem& files, std::string name)
        : FFiles(files), FName(std::move(name)) {}

    void Write(std::string_view bytes) override {
        if (FBytes.size() + bytes.size() > FFiles.FailWriteAfter)
            throw EInOutError("Cannot write", ENOSPC);
        FBytes.append(bytes);
    }

    void Commit(const std::string& backupName) override {
        if (FFiles.FailCommit) throw EInOutError("Cannot replace", EIO);
        if (!backupName.empty() && FFiles.Exists(FName)) {
            FFiles.Files[backupName] = FFiles.Files[FName];
            FFiles.Backups.push_back(backupName);
        }
        FFiles.Files[FName] = FBytes;
        ++FFiles.Versions[FName];
    }

  private:
    TMemoryFileSystem& FFiles;
    std::string FName;
    std::string FBytes;
};

}  // namespace

std::unique_ptr<TFileReader> TMemoryFileSystem::OpenRead(const std::string& name) {
    ++Opens;
    const auto file = Files.find(name);
    if (FailOpen || file == Files.end()) throw EInOutError("Cannot open " + name, ENOENT);
    return std::make_unique<TMemoryReader>(file->second, ReadPiece, FailReadAfter, Identify(name));
}

TFileIdentity TMemoryFileSystem::Identify(const std::string& name) {
    TFileIdentity identity;
    if (const auto kind = Kinds.find(name); kind != Kinds.end()) {
        identity.Kind = kind->second;
        return identity;
    }
    const auto file = Files.find(name);
    if (file == Files.end()) return identity;
    identity.Kind = fkRegular;
    identity.Size = static_cast<std::int64_t>(file->second.size());
    identity.ModifiedNs = Versions[name];
    return identity;
}

std::unique_ptr<TFileReplacement> TMemoryFileSystem::Replace(const std::string& name) {
    if (FailCreate) throw EInOutError("Cannot create " + name, EACCES);
    return std::make_unique<TMemoryReplacement>(*this, name);
}

}  // namespace wendax::test
