// File access as the editor library sees it. Failures raise EInOutError carrying the
// operating system's error number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace wendax {

class EInOutError : public std::runtime_error {
  public:
    EInOutError(const std::string& message, int errorCode)
        : std::runtime_error(message), FErrorCode(errorCode) {}
    int ErrorCode() const { return FErrorCode; }

  private:
    int FErrorCode;
};

enum TFileKind : std::uint8_t {
    fkMissing,  // no such file, or it cannot be looked at
    fkRegular,
    fkDirectory,
    fkFifo,
    fkSocket,
    fkDevice,
};

// What tells one version of a file on disk from another: a change by another program shows
// in at least one field (a rewrite with the same size within the same nanosecond aside).
struct TFileIdentity {
    TFileKind Kind = fkMissing;
    std::int64_t Size = 0;        // bytes
    std::int64_t ModifiedNs = 0;  // modification time, nanoseconds since 1970
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;

    bool operator==(const TFileIdentity&) const = default;
};

class TFileReader {
  public:
    virtual ~TFileReader() = default;  // closes the file
    // Reads up to `size` bytes; returns 0 only at the end of the file.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
    // The identity of the open file, as it was when opened.
    virtual TFileIdentity Identity() const = 0;
};

// Writes the new contents of a file. Either beside it, the file changing only in Commit and
// all at once, or, where a new file could not take its place unchanged (hard links, an
// owner that cannot be given, a folder that may not be written), in place with the old
// bytes kept aside until Commit. A failure, or a writer destroyed without a successful
// Commit, leaves the file with its old bytes.
class TFileReplacement {
  public:
    virtual ~TFileReplacement() = default;
    virtual void Write(std::string_view bytes) = 0;
    // Makes the written bytes durable and puts them in place of the file. With a non-empty
    // `backupName`, an existing old file is kept under that name (replacing any file there).
    virtual void Commit(const std::string& backupName) = 0;
};

class TFileSystem {
  public:
    virtual ~TFileSystem() = default;
    // Opens a file for reading. Opening never waits (a FIFO without a writer opens at once)
    // and reading a file that is not regular is the caller's choice: it looks at Identity
    // first.
    virtual std::unique_ptr<TFileReader> OpenRead(const std::string& name) = 0;
    // Prepares the replacement of `name`; a symbolic link is followed, so its target is
    // replaced and the link stays. Refuses, before anything changes, a target that is no
    // regular file and a file that may not be written.
    virtual std::unique_ptr<TFileReplacement> Replace(const std::string& name) = 0;
    virtual bool Exists(const std::string& name) = 0;
    // The identity of the file `name` (a symbolic link is followed); Kind fkMissing when
    // there is none.
    virtual TFileIdentity Identify(const std::string& name) = 0;
};

// The file system of this machine.
TFileSystem& LocalFileSystem();

}  // namespace wendax
